// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/automatic_language.h"

#include "capture/tesseract_language_map.h"
#include "core/async_run.h"
#include "core/diagnostics.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMutex>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSet>
#include <QThread>
#include <QWaitCondition>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <exception>
#include <map>
#include <vector>

namespace quorvane {

namespace {

// Mean word confidences of the engine, 0 to 100. Read in its own language, screen text
// scores about 95; read in a neighbouring language of the same script, 85 to 93, as the
// words with that language's own letters come out wrong; read in another script, below 60.
constexpr double kSure = 94;
constexpr double kSameScript = 65;
// Read in its own language, text in another script than the locale's scores above this;
// read in a language of another script, below it.
constexpr double kOtherScript = 85;
// Read in its own language, text in the locale's script scores above this.
constexpr double kUnsure = 90;
// Text the locale's languages read fairly well (their script's, `kSameScript`) is theirs
// when no more than one in this many of its words is missing from their word lists.
constexpr qsizetype kWordsPerUnknownWord = 10;
// Fewer words than this tell nothing of the language.
constexpr qsizetype kFewestWords = 3;
// Technical text has words no word list holds beside its paths, codes and identifiers: the
// parts the engine splits an identifier into ("ssize" of ssize_t), the names of tools and
// hosts. One such word is let pass for every this many tokens that are no words.
constexpr qsizetype kTokensPerUnknownWord = 4;
// A word list holds words this long that a reading of another script in the locale's
// letters comes out as almost never (its known words are short: "ail", "AGES", "Bios"),
// however poorly the word was read: the engine reads identifiers' words poorly when it
// splits them at an underscore ("ssl" "certificate" of ssl_certificate).
constexpr qsizetype kLongWord = 7;

// Languages of one script differ in the words with the letters the others lack, and those
// are the words the locale's languages read worst. Candidates are ranked on a strip of the
// least certain words, a few letters' worth, set side by side as one line: reading it costs
// a fraction of reading the text. Words of one or two characters tell little and come last.
constexpr qsizetype kRankingCharacters = 8;
// Those that rank almost as well as the best are told apart on twice as many letters.
constexpr qsizetype kTieCharacters = 16;
// Text in another script than the locale's is ranked on the start of its widest line, this
// many line heights long: half a dozen characters of an ideographic script, more of an
// alphabet. (The engine's own script detection takes as long as reading the text, and
// misnames the script of short Thai, Chinese and Korean text more often than not.)
constexpr int kRankingLineHeights = 6;
// Whether the locale's script reads the text fairly well is told on twice that, as a few
// letters the locale's languages lack make a short piece read poorly.
constexpr int kProbeLineHeights = 12;
// The best in the ranking is read whole; of another script, so are those of its script that
// ranked fairly near (up to a few), as a piece of a line tells the script surely but the
// language within it poorly. The best whole reading wins when it reads better than the
// locale's languages did.
constexpr size_t kFinalists = 3;
constexpr double kNear = 2;
// How many of the next best of the ranking read whole when the best reads less than surely:
// on a few words the ranking is rough, and a language with letters the locale's lack
// (Turkish, Vietnamese) may rank as low as seventh.
constexpr size_t kNextBest = 6;
constexpr double kNearInScript = 15;
// The best of another script than the best one's that ranked this near reads whole too.
constexpr double kRival = 10;
// Candidates' engines load and read a few at a time, as many as weigh this much together:
// an engine of an alphabet weighs 1 (9-17 MB), one of an ideographic script 3 (34-47 MB),
// besides what reading takes. Of those ranked so far, the best two stay loaded, or the best
// alone when that is ideographic: two such besides a batch would take more than a desktop
// tool may.
constexpr int kLoadWeight = 4;
constexpr size_t kKeptRanked = 2;
constexpr int kKeptWeight = 3;
constexpr int kThreadsKept = 30'000;  // ms
constexpr int kQuickReading = 25;  // ms
// A reading that has read this share of the text's lines by then (in percent) ends about
// when the probe could tell anything (short menus and dialogs): it is not probed.
constexpr int kHalf = 50;

struct RankingImage {
    QImage image;           // Grayscale8, dark on light
    double confidence = 0;  // the mean of its words' confidences in the locale's reading
};

// The words of `lines` the reading was least sure of, set side by side on one line.
RankingImage leastCertainWords(const QImage &grey, const QList<RecognizedLine> &lines, qsizetype wanted)
{
    struct Word {
        const RecognizedLine *line;
        const RecognizedWord *word;
    };
    std::vector<Word> words;
    int lineHeight = 0;
    for (const RecognizedLine &line : lines) {
        lineHeight = std::max(lineHeight, line.box.height());
        for (const RecognizedWord &word : line.words)
            words.push_back({&line, &word});
    }
    std::stable_sort(words.begin(), words.end(), [](const Word &a, const Word &b) {
        return std::pair(a.word->text.size() < 3, a.word->confidence) < std::pair(b.word->text.size() < 3, b.word->confidence);
    });
    qsizetype characters = 0;
    size_t count = 0;
    while (count < words.size() && characters < wanted)
        characters += words[count++].word->text.size();
    words.resize(count);

    RankingImage strip;
    const int gap = std::max(4, lineHeight / 2);
    std::vector<QRect> boxes;
    int width = gap;
    int height = 0;
    for (const Word &word : words) {
        // The word across its line's height, so that accents and descenders come along.
        const QRect &line = word.line->box;
        const int pad = std::max(2, line.height() / 4);
        boxes.push_back(QRect(QPoint(word.word->box.left() - pad, line.top() - pad),
                              QPoint(word.word->box.right() + pad, line.bottom() + pad))
                            .intersected(grey.rect()));
        width += boxes.back().width() + gap;
        height = std::max(height, boxes.back().height());
        strip.confidence += word.word->confidence / double(count);
    }
    if (boxes.empty())
        return strip;
    height += 2 * gap;
    strip.image = QImage(width, height, QImage::Format_Grayscale8);
    strip.image.fill(255);
    int x = gap;
    for (const QRect &box : boxes) {
        const int y = (height - box.height()) / 2;
        for (int row = 0; row < box.height(); ++row)
            std::memcpy(strip.image.scanLine(y + row) + x, grey.constScanLine(box.top() + row) + box.left(),
                        size_t(box.width()));
        x += box.width() + gap;
    }
    return strip;
}

// The start of the widest of the lines in `boxes`, or with `rank` 1 of the next widest
// (null when there is none). Of an interface, the engine takes the frame of a menu or a
// button, or a separator, for a line too: only lines about as high as most are taken.
QImage startOfWidestLine(const QImage &grey, const QList<QRect> &boxes, int lineHeights, size_t rank = 0)
{
    std::vector<int> heights;
    for (const QRect &box : boxes)
        heights.push_back(box.height());
    if (heights.empty())
        return {};
    std::nth_element(heights.begin(), heights.begin() + qsizetype(heights.size() / 2), heights.end());
    const int usual = heights[heights.size() / 2];
    std::vector<QRect> widest;
    for (const QRect &box : boxes) {
        if (2 * box.height() >= usual && box.height() <= 2 * usual && !box.isEmpty())
            widest.push_back(box);
    }
    std::stable_sort(widest.begin(), widest.end(), [](const QRect &a, const QRect &b) { return a.width() > b.width(); });
    if (widest.size() <= rank)
        return {};
    const QRect &line = widest[rank];
    const int pad = std::max(2, line.height() / 4);
    return grey.copy(QRect(line.left() - pad, line.top() - pad,
                           std::min(line.width(), lineHeights * line.height()) + 2 * pad, line.height() + 2 * pad)
                         .intersected(grey.rect()));
}

QList<QRect> lineBoxesOf(const QList<RecognizedLine> &lines)
{
    QList<QRect> boxes;
    for (const RecognizedLine &line : lines)
        boxes.append(line.box);
    return boxes;
}

// `lines` read from the part of an image at `offset`, in the image's pixels.
QList<RecognizedLine> moved(QList<RecognizedLine> lines, QPoint offset)
{
    for (RecognizedLine &line : lines) {
        line.box.translate(offset);
        for (RecognizedWord &word : line.words) {
            word.box.translate(offset);
            for (QRect &symbol : word.symbolBoxes)
                symbol.translate(offset);
        }
    }
    return lines;
}

// `lines` read from the part of an image at `offset`, as lines of text block `block` of
// the image.
QList<RecognizedLine> movedInto(QList<RecognizedLine> lines, QPoint offset, int block)
{
    lines = moved(std::move(lines), offset);
    for (RecognizedLine &line : lines)
        line.block = block;
    return lines;
}

// The row that parts text in one column into an upper and a lower half of about as many
// letters each, midway between two lines; none for a single line, or for lines side by
// side (columns), whose reading order a part across them would change.
std::optional<int> rowBetweenHalves(QList<QRect> lines)
{
    std::sort(lines.begin(), lines.end(), [](const QRect &a, const QRect &b) { return a.top() < b.top(); });
    qint64 letters = 0;  // a line's letters go with its width
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0 && lines[i].top() <= lines[i - 1].bottom())
            return std::nullopt;
        letters += lines[i].width();
    }
    std::optional<int> row;
    qint64 above = 0;
    qint64 fromHalf = letters;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        above += lines[i].width();
        if (std::abs(2 * above - letters) < fromHalf) {
            fromHalf = std::abs(2 * above - letters);
            row = (lines[i].bottom() + lines[i + 1].top() + 1) / 2;
        }
    }
    return row;
}

QRect boxOf(const QList<RecognizedLine> &lines)
{
    QRect box;
    for (const RecognizedLine &line : lines)
        box |= line.box;
    return box;
}

// Waits until `future` ends, whatever the outcome: its failure is for the one who takes
// its result.
template <typename T>
void waitFor(QFuture<T> future) noexcept
{
    try {
        future.waitForFinished();
    } catch (...) {
    }
}

// Whether most letters of `lines` are in the script of the language `dataName`.
bool mostlyInScriptOf(const QList<RecognizedLine> &lines, const QString &dataName)
{
    static const QHash<QString, QList<QChar::Script>> unicodeScripts{
        {"Latin", {QChar::Script_Latin}},
        {"Cyrillic", {QChar::Script_Cyrillic}},
        {"Han", {QChar::Script_Han, QChar::Script_Hiragana, QChar::Script_Katakana}},
        {"Hangul", {QChar::Script_Hangul, QChar::Script_Han}},
        {"Thai", {QChar::Script_Thai}},
        {"Arabic", {QChar::Script_Arabic}},
    };
    const QList<QChar::Script> own = unicodeScripts.value(TesseractLanguageMap::script(dataName));
    qsizetype letters = 0;
    qsizetype inOwn = 0;
    for (const RecognizedLine &line : lines) {
        for (const QChar c : line.text) {
            if (c.isLetter()) {
                ++letters;
                inOwn += own.contains(c.script()) ? 1 : 0;
            }
        }
    }
    return 2 * inOwn > letters;
}

// How well the candidate `dataName` read `lines`. The languages of the ideographic scripts
// know Latin letters too, and read Latin text confidently: a language of another script
// than the locale's counts only when most of what it read is in its own script.
double scoreOf(const QList<RecognizedLine> &lines, const QString &dataName, bool localeScript)
{
    return localeScript || mostlyInScriptOf(lines, dataName) ? AutomaticLanguage::meanConfidence(lines) : 0.0;
}

int weightOf(const QString &dataName)
{
    static const QStringList ideographic{QStringLiteral("Han"), QStringLiteral("Hangul")};
    return ideographic.contains(TesseractLanguageMap::script(dataName)) ? 3 : 1;
}

// The candidates of `names` from `first` on that load and read together: at least one, and
// as many as weigh `kLoadWeight` together.
QStringList nextBatch(const QStringList &names, qsizetype first)
{
    QStringList batch;
    int weight = 0;
    for (qsizetype i = first; i < names.size(); ++i) {
        weight += weightOf(names[i]);
        if (!batch.isEmpty() && weight > kLoadWeight)
            break;
        batch.append(names[i]);
    }
    return batch;
}

// `token` without the quotes, brackets and sentence marks around it, which are not part of
// a word; a leading hyphen is (an option), and so are the signs of a path, an address or a
// number.
QStringView withoutMarks(const QString &token)
{
    static const QString opening = QStringLiteral("\"'([{\u00ab\u2039\u201e\u201c\u2018\u00bf\u00a1");
    static const QString closing = QStringLiteral("\"')]}\u00bb\u203a\u201d\u2019.,;:!?\u2026");
    qsizetype begin = 0;
    qsizetype end = token.size();
    while (begin < end && opening.contains(token[begin]))
        ++begin;
    while (end > begin && closing.contains(token[end - 1]))
        --end;
    return QStringView(token).mid(begin, end - begin);
}

// Whether `token` is letters and digits alone, three letters or more, with a capital after
// a small letter, yet no word: how the locale's letters read a word of another script
// ("u3MeHeHua", "O6LeM", "CoxpaHeHbi"). It counts as a word, most likely unknown. Names of
// devices and hashes ("enp3s0", "9f3c2e1") keep to small letters, and the parts of an
// identifier ("PermitRootLogin") are words, with no digit among them.
bool garbled(const QString &token)
{
    static const QString around = QStringLiteral("\"'()[]{}.,;:!?");
    QStringView text(token);
    while (!text.isEmpty() && around.contains(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && around.contains(text.back()))
        text.chop(1);
    const auto letters = std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
    const auto small = std::find_if(text.begin(), text.end(), [](QChar c) { return c.isLower(); });
    if (letters < 3 || !std::all_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); })
        || std::none_of(small, text.end(), [](QChar c) { return c.isUpper(); }) || AutomaticLanguage::isWord(token))
        return false;
    if (letters < text.size())
        return true;
    // The parts between a small letter and a capital.
    qsizetype part = 1;
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text[i].isUpper() && text[i - 1].isLower()) {
            if (part < 3)
                return true;
            part = 0;
        }
        ++part;
    }
    return part < 3;
}

// The tokens of a reading by kind: words (with the garbled ones), how many of them are in
// the word list and their summed confidence, and the tokens of letters or digits that are
// no words (numbers, paths, codes, identifiers). Initials and short words are neither.
struct Tokens {
    qsizetype words = 0;
    qsizetype knownWords = 0;
    qsizetype unknownWords = 0;  // different ones: a tool's name said thrice is one name
    qsizetype names = 0;  // of those, capitalised within a sentence (Thunderbird, Flathub)
    qsizetype others = 0;
    qsizetype garbled = 0;  // of the words
    qsizetype longKnownWords = 0;  // of the known words, those of `kLongWord` letters or more
    double wordConfidence = 0;
};

qsizetype lettersIn(const QString &token)
{
    return std::count_if(token.begin(), token.end(), [](QChar c) { return c.isLetter(); });
}

Tokens tokensOf(const QList<RecognizedLine> &lines)
{
    Tokens tokens;
    QSet<QString> unknown;
    QSet<QString> names;
    for (const RecognizedLine &line : lines) {
        for (const RecognizedWord &word : line.words) {
            const bool garbledWord = garbled(word.text);
            if (AutomaticLanguage::isWord(word.text) || garbledWord) {
                ++tokens.words;
                tokens.garbled += garbledWord ? 1 : 0;
                tokens.knownWords += word.inDictionary ? 1 : 0;
                if (!word.inDictionary) {
                    const QStringView text = withoutMarks(word.text);
                    unknown.insert(text.toString().toCaseFolded());
                    if (!garbledWord && text.front().isUpper()
                        && std::none_of(text.begin() + 1, text.end(), [](QChar c) { return c.isUpper(); }))
                        names.insert(text.toString().toCaseFolded());
                }
                tokens.longKnownWords += word.inDictionary && lettersIn(word.text) >= kLongWord ? 1 : 0;
                tokens.wordConfidence += word.confidence;
                continue;
            }
            const auto letters = lettersIn(word.text);
            const bool digits = std::any_of(word.text.begin(), word.text.end(), [](QChar c) { return c.isDigit(); });
            if (digits || letters > 2 || (letters > 0 && letters < word.text.size()))
                ++tokens.others;
        }
    }
    tokens.unknownWords = unknown.size();
    tokens.names = names.size();
    return tokens;
}

// Whether a piece of a line that a language of the locale's script read poorly is in that
// script still: technical text, with more tokens that are no words than words (paths,
// codes and numbers read poorly in any language), or with a word read surely (or well, when
// the word list has it) or a long word of the word list, or words read well beside such
// tokens, and none garbled. Text in another script read in the locale's letters comes out as words, garbled
// ones among them, read poorly. (The piece ends where it ends, often within a token, which
// then reads as anything.)
bool inLocaleScriptStill(const QList<RecognizedLine> &piece)
{
    const Tokens tokens = tokensOf(piece);
    if (tokens.others > 0 && tokens.others >= tokens.words)
        return true;
    const bool sureWord = tokens.longKnownWords > 0 || std::any_of(piece.begin(), piece.end(), [](const RecognizedLine &line) {
        return std::any_of(line.words.begin(), line.words.end(), [](const RecognizedWord &word) {
            return word.confidence >= (word.inDictionary ? kUnsure : kSure) && word.text.size() >= 4
                   && AutomaticLanguage::isWord(word.text);
        });
    });
    const bool wordsReadWell = tokens.others > 0 && tokens.words >= 2
                               && tokens.wordConfidence / double(tokens.words) >= kOtherScript;
    return (sureWord || wordsReadWell) && tokens.garbled == 0;
}

// The median of the confidences of the tokens of `lines`, 0 without tokens. A token the
// engine splits in two or cuts short reads at next to nothing ("REDIS_URL=redis://cache:"
// "6379/0" at 6 %), which weighs on the mean of a few long tokens as much as the others.
double medianConfidence(const QList<RecognizedLine> &lines)
{
    std::vector<float> confidences;
    for (const RecognizedLine &line : lines) {
        for (const RecognizedWord &word : line.words)
            confidences.push_back(word.confidence);
    }
    if (confidences.empty())
        return 0;
    const auto middle = confidences.begin() + qsizetype(confidences.size() / 2);
    std::nth_element(confidences.begin(), middle, confidences.end());
    return *middle;
}

// Whether the locale's languages read `lines` as their own text. Small interface text,
// hinted and anti-aliased at 10-16 pixels, reads less surely than prose: a dark menu at
// 10 px or a dialog at 12 px scores 92-94, as a few narrow words score 60-88, though the
// reading is right. Their words are in the locale's word list, all of them or nearly;
// text in another language of its script is not, whatever its score (French read in
// English: 77-80 % of its words of three letters or more, Spanish 40-62 %, German, Italian,
// Indonesian or Danish under half). Only words count: paths, addresses, numbers, codes and
// identifiers are in no language's word list, and technical text is full of them.
bool readAsLocale(const QList<RecognizedLine> &lines, const QString &localeDataName)
{
    const double confidence = AutomaticLanguage::meanConfidence(lines);
    const auto [words, knownWords, unknownWords, names, others, garbledWords, longKnownWords, wordConfidence] =
        tokensOf(lines);
    const bool letters = std::any_of(lines.begin(), lines.end(), [](const RecognizedLine &line) {
        return std::any_of(line.text.begin(), line.text.end(), [](QChar c) { return c.isLetter(); });
    });
    const bool inScript = !letters || mostlyInScriptOf(lines, localeDataName);
    // Text with too few words to tell, or more tokens that are none (a listing, a log, a
    // trace, program text), stays with the locale's reading when that reads it as text of
    // its script: another language of the script reads such text no better. Text in
    // another script, read in the locale's letters, comes out as words no word list has
    // and tokens much like identifiers ("u3MeHeHua", "O6LeM"), and reads poorly. (Long
    // identifiers and paths read less surely than words: a stack trace scores 64-69; split
    // at its underscores, a line of settings far less, but its long words are known.)
    if (words < kFewestWords)
        return knownWords + 1 >= words
               && (confidence >= kSure
                   || (inScript
                       && (std::max(confidence, medianConfidence(lines)) >= kSameScript || longKnownWords > 0)));
    if (others > 0 && others >= words)
        return 3 * knownWords >= words && inScript;
    // Read surely or fairly well, the words are the locale's when its word list has them.
    // (French reads surely in English, but for a few letters.) One unknown word of half a
    // dozen or more, a command's or a tool's name, tells little; of fewer it may be the one
    // word with letters the locale lacks ("GroBenanderung fur Fu&ganger ist jetzt moglich").
    // Beside paths, codes and identifiers, a few more unknown words tell little too: French
    // or Spanish prose has few such tokens, and most of its words are unknown. A command's
    // name said again is still one, and the names of programs, services and people
    // (capitalised words no word list has) count for nothing: most unknown words of another
    // language are in small letters.
    const qsizetype unknownLetPass = std::max<qsizetype>(words / kWordsPerUnknownWord, words >= 6 ? 1 : 0)
                                     + others / kTokensPerUnknownWord;
    const bool known = unknownWords - names <= unknownLetPass;
    // Read poorly, known words may be the locale's letters made of another script's, which
    // come out as short words; long ones are the locale's script's.
    return known
           && (confidence >= kSure
               || (inScript && (wordConfidence / double(words) >= kSameScript || longKnownWords >= 2)));
}

// The words of `lines`, without the marks around them.
QStringList wordsOf(const QList<RecognizedLine> &lines)
{
    QStringList words;
    for (const RecognizedLine &line : lines) {
        for (const RecognizedWord &word : line.words) {
            if (AutomaticLanguage::isWord(word.text))
                words.append(withoutMarks(word.text).toString());
        }
    }
    return words;
}

using Readings = std::vector<std::optional<QList<RecognizedLine>>>;

// Engines reading side by side, each on a thread of `threads`; the readings that have
// ended can be taken before the others have. Whoever owns it may stop the others; they
// have ended when it is gone, as they use what the reading function refers to.
class ParallelReadings {
public:
    using Read = std::function<QList<RecognizedLine>(TesseractEngine &, const std::atomic_bool *cancelled)>;

    ParallelReadings(QThreadPool &threads, const std::vector<TesseractEngine *> &engines, Read read)
        : m_state(std::make_shared<State>())
    {
        m_state->read = std::move(read);
        m_state->readings.resize(engines.size());
        m_state->running = engines.size();
        for (size_t i = 0; i < engines.size(); ++i) {
            threads.start([state = m_state, engine = engines[i], i] {
                std::optional<QList<RecognizedLine>> lines;
                std::exception_ptr failure;
                try {
                    lines = state->read(*engine, &state->stopped);
                } catch (...) {
                    failure = std::current_exception();
                }
                const QMutexLocker lock(&state->mutex);
                if (!state->stopped)
                    state->readings[i] = std::move(lines);
                if (failure && !state->failure)
                    state->failure = failure;
                --state->running;
                state->changed.wakeAll();
            });
        }
    }

    ~ParallelReadings()
    {
        stop();
        QMutexLocker lock(&m_state->mutex);
        while (m_state->running > 0)
            m_state->changed.wait(&m_state->mutex);
    }
    ParallelReadings(const ParallelReadings &) = delete;
    ParallelReadings &operator=(const ParallelReadings &) = delete;

    // The readings so far, in the order of the engines, once `enough` holds for them or all
    // have ended. Throws the first failure of any.
    Readings readings(const std::function<bool(const Readings &)> &enough = {})
    {
        QMutexLocker lock(&m_state->mutex);
        while (m_state->running > 0 && !m_state->failure && !(enough && enough(m_state->readings)))
            m_state->changed.wait(&m_state->mutex);
        if (m_state->failure)
            std::rethrow_exception(m_state->failure);
        return m_state->readings;
    }

    // Those still reading stop at their next word; their readings are left out.
    void stop() { m_state->stopped = true; }

private:
    struct State {
        Read read;
        QMutex mutex;
        QWaitCondition changed;
        Readings readings;
        size_t running = 0;
        std::exception_ptr failure;
        std::atomic_bool stopped = false;
    };
    std::shared_ptr<State> m_state;
};

// `read` by the engine of each of `names` side by side; those not loaded yet load first.
std::unique_ptr<ParallelReadings> readSideBySide(QThreadPool &threads, const QStringList &names,
                                                 AutomaticLanguage::Engines &source, ParallelReadings::Read read)
{
    QList<QStringList> each;
    for (const QString &name : names)
        each.append({name});
    source.load(each);
    std::vector<TesseractEngine *> engines;
    for (const QStringList &dataNames : each)
        engines.push_back(&source.engine(dataNames));
    return std::make_unique<ParallelReadings>(threads, engines, std::move(read));
}

} // namespace

// Text chosen for as one: the whole image, or some of its text blocks.
struct AutomaticLanguage::Region {
    QList<RecognizedLine> lines;         // the locale's reading of it
    std::map<int, QRect> blocks;         // its blocks' boxes by number; none for the whole image
    QList<QRect> lineBoxes;              // where the whole image's lines are
};

struct AutomaticLanguage::Choosing {
    const QImage &grey;
    int resolution;
    TesseractEngine::Layout layout;
    Choice choice;
    Engines &engines;
    std::atomic_bool &searched;  // other languages than the locale's read
};

// The candidate languages' readings of the ranking image, in the order of the candidates;
// none when there was nothing to rank.
struct AutomaticLanguage::Ranking {
    QStringList candidates;
    bool localeScript = false;
    std::optional<Readings> readings;
};

// What the locale's reading and the probe beside it tell one another.
struct AutomaticLanguage::Probing {
    QMutex mutex;
    std::atomic_bool localeEnded = false;
    QSemaphore ended;      // released when the locale's reading ends
    std::atomic_int progress = 0;  // how much of the text the locale's reading has read, in percent
    bool ranking = false;  // the probe read poorly and went on to rank other scripts
};

// Another script's reading of the whole image, made while the locale's languages read it.
struct AutomaticLanguage::Early {
    std::optional<Reading> reading;
    bool taken = false;  // it reads the text well: the locale's reading was stopped
};

AutomaticLanguage::AutomaticLanguage(QStringList localeDataNames, QStringList installed)
    : m_localeDataNames(std::move(localeDataNames))
    , m_installed(std::move(installed))
    , m_guess(m_localeDataNames.value(0))
{
    // Threads of its own, kept between captures in quick succession: the engine reads
    // several milliseconds slower on a thread new to it. An idle program drops them, and
    // with them the stack the engine used on each.
    m_threads.setMaxThreadCount(2 * std::max(1, QThread::idealThreadCount()) + 1);
    m_threads.setExpiryTimeout(kThreadsKept);
}

QList<QStringList> AutomaticLanguage::everyReadingsEngines() const
{
    QList<QStringList> engines{m_localeDataNames};
    if (const QString probe = candidatesFor(true).value(0); !probe.isEmpty())
        engines.append({probe});
    return engines;
}

void AutomaticLanguage::waitForProbe() const
{
    waitFor(m_lastProbe);
}

bool AutomaticLanguage::isWord(const QString &token)
{
    const QStringView word = withoutMarks(token);
    qsizetype letters = 0;
    int joins = 0;
    // Within each part between joins: a capital after a small letter (camelCase, GiB) or a
    // small letter after two capitals (MHz, HTTPServer) makes an identifier or a unit.
    bool smallInPart = false;
    int capitalsInPart = 0;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QChar c = word[i];
        if (c.isLetter()) {
            ++letters;
            if (c.isUpper()) {
                if (smallInPart)
                    return false;
                ++capitalsInPart;
            } else if (c.isLower()) {
                if (capitalsInPart > 1)
                    return false;
                smallInPart = true;
            }
            continue;
        }
        const bool join = c == QLatin1Char('\'') || c == QChar(0x2019) || c == QLatin1Char('-');
        if (!join || i == 0 || i + 1 == word.size() || !word[i - 1].isLetter() || !word[i + 1].isLetter() || ++joins > 1)
            return false;
        smallInPart = false;
        capitalsInPart = 0;
    }
    return letters >= 3;
}

double AutomaticLanguage::meanConfidence(const QList<RecognizedLine> &lines)
{
    double sum = 0;
    qsizetype words = 0;
    for (const RecognizedLine &line : lines) {
        for (const RecognizedWord &word : line.words) {
            sum += word.confidence;
            ++words;
        }
    }
    return words ? sum / double(words) : 0;
}

QStringList AutomaticLanguage::candidatesFor(bool localeScript) const
{
    const QString script = TesseractLanguageMap::script(m_localeDataNames.value(0));
    QStringList candidates;
    // The locale's languages first, then the others in table order.
    for (const QStringList *names : {&m_localeDataNames, &m_installed}) {
        for (const QString &name : *names) {
            if ((TesseractLanguageMap::script(name) == script) == localeScript && m_installed.contains(name)
                && !candidates.contains(name))
                candidates.append(name);
        }
    }
    if (localeScript && m_localeDataNames.size() == 1)
        candidates.removeAll(m_localeDataNames.first());
    return candidates;
}

AutomaticLanguage::Reading AutomaticLanguage::read(const QImage &grey, int resolution,
                                                   TesseractEngine::Layout layout, Choice choice,
                                                   Engines &engines) const
{
    std::atomic_bool searched = false;
    const Choosing choosing{grey, resolution, layout, choice, engines, searched};
    // Counted once the probe has ended, or was left to end without reading other languages.
    const auto countSearch = qScopeGuard([&] {
        if (searched)
            ++m_searches;
    });
    TesseractEngine &locale = engines.engine(m_localeDataNames);
    waitForProbe();
    std::atomic_bool stopped = false;
    // Whether the text is in another script is told beside the locale's reading, which is
    // made on this thread: the engine reads slower on a thread it has not read on lately.
    // Most captures are a line or a few of interface text, which the locale's languages
    // read in less time than telling that takes: it is told only of text they take longer
    // over. Program text is seldom in another script, and finding its lines takes about as
    // long as reading it as one block.
    const QList<QStringList> everyReading = everyReadingsEngines();
    const auto probing = std::make_shared<Probing>();
    std::optional<QFuture<Early>> early;
    if (choice == Choice::language && everyReading.size() > 1 && !candidatesFor(false).isEmpty()) {
        TesseractEngine *probe = &engines.engine(everyReading[1]);
        early = runAsync(m_threads, [this, &choosing, &stopped, probing, probe, grey, resolution]() -> Early {
            Probing &state = *probing;
            if (state.ended.tryAcquire(1, kQuickReading) || state.progress >= kHalf)
                return {};
            ++m_probes;
            // Until it ranks other scripts, the probe uses nothing of the reading's: once
            // the locale's reading has ended, it is not waited for.
            const QList<QRect> lines = probe->lineBoxes(grey, resolution);
            if (state.localeEnded.load())
                return {};
            // Paths, codes and numbers read poorly in any language, but in the letters of
            // the locale's script.
            const auto readPiece = [&](size_t rank) {
                const QImage image = startOfWidestLine(grey, lines, kProbeLineHeights, rank);
                return image.isNull() || state.localeEnded.load()
                           ? QList<RecognizedLine>{}
                           : probe->recognize(image, resolution, TesseractEngine::Layout::singleLine,
                                              &state.localeEnded);
            };
            const auto inLocaleScript = [](const QList<RecognizedLine> &piece) {
                return meanConfidence(piece) >= kSameScript || inLocaleScriptStill(piece);
            };
            const QList<RecognizedLine> piece = readPiece(0);
            const double confidence = meanConfidence(piece);
            // A piece ends where it ends, often within a token, which then reads as
            // anything: the text is in another script only when the start of another of
            // its lines, if it has one, reads poorly too.
            if (inLocaleScript(piece))
                return {};
            if (const QList<RecognizedLine> next = readPiece(1); !next.isEmpty() && inLocaleScript(next))
                return {};
            {
                const QMutexLocker lock(&state.mutex);
                if (state.localeEnded.load())
                    return {};
                state.ranking = true;
            }
            return readInAnotherScript(choosing, lines, confidence, state.localeEnded, stopped);
        });
    }
    // Ends the probe's part in this reading; whether it ranks other scripts and is waited for.
    const auto endLocale = [&] {
        const QMutexLocker lock(&probing->mutex);
        if (!probing->localeEnded.exchange(true))
            probing->ended.release();
        return probing->ranking;
    };
    bool leaveProbe = false;
    const auto join = qScopeGuard([&] {
        if (!early)
            return;
        const bool ranking = endLocale();
        if (leaveProbe && !ranking)
            m_lastProbe = QFuture<void>(*early);
        else
            waitFor(*early);
    });
    Reading first{locale.recognize(grey, resolution, layout, &stopped, &probing->progress), {m_localeDataNames}};
    std::optional<Reading> otherScript;
    if (early && endLocale()) {
        Early other = early->result();
        if (other.taken) {
            remember(*other.reading);
            return std::move(*other.reading);
        }
        otherScript = std::move(other.reading);
    }
    // The locale's reading was stopped for a choice among other scripts that fell through.
    if (stopped)
        first.lines = locale.recognize(grey, resolution, layout);
    // The locale's reading stands: the probe, if still reading, is left to end on its own.
    // Otherwise other languages of its script may read next, the probe's among them.
    if (first.lines.isEmpty() || readAsLocale(first.lines, m_localeDataNames.first())) {
        leaveProbe = true;
        return first;
    }
    std::map<int, QList<RecognizedLine>> blocks;
    for (const RecognizedLine &line : first.lines)
        blocks[line.block].append(line);
    std::map<Kind, Region> regions;
    for (const auto &[number, lines] : blocks) {
        Region &region = regions[kindOf(lines)];
        region.lines += lines;
        const int pad = std::max(2, lines.first().box.height() / 2);
        region.blocks[number] = boxOf(lines).adjusted(-pad, -pad, pad, pad).intersected(grey.rect());
    }
    if (regions.size() == 1 && regions.begin()->first == Kind::sure) {
        leaveProbe = true;
        return first;
    }
    if (early)
        waitFor(*early);

    // Text whose blocks the locale's languages read alike is chosen for as a whole.
    if (regions.size() == 1) {
        Reading chosen = chooseFor(Region{first.lines, {}, lineBoxesOf(first.lines)}, regions.begin()->first, choosing,
                                   otherScript)
                             .value_or(first);
        remember(chosen);
        return chosen;
    }

    // Otherwise the blocks they read surely keep that reading, and the others are chosen
    // for by kind, each kind on its own blocks.
    Reading reading;
    for (auto &[kind, region] : regions) {
        std::optional<Reading> chosen;
        if (kind != Kind::sure)
            chosen = chooseFor(region, kind, choosing, std::nullopt);
        if (chosen) {
            for (const auto &[number, box] : region.blocks)
                blocks[number].clear();
            for (const RecognizedLine &line : chosen->lines)
                blocks[line.block].append(line);
        }
        for (const QStringList &reader : chosen ? chosen->readers : first.readers) {
            if (!reading.readers.contains(reader))
                reading.readers.append(reader);
        }
    }
    for (const auto &[number, lines] : blocks)
        reading.lines += lines;
    remember(reading);
    return reading;
}

AutomaticLanguage::Kind AutomaticLanguage::kindOf(const QList<RecognizedLine> &lines) const
{
    if (readAsLocale(lines, m_localeDataNames.first()))
        return Kind::sure;
    // Other languages of the locale's script read text only when its words are one of
    // theirs: what a reading lacks (words no word list holds, tokens read poorly) technical
    // text in the locale's language lacks too, and its names, commands and codes are as
    // many as there are programs.
    const QString guessed = m_guess.of(wordsOf(lines));
    const QString script = TesseractLanguageMap::script(m_localeDataNames.first());
    if (!guessed.isEmpty() && !m_localeDataNames.contains(guessed) && m_installed.contains(guessed)
        && TesseractLanguageMap::script(guessed) == script)
        return Kind::localeScript;
    // Read fairly well, it is in the locale's script, and theirs; read poorly, it may be in
    // another script. (That its words look like the locale's language tells little: read in
    // the locale's letters, text in another script comes out as capitals the locale's
    // language has short words of.)
    return meanConfidence(lines) >= kSameScript ? Kind::sure : Kind::otherScript;
}

void AutomaticLanguage::remember(const Reading &reading) const
{
    for (const QStringList &reader : reading.readers) {
        if (reader != m_localeDataNames && reader.size() == 1) {
            m_lastChosen = reader.first();
            return;
        }
    }
}

std::optional<int> AutomaticLanguage::halvesOf(const Region &region, const Choosing &choosing)
{
    // Program text keeps its blocks, as its character grid is found per block.
    return region.blocks.empty() && choosing.layout == TesseractEngine::Layout::automatic
               ? rowBetweenHalves(region.lineBoxes)
               : std::nullopt;
}

QList<RecognizedLine> AutomaticLanguage::readWhole(TesseractEngine &engine, TesseractEngine *twin, const Region &region,
                                                   const Choosing &choosing, const std::atomic_bool *stop) const
{
    // With a twin, the upper and the lower half of text in one column read side by side:
    // each takes a little over half the time of the whole.
    const std::optional<int> halves = halvesOf(region, choosing);
    if (twin && halves) {
        // A half of a single line reads as one: alone in an image, a line's first word may
        // otherwise be taken for a block of its own.
        const auto halfLayout = [&](bool upper) {
            const auto inHalf = [&](const QRect &line) { return (line.top() < *halves) == upper; };
            return std::count_if(region.lineBoxes.begin(), region.lineBoxes.end(), inHalf) == 1
                       ? TesseractEngine::Layout::singleLine
                       : choosing.layout;
        };
        const QImage &grey = choosing.grey;
        const QImage lower = grey.copy(0, *halves, grey.width(), grey.height() - *halves);
        QFuture<QList<RecognizedLine>> lowerReading = runAsync(m_threads, [&] {
            return twin->recognize(lower, choosing.resolution, halfLayout(false), stop);
        });
        const auto join = qScopeGuard([&] { waitFor(lowerReading); });
        QList<RecognizedLine> lines =
            engine.recognize(grey.copy(0, 0, grey.width(), *halves), choosing.resolution, halfLayout(true), stop);
        int blocksAbove = 0;
        for (const RecognizedLine &line : lines)
            blocksAbove = std::max(blocksAbove, line.block + 1);
        for (RecognizedLine &line : moved(lowerReading.result(), QPoint(0, *halves))) {
            line.block += blocksAbove;
            lines.append(std::move(line));
        }
        return lines;
    }
    if (region.blocks.empty())
        return engine.recognize(choosing.grey, choosing.resolution, choosing.layout, stop);
    QList<RecognizedLine> lines;
    for (const auto &[number, box] : region.blocks)
        lines += movedInto(engine.recognize(choosing.grey.copy(box), choosing.resolution, choosing.layout, stop),
                           box.topLeft(), number);
    return lines;
}

std::optional<AutomaticLanguage::Reading> AutomaticLanguage::readAsLastChosen(const Region &region,
                                                                              const Choosing &choosing,
                                                                              double localeConfidence,
                                                                              bool localeScript) const
{
    const QString name = m_lastChosen;
    if (name.isEmpty() || choosing.choice != Choice::language)
        return std::nullopt;
    // Text whose words are another language's of the locale's script is in that script.
    if (localeScript && TesseractLanguageMap::script(name) != TesseractLanguageMap::script(m_localeDataNames.value(0)))
        return std::nullopt;
    // Without a twin: when this reading does not stand, a search follows, and it would
    // only add to what that holds.
    QList<RecognizedLine> lines = readWhole(choosing.engines.engine({name}), nullptr, region, choosing, nullptr);
    // Read surely, in its script, with its words in its word list: text in a neighbouring
    // language has too many words that list lacks, and text in another script reads poorly.
    const double confidence = meanConfidence(lines);
    if (confidence < kSure || confidence <= localeConfidence || !mostlyInScriptOf(lines, name)
        || !readAsLocale(lines, name))
        return std::nullopt;
    diag(lcRecognition(), QStringLiteral("   [AutomaticLanguage] %1, chosen last, read %2 %").arg(name).arg(confidence, 0, 'f', 1));
    return Reading{std::move(lines), {{name}}};
}

std::optional<AutomaticLanguage::Reading> AutomaticLanguage::chooseFor(const Region &region, Kind kind,
                                                                       const Choosing &choosing,
                                                                       const std::optional<Reading> &otherScript) const
{
    const double localeConfidence = meanConfidence(region.lines);
    if (!otherScript) {
        if (std::optional<Reading> last =
                readAsLastChosen(region, choosing, localeConfidence, kind == Kind::localeScript))
            return last;
    }
    const auto inLocaleScript = [&] {
        const RankingImage strip = leastCertainWords(choosing.grey, region.lines, kRankingCharacters);
        Ranking ranking = rank(true, strip.image, choosing);
        return choose(ranking, region, strip.confidence, localeConfidence, choosing);
    };
    // Its words are another language's of the locale's script: the languages of that
    // script read it, however well or poorly the locale's did (a language with many letters
    // the locale's lack reads poorly in them).
    if (kind == Kind::localeScript)
        return choosing.choice == Choice::script ? std::nullopt : inLocaleScript();
    // Read poorly and in no language's words: another script's languages, when one reads
    // it well.
    std::optional<Reading> other;
    if (otherScript) {
        if (meanConfidence(otherScript->lines) > localeConfidence)
            other = otherScript;
    } else {
        const QImage piece = startOfWidestLine(choosing.grey, lineBoxesOf(region.lines), kRankingLineHeights);
        Ranking ranking = rank(false, piece, choosing);
        other = choose(ranking, region, localeConfidence, localeConfidence, choosing);
    }
    if (other && meanConfidence(other->lines) >= kOtherScript)
        return other;
    // Program text the locale's script reads poorly (hashes, signs, letters it lacks) is
    // still in its script: text in another script reads well in its own, and a language of
    // another script that reads the text only fairly turns it into that script's letters.
    if (choosing.choice == Choice::script)
        return std::nullopt;
    // Short text with many letters the locale's languages lack reads poorly in them, too
    // poorly for its words to show its language ("GroBenanderung fur Fu&ganger"), and the
    // languages of the ideographic scripts read Latin letters fairly well: unless another
    // script reads the text well, the locale's script is tried too.
    std::optional<Reading> same = inLocaleScript();
    if (same && (!other || meanConfidence(same->lines) > meanConfidence(other->lines)))
        return same;
    return other;
}

AutomaticLanguage::Early AutomaticLanguage::readInAnotherScript(const Choosing &choosing, const QList<QRect> &lines,
                                                                double confidence, const std::atomic_bool &localeEnded,
                                                                std::atomic_bool &stopped) const
{
    const QImage piece = startOfWidestLine(choosing.grey, lines, kRankingLineHeights);
    if (piece.isNull() || localeEnded)
        return {};
    // Text in the script of the last capture's language is likely in that language again;
    // read surely, it needs no ranking. When another script reads the piece well, the
    // locale's reading no longer counts and is stopped; otherwise it reads on beside the
    // best of the ranking, to be compared with it when it ends.
    const Region region{{}, {}, lines};
    std::optional<Reading> chosen;
    if (TesseractLanguageMap::script(m_lastChosen) != TesseractLanguageMap::script(m_localeDataNames.value(0)))
        chosen = readAsLastChosen(region, choosing, confidence, false);
    if (chosen) {
        stopped = true;
    } else {
        Ranking ranking = rank(false, piece, choosing);
        chosen = choose(ranking, region, confidence, confidence, choosing, &stopped);
    }
    if (!chosen)
        return {};
    // It is taken when it reads the text well, every block fairly well: a block in the
    // locale's script, say, needs the locale's reading and a choice of its own. Otherwise
    // the choice waits for the locale's reading, and for a reading of theirs if stopped.
    std::map<int, QList<RecognizedLine>> blocks;
    for (const RecognizedLine &line : chosen->lines)
        blocks[line.block].append(line);
    const bool everyBlockReads = std::all_of(blocks.begin(), blocks.end(), [](const auto &block) {
        return meanConfidence(block.second) >= kSameScript;
    });
    if (!everyBlockReads || (!stopped && meanConfidence(chosen->lines) < kOtherScript))
        return {std::move(chosen), false};
    stopped = true;
    return {std::move(chosen), true};
}

AutomaticLanguage::Ranking AutomaticLanguage::rank(bool localeScript, const QImage &image,
                                                   const Choosing &choosing) const
{
    Ranking ranking{candidatesFor(localeScript), localeScript, std::nullopt};
    if (ranking.candidates.isEmpty() || image.isNull())
        return ranking;
    choosing.searched = true;
    choosing.engines.releaseTwins();
    // A few candidates at a time load and read side by side; of those read so far, only
    // the engines of the best two stay loaded: every installed language's engine at once would
    // take more memory than a desktop tool may.
    Readings readings;
    std::vector<std::pair<double, QString>> loaded;  // best first
    for (qsizetype first = 0; first < ranking.candidates.size();) {
        const QStringList batch = nextBatch(ranking.candidates, first);
        first += batch.size();
        const Readings read = readSideBySide(m_threads, batch, choosing.engines, [&choosing, image](TesseractEngine &engine, const std::atomic_bool *stop) {
            return engine.recognize(image, choosing.resolution, TesseractEngine::Layout::singleLine, stop);
        })->readings();
        for (qsizetype i = 0; i < batch.size(); ++i) {
            readings.push_back(read[size_t(i)]);
            loaded.emplace_back(read[size_t(i)] ? scoreOf(*read[size_t(i)], batch[i], localeScript) : 0.0, batch[i]);
        }
        std::stable_sort(loaded.begin(), loaded.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
        size_t kept = 0;
        for (int weight = 0; kept < loaded.size() && kept < kKeptRanked; ++kept) {
            weight += weightOf(loaded[kept].second);
            if (kept > 0 && weight > kKeptWeight)
                break;
        }
        while (loaded.size() > kept) {
            choosing.engines.release({loaded.back().second});
            loaded.pop_back();
        }
    }
    ranking.readings = std::move(readings);
    return ranking;
}

std::optional<AutomaticLanguage::Reading> AutomaticLanguage::choose(Ranking &ranking, const Region &region,
                                                                    double rankingConfidence, double localeConfidence,
                                                                    const Choosing &choosing,
                                                                    std::atomic_bool *stopLocale) const
{
    QElapsedTimer clock;
    clock.start();
    if (!ranking.readings)
        return std::nullopt;
    const QStringList &candidates = ranking.candidates;
    const bool localeScript = ranking.localeScript;
    const auto score = [&](const QList<RecognizedLine> &lines, const QString &name) {
        return scoreOf(lines, name, localeScript);
    };
    // The ranking, best first, and the finalists: a piece of a line tells the script
    // surely but the language within it poorly, so of another script the languages of the
    // best one's script that ranked fairly near read whole too. It tells the script less
    // surely than that when the best of another script ranked near as well (the Thai
    // engine reads a piece of Cyrillic about as confidently as the Russian one, and now
    // and then more): that rival reads whole beside the best.
    std::vector<std::pair<double, QString>> scores;
    QStringList finalists;
    QString rival;
    const double near = localeScript ? kNear : kNearInScript;
    const auto nearestOf = [&](const QString &script) {
        QStringList names;
        double top = -1;
        for (const auto &[confidence, name] : scores) {
            if (TesseractLanguageMap::script(name) != script)
                continue;
            top = std::max(top, confidence);
            if (confidence > rankingConfidence && confidence >= top - near && size_t(names.size()) < kFinalists)
                names.append(name);
        }
        return names;
    };
    const auto rankBy = [&](const Readings &ranked) {
        scores.clear();
        for (size_t i = 0; i < ranked.size(); ++i) {
            if (ranked[i])
                scores.emplace_back(score(*ranked[i], candidates[qsizetype(i)]), candidates[qsizetype(i)]);
        }
        std::stable_sort(scores.begin(), scores.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
        const QString script = scores.empty() ? QString() : TesseractLanguageMap::script(scores.front().second);
        finalists = nearestOf(script);
        rival.clear();
        for (const auto &[confidence, name] : scores) {
            if (!localeScript && !finalists.isEmpty() && TesseractLanguageMap::script(name) != script) {
                if (confidence > rankingConfidence && confidence >= scores.front().first - kRival)
                    rival = name;
                break;
            }
        }
    };
    const auto readRegion = [&](TesseractEngine &engine, TesseractEngine *twin, const std::atomic_bool *stop) {
        return readWhole(engine, twin, region, choosing, stop);
    };
    const bool halves = halvesOf(region, choosing).has_value();
    // `name` starting to read the region whole, with its twin if it has one.
    const auto startWhole = [&](const QString &name) {
        TesseractEngine *twin = halves ? choosing.engines.twin({name}) : nullptr;
        return readSideBySide(m_threads, {name}, choosing.engines, [&, twin](TesseractEngine &engine, const std::atomic_bool *stop) {
            return readRegion(engine, twin, stop);
        });
    };
    rankBy(*ranking.readings);
    if (scores.empty())
        return std::nullopt;
    const auto readAll = [&](const QStringList &names, ParallelReadings::Read read) {
        std::vector<QList<RecognizedLine>> lines;
        for (auto &reading : readSideBySide(m_threads, names, choosing.engines, std::move(read))->readings())
            lines.push_back(reading.value_or(QList<RecognizedLine>{}));
        return lines;
    };

    // Near neighbours of the locale's script are told apart on a longer strip, which costs
    // less than reading the text whole with each.
    if (localeScript && finalists.size() > 1) {
        const QImage longer = leastCertainWords(choosing.grey, region.lines, kTieCharacters).image;
        const std::vector<QList<RecognizedLine>> again = readAll(finalists, [&](TesseractEngine &engine, const std::atomic_bool *) {
            return engine.recognize(longer, choosing.resolution, TesseractEngine::Layout::singleLine);
        });
        qsizetype best = 0;
        for (size_t i = 1; i < again.size(); ++i) {
            if (meanConfidence(again[i]) > meanConfidence(again[size_t(best)]))
                best = qsizetype(i);
        }
        finalists = {finalists[best]};
    }
    // Reading on beside the locale's languages: when a language of another script reads
    // the piece well, their reading is stopped, as it no longer counts.
    if (stopLocale && !finalists.isEmpty() && scores.front().first >= kOtherScript)
        *stopLocale = true;
    std::optional<Reading> best;
    double bestConfidence = localeConfidence;
    std::map<QString, QList<RecognizedLine>> wholes;  // by language
    const auto consider = [&](const QList<RecognizedLine> &whole, const QString &name) {
        wholes[name] = whole;
        const double confidence = score(whole, name);
        if (confidence > bestConfidence) {
            bestConfidence = confidence;
            best = Reading{whole, {{name}}};
        }
    };
    // A few at a time, as in the ranking; each engine but the best reading's goes after.
    const auto readWhole = [&](const QStringList &names) {
        for (qsizetype first = 0; first < names.size();) {
            const QStringList batch = nextBatch(names, first);
            first += batch.size();
            std::vector<std::unique_ptr<ParallelReadings>> reading;
            for (const QString &name : batch)
                reading.push_back(startWhole(name));
            for (size_t i = 0; i < reading.size(); ++i)
                consider(reading[i]->readings().front().value_or(QList<RecognizedLine>{}), batch[qsizetype(i)]);
            reading.clear();
            for (const QString &name : batch) {
                if (!best || best->readers.first() != QStringList{name})
                    choosing.engines.release({name});
            }
        }
    };
    // The best of another script reads whole beside its rival, which is stopped when the
    // best reads the text surely.
    const auto readBesideRival = [&] {
        std::unique_ptr<ParallelReadings> first = startWhole(finalists.first());
        std::unique_ptr<ParallelReadings> second = startWhole(rival);
        consider(first->readings().front().value_or(QList<RecognizedLine>{}), finalists.first());
        if (bestConfidence < kSure)
            consider(second->readings().front().value_or(QList<RecognizedLine>{}), rival);
    };
    // Neighbours of another script (Russian and Ukrainian, say), the first of which read
    // whole: unless some reading is sure, the others are told apart from it on the words
    // it was least sure of, and one that reads those better reads whole too; when none
    // does and the first reads the text poorly for its own, all of them do (the
    // Traditional Chinese engine reads Simplified text fairly well, in its own characters).
    const auto tellApart = [&](const QStringList &neighbours) {
        const auto first = wholes.find(neighbours.value(0));
        if (neighbours.size() < 2 || first == wholes.end() || bestConfidence >= kSure)
            return;
        if (score(first->second, neighbours.first()) <= localeConfidence) {
            readWhole(neighbours.mid(1));
            return;
        }
        const QImage strip = leastCertainWords(choosing.grey, first->second, kTieCharacters).image;
        const std::vector<QList<RecognizedLine>> again = readAll(neighbours, [&](TesseractEngine &engine, const std::atomic_bool *) {
            return engine.recognize(strip, choosing.resolution, TesseractEngine::Layout::singleLine);
        });
        size_t strongest = 0;
        for (size_t i = 1; i < again.size(); ++i) {
            if (score(again[i], neighbours[qsizetype(i)]) > score(again[strongest], neighbours[qsizetype(strongest)]))
                strongest = i;
        }
        if (strongest)
            readWhole({neighbours[qsizetype(strongest)]});
        else if (bestConfidence < kUnsure)
            readWhole(neighbours.mid(1));
    };
    // Of another script, the best of the ranking reads the text whole, beside its rival
    // if any, and then its neighbours (and the rival's) as above.
    if (!localeScript && !finalists.isEmpty()) {
        if (rival.isEmpty()) {
            readWhole(finalists.mid(0, 1));
        } else {
            readBesideRival();
        }
        tellApart(finalists);
        if (wholes.count(rival))
            tellApart(nearestOf(TesseractLanguageMap::script(rival)));
    } else {
        readWhole(finalists);
    }
    // A few words may favour a neighbour whose letters they happen to share: unless the
    // chosen language reads the text surely, the next best of the ranking read it whole
    // too (Italian reads Turkish at 91 %, its dotless i as i).
    if (localeScript && bestConfidence < kSure) {
        QStringList next;
        for (const auto &[confidence, name] : scores) {
            if (confidence > rankingConfidence && !finalists.contains(name) && size_t(next.size()) < kNextBest)
                next.append(name);
        }
        readWhole(next);
    }
    // The readings are taken: of the candidates, only the best's engine stays (a search
    // of the locale's script may follow this one of another).
    for (const QString &name : candidates) {
        if (!best || best->readers.first() != QStringList{name})
            choosing.engines.release({name});
    }
    diag(lcRecognition(), QStringLiteral("   [AutomaticLanguage] the locale's script read %1 % of %2 blocks, ranked %3 "
                                         "of %4 languages, chose %5 (%6 %) after %7 ms")
                              .arg(localeConfidence, 0, 'f', 1)
                              .arg(region.blocks.empty() ? QStringLiteral("all") : QString::number(region.blocks.size()))
                              .arg(scores.size())
                              .arg(candidates.size())
                              .arg(best ? best->readers.first().join(QLatin1Char('+')) : QStringLiteral("the locale's"))
                              .arg(bestConfidence, 0, 'f', 1)
                              .arg(clock.elapsed()));
    return best;
}

} // namespace quorvane
