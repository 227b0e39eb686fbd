// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/automatic_language.h"
#include "capture/language_guess.h"
#include "capture/recognition_image.h"
#include "support/test_fonts.h"

#include <QDir>
#include <QPainter>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <thread>

using namespace quorvane;

namespace {

struct Theme {
    QColor background;
    QColor text;
};
const Theme kLight{QColor("#ffffff"), QColor("#1d1d1f")};
const Theme kDark{QColor("#1e1e1e"), QColor("#d4d4d4")};

QImage renderLines(const QStringList &lines, const Theme &theme = kLight, int pixelSize = 14,
                   const QString &fontFile = QStringLiteral("DejaVuSans.ttf"))
{
    const QFont font = test::dejaVuFont(fontFile, pixelSize);
    const QFontMetrics metrics(font);
    int width = 0;
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const int lineHeight = qRound(metrics.height() * 1.3);
    QImage image(width + 24, 24 + lineHeight * int(lines.size()), QImage::Format_RGB32);
    image.fill(theme.background);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(theme.text);
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QRect(12, 12 + i * lineHeight, width, lineHeight), Qt::AlignVCenter | Qt::AlignLeft, lines[i]);
    return image;
}

// Engines loaded on first use, counting how often each is asked for.
struct Engines : AutomaticLanguage::Engines {
    std::map<QStringList, std::unique_ptr<TesseractEngine>> loaded;
    std::map<QStringList, int> uses;
    std::map<QStringList, std::unique_ptr<TesseractEngine>> twins;  // load at once here
    int twinsAskedFor = 0;
    std::set<QStringList> held;  // asked for and not released since
    size_t mostHeld = 0;

    static TesseractEngine &loadedIn(std::map<QStringList, std::unique_ptr<TesseractEngine>> &engines, const QStringList &names)
    {
        auto &engine = engines[names];
        if (!engine)
            engine = std::make_unique<TesseractEngine>("/usr/share/tesseract-ocr/5/tessdata", names, true);
        return *engine;
    }
    TesseractEngine &engine(const QStringList &names) override
    {
        ++uses[names];
        held.insert(names);
        mostHeld = std::max(mostHeld, held.size());
        return loadedIn(loaded, names);
    }
    void load(const QList<QStringList> &) override {}
    void release(const QStringList &names) override { held.erase(names); }
    void releaseTwins() override {}
    TesseractEngine *twin(const QStringList &names) override
    {
        ++twinsAskedFor;
        return &loadedIn(twins, names);
    }
};

AutomaticLanguage::Reading readAutomatically(const QImage &image, const QStringList &installed, Engines &engines,
                                             AutomaticLanguage::Tally *tally = nullptr)
{
    const RecognitionImage prepared(image);
    const AutomaticLanguage automatic({"eng"}, installed);
    AutomaticLanguage::Reading reading = automatic.read(prepared.pixels(), prepared.resolution(),
                                                        TesseractEngine::Layout::automatic,
                                                        AutomaticLanguage::Choice::language, engines);
    if (tally)
        *tally = automatic.tally();
    return reading;
}

QString textOf(const AutomaticLanguage::Reading &reading)
{
    QStringList texts;
    for (const RecognizedLine &line : reading.lines)
        texts.append(line.text);
    return texts.join('\n');
}

const QStringList kLatin{"eng", "spa", "fra", "deu", "ita", "por", "nld", "dan", "nor", "swe",
                         "pol", "ces", "tur", "ron", "ind", "msa", "vie"};

} // namespace

TEST(AutomaticLanguage, NeighboursOfAnotherScriptDoNotReadWhatTheBestReadsSurely)
{
    // Russian and Ukrainian rank near each other on a piece of a Russian line; Russian
    // reads the line surely, so Ukrainian need not read it whole as well.
    const QString russian = QStringLiteral("Ваши изменения сохранены в общей папке.");
    Engines engines;
    const AutomaticLanguage::Reading reading = readAutomatically(renderLines({russian}), {"eng", "rus", "ukr"}, engines);
    ASSERT_EQ(reading.lines.size(), 1);
    EXPECT_EQ(reading.lines.first().text.toStdString(), russian.toStdString());
    EXPECT_EQ(reading.readers, QList<QStringList>{{"rus"}});
    // Once each for the ranking; Russian once more for the whole reading.
    EXPECT_EQ(engines.uses[QStringList{"ukr"}], 1);
    EXPECT_EQ(engines.uses[QStringList{"rus"}], 2);
}

TEST(AutomaticLanguage, AnotherScriptThatRanksNearTheBestReadsWholeToo)
{
    // The Thai engine reads pieces of Cyrillic lines about as confidently as the Cyrillic
    // languages do. On the first sample it ranks first; on the second Russian does, but
    // Thai reads the whole text more confidently than Russian, and only Ukrainian reads it
    // better than both.
    const QString saved = QStringLiteral("Ваші зміни збережено в спільній теці.");
    const QString install = QStringLiteral("Натисніть «Продовжити», щоб встановити оновлення.");
    const QString offline = QStringLiteral("Не вдалося під'єднатися; перевірте налаштування мережі.");
    const struct {
        QStringList lines;
        Theme theme;
        int pixelSize;
    } samples[] = {{{saved, install}, kLight, 15}, {{offline, saved}, kDark, 11}};
    for (const auto &sample : samples) {
        Engines engines;
        const AutomaticLanguage::Reading reading =
            readAutomatically(renderLines(sample.lines, sample.theme, sample.pixelSize), {"eng", "rus", "ukr", "tha"}, engines);
        QStringList texts;
        for (const RecognizedLine &line : reading.lines)
            texts.append(line.text);
        EXPECT_EQ(texts.join('\n').toStdString(), sample.lines.join('\n').toStdString());
        EXPECT_EQ(reading.readers, QList<QStringList>{{"ukr"}});
    }
}

TEST(AutomaticLanguage, LanguagesWithLettersTheLocaleLacksReadRightThoughTheyRankLow)
{
    // On the few words the English reading was least sure of, these rank only sixth or
    // seventh among the Latin languages; read whole, they read best.
    const QStringList latin{"eng", "spa", "fra", "deu", "ita", "por", "nld", "dan", "nor", "swe",
                            "pol", "ces", "tur", "ron", "ind", "msa", "vie"};
    const struct {
        QStringList lines;
        Theme theme;
        int pixelSize;
        QString language;
    } samples[] = {
        {{QStringLiteral("Bağlantı kurulamıyor; ağ ayarlarınızı kontrol edin."),
          QStringLiteral("Değişiklikleriniz paylaşılan klasöre kaydedildi.")}, kLight, 16, "tur"},
        {{QStringLiteral("Không thể kết nối; hãy kiểm tra cài đặt mạng của bạn."),
          QStringLiteral("Các thay đổi của bạn đã được lưu vào thư mục dùng chung.")}, kDark, 13, "vie"},
    };
    Engines engines;
    for (const auto &sample : samples) {
        const AutomaticLanguage::Reading reading =
            readAutomatically(renderLines(sample.lines, sample.theme, sample.pixelSize), latin, engines);
        QStringList texts;
        for (const RecognizedLine &line : reading.lines)
            texts.append(line.text);
        EXPECT_EQ(texts.join('\n').toStdString(), sample.lines.join('\n').toStdString());
        EXPECT_EQ(reading.readers, QList<QStringList>{{sample.language}});
    }
}

TEST(AutomaticLanguage, TextInOneColumnReadsInTwoHalvesSideBySide)
{
    const QStringList russian{QStringLiteral("Привет, как дела?"), QStringLiteral("Ваши изменения сохранены в общей папке."),
                              QStringLiteral("Не удалось подключиться; проверьте настройки сети.")};
    Engines engines;
    const AutomaticLanguage::Reading reading = readAutomatically(renderLines(russian), {"eng", "rus", "ukr"}, engines);
    EXPECT_EQ(reading.readers, QList<QStringList>{{"rus"}});
    EXPECT_EQ(engines.twins.count({"rus"}), 1u);
    // The lower half's lines come after the upper's, in the image's pixels and blocks of
    // their own.
    ASSERT_EQ(reading.lines.size(), 3);
    for (qsizetype i = 0; i < 3; ++i) {
        EXPECT_EQ(reading.lines[i].text.toStdString(), russian[i].toStdString());
        if (i > 0) {
            EXPECT_GT(reading.lines[i].box.top(), reading.lines[i - 1].box.bottom());
            EXPECT_GE(reading.lines[i].block, reading.lines[i - 1].block);
        }
    }
    EXPECT_GT(reading.lines[2].block, reading.lines[0].block);
}

TEST(AutomaticLanguage, LinesSideBySideReadWhole)
{
    // Two columns whose lines are not level with one another: parted across both, the
    // text would come back in another order than the engine reads it whole.
    const QImage left = renderLines({QStringLiteral("Ваши изменения"), QStringLiteral("сохранены в папке."), QStringLiteral("Привет, как дела?")});
    const QImage right = renderLines({QStringLiteral("Не удалось"), QStringLiteral("подключиться к сети."), QStringLiteral("Проверьте настройки.")});
    QImage image(left.width() + right.width() + 200, left.height() + 12, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawImage(0, 0, left);
    painter.drawImage(left.width() + 200, 12, right);
    painter.end();

    Engines engines;
    const AutomaticLanguage::Reading reading = readAutomatically(image, {"eng", "rus"}, engines);
    EXPECT_EQ(engines.twinsAskedFor, 0);
    const RecognitionImage prepared(image);
    const QList<RecognizedLine> whole =
        engines.engine({"rus"}).recognize(prepared.pixels(), prepared.resolution(), TesseractEngine::Layout::automatic);
    QStringList texts;
    for (const RecognizedLine &line : reading.lines)
        texts.append(line.text);
    QStringList wholeTexts;
    for (const RecognizedLine &line : whole)
        wholeTexts.append(line.text);
    EXPECT_EQ(texts.join('\n').toStdString(), wholeTexts.join('\n').toStdString());
}

TEST(AutomaticLanguage, TextInTheLocalesScriptLoadsNoEngineOfAnotherScript)
{
    // Loading the engines of other scripts for every capture of English text would cost
    // more than the reading.
    const QString english = QStringLiteral("Your changes have been saved to the shared folder.");
    Engines engines;
    const AutomaticLanguage::Reading reading = readAutomatically(renderLines({english}), {"eng", "deu", "rus", "ara"}, engines);
    ASSERT_EQ(reading.lines.size(), 1);
    EXPECT_EQ(reading.lines.first().text.toStdString(), english.toStdString());
    EXPECT_EQ(engines.loaded.count({"rus"}), 0u);
    EXPECT_EQ(engines.loaded.count({"ara"}), 0u);
}


TEST(AutomaticLanguage, SmallInterfaceTextInTheLocalesLanguageIsReadWithoutTheSearch)
{
    // At 10 px the engine reads these right but less than surely (92-94): a few narrow
    // words score lower. Every word is in the locale's word list, so no other language of
    // its script reads them.
    const struct {
        QStringList lines;
        Theme theme;
    } samples[] = {
        {{"New Window", "Open File...", "Save As...", "Print...", "Close", "Quit"}, kDark},
        {{"Show hidden files"}, kLight},
    };
    for (const auto &sample : samples) {
        Engines engines;
        const AutomaticLanguage::Reading reading =
            readAutomatically(renderLines(sample.lines, sample.theme, 10), {"eng", "deu", "fra", "rus"}, engines);
        QStringList texts;
        for (const RecognizedLine &line : reading.lines)
            texts.append(line.text);
        EXPECT_EQ(texts.join('\n').toStdString(), sample.lines.join('\n').toStdString());
        EXPECT_LT(AutomaticLanguage::meanConfidence(reading.lines), 94);
        EXPECT_EQ(reading.readers, QList<QStringList>{{"eng"}});
        EXPECT_EQ(engines.uses.count({"fra"}), 0u);
        EXPECT_EQ(engines.loaded.count({"rus"}), 0u);
    }
}

TEST(AutomaticLanguage, OnlyWordsCountTowardsTheLanguage)
{
    for (const char *word : {"access", "Error:", "\"denied\"", "(while", "don't", "Jean-Pierre", "DONE", "Größe",
                             "l'écriture", "Ваши"})
        EXPECT_TRUE(AutomaticLanguage::isWord(QString::fromUtf8(word))) << word;
    for (const char *token : {"0x80070005", "/var/lib/cache.db", "https://example.com", "jane@example.com",
                              "cache.db", "merge_sorted", "camelCase", "os.path", "--force", "-rw-r--r--", "GiB",
                              "MHz", "9f3c2e1", "468G", "is", "a", "re-re-run", "-dash", "42"})
        EXPECT_FALSE(AutomaticLanguage::isWord(QString::fromUtf8(token))) << token;
}

TEST(LanguageGuess, NamesTheLanguageMostWordsAreSurelyInAndNoneOnFewWords)
{
    const LanguageGuess guess(QStringLiteral("eng"));
    const auto of = [&](const QStringList &words) { return guess.of(words).toStdString(); };
    const auto words = [](const char *text) { return QString::fromUtf8(text).split(QLatin1Char(' ')); };
    // Read by the English engine, French comes without its accents and is French still.
    EXPECT_EQ(of(words("Impossible d'ouvrir le fichier rapport est verrouille par un autre utilisateur")), "fra");
    EXPECT_EQ(of(words("Vos modifications ont ete enregistrees dans le dossier partage")), "fra");
    EXPECT_EQ(of(words("The operation could not be completed try again later")), "eng");
    // A guess resting on one word is none ("nas" is Portuguese, host names are no words);
    // too few different words and a language the program does not recognise tell nothing.
    EXPECT_NE(of(words("localhost loopback nas")), "por");
    EXPECT_EQ(LanguageGuess(QString()).of(words("localhost loopback nas")).toStdString(), "");
    EXPECT_EQ(of(words("localhost localhost localhost loopback")), "");
    EXPECT_EQ(of(words("habari yako rafiki yangu karibu nyumbani asante sana")), "");
    EXPECT_EQ(of({}), "");
}

TEST(AutomaticLanguage, TechnicalTextInTheLocalesLanguageIsReadWithoutTheSearch)
{
    const QStringList settings{"DATABASE_URL=postgres://app:secret@db:5432/app_prod", "REDIS_URL=redis://cache:6379/0",
                                "LOG_LEVEL=info", "MAX_UPLOAD_MB=25", "FEATURE_FLAGS=search_v2,dark_mode"};
    // Paths, codes, hashes and identifiers are in no word list; the words around them are
    // the locale's, and so is the text.
    const struct {
        QStringList lines;
        const char *font;
        Theme theme;
        int pixelSize;
    } samples[] = {
        {{"Error 0x80070005: access denied while writing to /var/lib/service/cache.db",
          "The operation could not be completed. Try again later."}, "DejaVuSans.ttf", kLight, 13},
        {{"commit 9f3c2e1b7a40d2c5e8f61a93b0d47c2e5a1f8b36", "Author: Jane Doe <jane@example.com>",
          "Date:   Tue Nov 24 09:41:07 2026 +0100", "    Fix race in cache eviction under load"},
         "DejaVuSansMono.ttf", kDark, 13},
        {{"def merge_sorted(left, right):", "    result = []", "    while i < len(left) and j < len(right):",
          "        if left[i] <= right[j]:", "            result.append(left[i])", "    return result"},
         "DejaVuSansMono.ttf", kLight, 14},
        // Nearly as many identifiers' parts ("ssize" of ssize_t) as other tokens.
        {{"static int read_all(int fd, char *buf, size_t len)", "{", "    ssize_t n;",
          "    while (len > 0 && (n = read(fd, buf, len)) > 0) {", "        buf += n;", "        len -= (size_t)n;",
          "    }", "    return n < 0 ? -1 : 0;", "}"},
         "DejaVuSansMono.ttf", kDark, 16},
        // Split at their underscores, settings read poorly, their long words known; or with
        // no words at all, a token split in two at next to nothing.
        {settings, "DejaVuSansMono.ttf", kLight, 15},
        {settings, "DejaVuSansMono.ttf", kDark, 21},
        // A command's name, in no word list, said three times.
        {{"Run `kubectl rollout restart deploy/api -n staging` and then check `kubectl get pods -w`.",
          "If it still fails, paste the output of `kubectl describe pod api-7d9c6b5f4-x2kqp`."},
         "DejaVuSans.ttf", kLight, 14},
        // Few words, most in no word list, and nothing that shows another language.
        {{"app/models/invoice.rb:37:in `total': undefined method `sum' for nil (NoMethodError)",
          "    from app/jobs/billing_job.rb:12:in `perform'", "    from bin/rails:4:in `<main>'"},
         "DejaVuSansMono.ttf", kLight, 13},
        // Names of programs and services, capitalised, in no word list.
        {{"Thunderbird 128.5.1esr fixes a crash when opening OpenPGP-signed mail from Gmail or Fastmail.",
          "Flatpak users get the update from Flathub within a day."},
         "DejaVuSans.ttf", kDark, 13},
    };
    for (const auto &sample : samples) {
        SCOPED_TRACE(sample.lines.first().toStdString());
        Engines engines;
        AutomaticLanguage::Tally tally;
        const AutomaticLanguage::Reading reading = readAutomatically(
            renderLines(sample.lines, sample.theme, sample.pixelSize, sample.font), kLatin, engines, &tally);
        EXPECT_EQ(tally.searches, 0u);
        EXPECT_EQ(reading.readers, QList<QStringList>{{"eng"}});
        EXPECT_EQ(engines.uses.count({"fra"}), 0u);
    }
}

TEST(AutomaticLanguage, FrenchTextGoesThroughTheSearchHoldingFewEnginesAtOnce)
{
    const AutomaticLanguage automatic({"eng"}, kLatin);
    Engines engines;
    const auto read = [&](const QStringList &lines) {
        const RecognitionImage prepared(renderLines(lines, kLight, 14));
        const AutomaticLanguage::Reading reading = automatic.read(
            prepared.pixels(), prepared.resolution(), TesseractEngine::Layout::automatic,
            AutomaticLanguage::Choice::language, engines);
        EXPECT_EQ(textOf(reading).toStdString(), lines.join('\n').toStdString());
        return reading.readers;
    };
    EXPECT_EQ(read({QStringLiteral("Cliquez sur Continuer pour installer la mise à jour."),
                    QStringLiteral("Impossible de se connecter : vérifiez les paramètres réseau.")}),
              QList<QStringList>{{"fra"}});
    EXPECT_EQ(automatic.tally().searches, 1u);
    // Of the sixteen candidates, a few at a time besides the locale's and the probe's.
    EXPECT_GE(engines.loaded.size(), 16u);
    EXPECT_LE(engines.mostHeld, 7u);

    // French again is read by the language chosen last, without loading the others again;
    // Italian next is not, and goes through the search.
    const std::map<QStringList, int> usesBefore = engines.uses;
    EXPECT_EQ(read({QStringLiteral("Vos modifications ont été enregistrées dans le dossier partagé.")}),
              QList<QStringList>{{"fra"}});
    EXPECT_EQ(automatic.tally().searches, 1u);
    for (const auto &[names, uses] : engines.uses) {
        if (names != QStringList{"eng"} && names != QStringList{"spa"} && names != QStringList{"fra"}) {
            EXPECT_EQ(uses, usesBefore.at(names)) << names.join('+').toStdString();
        }
    }
    EXPECT_EQ(read({QStringLiteral("Le modifiche sono state salvate nella cartella condivisa.")}),
              QList<QStringList>{{"ita"}});
    EXPECT_EQ(automatic.tally().searches, 2u);

    // Beside a code and a path, which no language's words tell anything of, the words are
    // French still.
    EXPECT_EQ(read({QStringLiteral("Erreur 0x80070005 : impossible d'écrire dans /var/lib/service/cache.db,"),
                    QStringLiteral("l'accès est refusé. Réessayez plus tard.")}),
              QList<QStringList>{{"fra"}});
    EXPECT_EQ(automatic.tally().searches, 3u);
}

TEST(TesseractEngine, ReadsOnTheCallingThreadAloneAndTellsItsProgress)
{
    // Tesseract splits each step of its networks over OpenMP threads, which mostly wait on
    // one another and, beside a second reading (the probe for another script), take its
    // cores. A reading past half its lines is not probed.
    const RecognitionImage prepared(renderLines({QStringLiteral("Your changes have been saved."),
                                                 QStringLiteral("Open the shared folder")}));
    TesseractEngine engine("/usr/share/tesseract-ocr/5/tessdata", {"eng"}, true);
    const auto threads = [] { return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(); };
    qsizetype threadsBefore = 0;
    qsizetype threadsAfter = 0;
    QList<RecognizedLine> lines;
    std::atomic_int progress = -1;
    std::thread([&] {
        threadsBefore = threads();
        lines = engine.recognize(prepared.pixels(), prepared.resolution(), TesseractEngine::Layout::automatic,
                                 nullptr, &progress);
        threadsAfter = threads();
    }).join();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_LE(threadsAfter, threadsBefore);
    EXPECT_EQ(progress, 100);
}
