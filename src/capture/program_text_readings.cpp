// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/program_text_readings.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace quorvane {

namespace {

bool isHexDigit(const QString &symbol)
{
    if (symbol.size() != 1)
        return false;
    const char16_t c = symbol[0].unicode();
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
}

// A literal's digits may be written in capitals ("0x1F"), as a hash's hardly ever are.
bool isHexDigitOfEitherCase(const QString &symbol)
{
    return isHexDigit(symbol.toLower());
}

// Whether the word's character at `i`, if there is one, is a letter or digit.
bool isAlphanumeric(const RecognizedWord &word, qsizetype i)
{
    return i >= 0 && i < word.symbols.size() && word.symbols[i].size() == 1 && word.symbols[i][0].isLetterOrNumber();
}

// The likeliest hexadecimal digit the engine weighed for the word's character at `i`. An
// "O" among hexadecimal digits, or an "@" (the dotted zero of a terminal font such as
// DejaVu Sans Mono), is a zero whatever else the engine weighed, a "¢" a "c" and a "€"
// an "e".
QString hexAlternative(const RecognizedWord &word, qsizetype i)
{
    static const QStringList zeroLike{QStringLiteral("O"), QStringLiteral("o"), QStringLiteral("@")};
    if (zeroLike.contains(word.symbols.value(i)))
        return QStringLiteral("0");
    if (word.symbols.value(i) == QStringLiteral("\u00A2"))
        return QStringLiteral("c");
    if (word.symbols.value(i) == QStringLiteral("\u20AC"))
        return QStringLiteral("e");
    for (const QString &alternative : word.alternatives.value(i)) {
        if (isHexDigit(alternative))
            return alternative;
    }
    return {};
}

// Whether the word's character at `i` is a letter or digit, the "@" the engine reads for
// the dotted zero of a terminal font or the "¢" or "€" it reads for a small "c" or "e".
bool isDigitOrLetter(const RecognizedWord &word, qsizetype i)
{
    static const QStringList readForLetters{QStringLiteral("@"), QStringLiteral("\u00A2"), QStringLiteral("\u20AC")};
    return isAlphanumeric(word, i) || (i >= 0 && i < word.symbols.size() && readForLetters.contains(word.symbols[i]));
}

// Whether the word's character at `i` joins the groups of one hexadecimal value, as the
// colons of a MAC address, the hyphens of a UUID or the dots of an address do, when
// letters or digits stand on both sides of it.
bool isInnerSeparator(const RecognizedWord &word, qsizetype i)
{
    static const QStringList separators{QStringLiteral(":"), QStringLiteral("-"), QStringLiteral(".")};
    return separators.contains(word.symbols[i]) && isDigitOrLetter(word, i - 1) && isDigitOrLetter(word, i + 1);
}

// A run of hexadecimal digits (a commit hash, an address, a colour, the groups of a MAC
// address or a UUID) is no word a dictionary could correct, and the engine, reading
// letters around its digits, takes its "1" for an "l" and its "0" for an "O". A token of
// letters and digits, its groups joined by inner separators, that is half or more
// hexadecimal digits, at least two of them decimal ones, and whose every other letter the
// engine also weighed as a hexadecimal digit, is read as hexadecimal throughout. Only
// letters are replaced: a separator or any other mark keeps its kind, whatever the engine
// weighed for it ("3.14" never becomes "3114").
void readHexadecimalRuns(RecognizedWord &word)
{
    constexpr qsizetype kShortestRun = 6;
    const auto inRun = [&](qsizetype i) { return isDigitOrLetter(word, i) || isInnerSeparator(word, i); };
    for (qsizetype start = 0; start < word.symbols.size();) {
        if (!isDigitOrLetter(word, start)) {
            ++start;
            continue;
        }
        qsizetype end = start;
        while (end < word.symbols.size() && inRun(end))
            ++end;
        qsizetype length = 0, hex = 0, decimal = 0;
        bool everyOtherHasOne = true;
        for (qsizetype i = start; i < end; ++i) {
            if (!isDigitOrLetter(word, i))
                continue;
            ++length;
            if (isHexDigit(word.symbols[i])) {
                ++hex;
                decimal += word.symbols[i][0].isDigit();
            } else {
                everyOtherHasOne = everyOtherHasOne && !hexAlternative(word, i).isEmpty();
                // A capital "O" or an "@" among small letters is a zero, as no word has one.
                decimal += word.symbols[i] == QLatin1String("O") || word.symbols[i] == QLatin1String("@");
            }
        }
        if (length >= kShortestRun && hex < length && 2 * hex >= length && decimal >= 2 && everyOtherHasOne) {
            for (qsizetype i = start; i < end; ++i) {
                if (isDigitOrLetter(word, i) && !isHexDigit(word.symbols[i]))
                    word.symbols[i] = hexAlternative(word, i);
            }
        }
        start = end;
    }
}

// "0x1f" read as "Oxif": a literal that opens with "0x" holds hexadecimal digits only (of
// either case), so its opening "O" is a zero and each letter after the "x" that is no
// hexadecimal digit is the likeliest one the engine weighed for it. Anything else after the
// "x" (a letter the engine saw no digit in) leaves the word as read.
void readHexadecimalLiterals(RecognizedWord &word)
{
    for (qsizetype i = 0; i + 2 < word.symbols.size(); ++i) {
        static const QStringList zeros{QStringLiteral("0"), QStringLiteral("O"), QStringLiteral("o"), QStringLiteral("@")};
        if (!zeros.contains(word.symbols[i]) || word.symbols[i + 1] != QLatin1String("x") || (i > 0 && isAlphanumeric(word, i - 1)))
            continue;
        qsizetype end = i + 2;
        while (end < word.symbols.size() && isDigitOrLetter(word, end))
            ++end;
        // A C literal may end in its type's suffix ("0xFFu", "0x10UL").
        qsizetype digitsEnd = end;
        static const QString suffixes = QStringLiteral("uUlL");
        while (digitsEnd > i + 3 && end - digitsEnd < 3 && suffixes.contains(word.symbols[digitsEnd - 1]))
            --digitsEnd;
        bool hex = true;
        for (qsizetype j = i + 2; j < digitsEnd; ++j)
            hex = hex && (isHexDigitOfEitherCase(word.symbols[j]) || !hexAlternative(word, j).isEmpty());
        if (!hex || digitsEnd == i + 2)
            continue;
        word.symbols[i] = QStringLiteral("0");
        for (qsizetype j = i + 2; j < digitsEnd; ++j) {
            if (!isHexDigitOfEitherCase(word.symbols[j]))
                word.symbols[j] = hexAlternative(word, j);
        }
    }
}

// "x<O", "x<@" or "!= @": an "O", "@", "©" or "®" standing alone or against an operator,
// with no letter or digit beside it, is an operand, and a lone letter O hardly ever is one; when the engine also
// weighed a zero for it, it is a zero.
void readLoneZeros(RecognizedWord &word)
{
    static const QStringList zeroLike{QStringLiteral("O"), QStringLiteral("o"), QStringLiteral("@"),
                                      QStringLiteral("\u00A9"), QStringLiteral("\u00AE")};
    for (qsizetype i = 0; i < word.symbols.size(); ++i) {
        if (!zeroLike.contains(word.symbols[i]) || !word.alternatives.value(i).contains(QStringLiteral("0")))
            continue;
        // Its neighbours in the word, if any, are operators; an option ("-O2", "-O$(LEVEL)")
        // is no operand.
        const bool option = i == 1 && word.symbols[0] == QLatin1String("-") && word.symbols[i] == QLatin1String("O");
        if (!option && !isAlphanumeric(word, i - 1) && !isAlphanumeric(word, i + 1))
            word.symbols[i] = QStringLiteral("0");
    }
}

// "eth0" read as "etho": the names of network interfaces and terminals end in their
// number, which the engine, reading letters before it, takes for a letter like it.
void readDeviceNumbers(RecognizedWord &word)
{
    static const QStringList devices{QStringLiteral("eth"), QStringLiteral("wlan"), QStringLiteral("docker"),
                                     QStringLiteral("virbr"), QStringLiteral("veth"), QStringLiteral("tun"),
                                     QStringLiteral("tty"), QStringLiteral("loop"), QStringLiteral("bond")};
    static const QHash<QString, QString> digitLike{{QStringLiteral("o"), QStringLiteral("0")},
                                                    {QStringLiteral("O"), QStringLiteral("0")},
                                                    {QStringLiteral("@"), QStringLiteral("0")},
                                                    {QStringLiteral("d"), QStringLiteral("0")},
                                                    {QStringLiteral("e"), QStringLiteral("0")},
                                                    {QStringLiteral("a"), QStringLiteral("0")},
                                                    {QStringLiteral("\u00AE"), QStringLiteral("0")},
                                                    {QStringLiteral("\u00A9"), QStringLiteral("0")},
                                                    {QStringLiteral("i"), QStringLiteral("1")},
                                                    {QStringLiteral("l"), QStringLiteral("1")},
                                                    {QStringLiteral("I"), QStringLiteral("1")}};
    for (qsizetype start = 0; start < word.symbols.size(); ++start) {
        if (isAlphanumeric(word, start - 1))
            continue;
        for (const QString &device : devices) {
            const qsizetype last = start + device.size();
            if (last >= word.symbols.size() || isAlphanumeric(word, last + 1)
                || word.symbols.mid(start, device.size()).join(QString()) != device
                || !digitLike.contains(word.symbols[last]))
                continue;
            word.symbols[last] = digitLike.value(word.symbols[last]);
        }
    }
}

} // namespace

// "1s" for "ls", "0BJ" for "OBJ": a name does not start with a digit, and a number does
// not go on in letters other than a unit's or a hexadecimal value's. A "1" or "0" that
// starts a run of letters, where the engine also weighed the letter it resembles, is that
// letter.
void readLeadingLetters(RecognizedWord &word)
{
    static const QStringList units{
        QStringLiteral("s"),  QStringLiteral("ms"), QStringLiteral("us"), QStringLiteral("ns"), QStringLiteral("m"),
        QStringLiteral("h"),  QStringLiteral("d"),  QStringLiteral("px"), QStringLiteral("em"), QStringLiteral("pt"),
        QStringLiteral("st"), QStringLiteral("nd"), QStringLiteral("rd"), QStringLiteral("th"), QStringLiteral("x"),
        QStringLiteral("min"), QStringLiteral("sec"), QStringLiteral("b"), QStringLiteral("o")};
    for (qsizetype start = 0; start + 1 < word.symbols.size(); ++start) {
        if (isAlphanumeric(word, start - 1) || !isAlphanumeric(word, start + 1))
            continue;
        const QString &first = word.symbols[start];
        static const QStringList literalPrefixes{QStringLiteral("x"), QStringLiteral("b"), QStringLiteral("o")};
        if ((first != QLatin1String("1") && first != QLatin1String("0"))
            || (first == QLatin1String("0") && literalPrefixes.contains(word.symbols[start + 1])))
            continue;
        qsizetype end = start + 1;
        bool hex = true;
        while (end < word.symbols.size() && (isAlphanumeric(word, end) || word.symbols[end] == QLatin1String("_"))) {
            hex = hex && isHexDigitOfEitherCase(word.symbols[end]);
            ++end;
        }
        const QString rest = word.symbols.mid(start + 1, end - start - 1).join(QString());
        if (!word.symbols[start + 1][0].isLetter() || hex || units.contains(rest.toLower()))
            continue;
        const bool capitals = rest.left(1) == rest.left(1).toUpper();
        const QString letter = first == QLatin1String("0") ? QStringLiteral("O")
                                                           : (capitals ? QStringLiteral("I") : QStringLiteral("l"));
        if (word.alternatives.value(start).contains(letter))
            word.symbols[start] = letter;
    }
}

// "lib@" or "libO" for "lib0", "i += l" for "i += 1": the "@" a terminal font's dotted
// zero is read as ends no name, nor does a capital "O" after a small letter (a camel-case
// word of one letter), and a name of the one letter "l" hardly occurs, while "1" stands
// alone in every other line of a program (an option "-l" is no name).
void readNameEndsAndOnes(RecognizedWord &word)
{
    for (qsizetype i = 0; i < word.symbols.size(); ++i) {
        const bool endsName = isAlphanumeric(word, i - 1) && !isAlphanumeric(word, i + 1);
        if (endsName && word.symbols[i] == QLatin1String("@") && word.symbols.value(i + 1) != QLatin1String("@"))
            word.symbols[i] = QStringLiteral("0");
        else if (endsName && word.symbols[i] == QLatin1String("O") && word.symbols[i - 1][0].isLower())
            word.symbols[i] = QStringLiteral("0");
        else if (word.symbols[i] == QLatin1String("l") && !isAlphanumeric(word, i - 1) && !isAlphanumeric(word, i + 1)
                 && word.symbols.value(i - 1) != QLatin1String("-") && word.alternatives.value(i).contains(QStringLiteral("1")))
            word.symbols[i] = QStringLiteral("1");
    }
}

// "arge" for "argc", "Len" for "len", "tt1" for "ttl": the words programs are written
// with, read with a letter the engine confuses with the one they have ("c" and "e"; "l"
// and "L", "1" or "I") where it also weighed that one, are those words.
void readKeywords(RecognizedWord &word)
{
    static const QStringList keywords{
        QStringLiteral("argc"),   QStringLiteral("const"),   QStringLiteral("struct"),  QStringLiteral("static"),
        QStringLiteral("extern"), QStringLiteral("char"),    QStringLiteral("case"),    QStringLiteral("else"),
        QStringLiteral("elif"),   QStringLiteral("except"),  QStringLiteral("continue"), QStringLiteral("echo"),
        QStringLiteral("exec"),   QStringLiteral("malloc"),  QStringLiteral("calloc"),  QStringLiteral("realloc"),
        QStringLiteral("select"), QStringLiteral("delete"),  QStringLiteral("create"),  QStringLiteral("source"),
        QStringLiteral("len"),    QStringLiteral("limit"),   QStringLiteral("local"),   QStringLiteral("let"),
        QStringLiteral("lambda"), QStringLiteral("loop"),    QStringLiteral("lib"),     QStringLiteral("ttl"),
        QStringLiteral("url"),    QStringLiteral("sql"),     QStringLiteral("html"),    QStringLiteral("xml"),
        QStringLiteral("yaml"),   QStringLiteral("toml"),    QStringLiteral("nil"),     QStringLiteral("null"),
        QStringLiteral("eval"),   QStringLiteral("self"),    QStringLiteral("util"),    QStringLiteral("utils")};
    // A capital "L" starts words of prose and headings ("Local Address") too: it is taken
    // for an "l" only where a program's word stands, in a call or a path.
    const auto programWord = [&](qsizetype start, qsizetype end) {
        return word.symbols.value(end) == QLatin1String("(") || word.symbols.value(start - 1) == QLatin1String("/");
    };
    const auto confused = [](QChar read, QChar meant, bool inProgram) {
        return (read == u'e' && meant == u'c') || (read == u'c' && meant == u'e')
               || ((read == u'1' || read == u'I') && meant == u'l') || (inProgram && read == u'L' && meant == u'l');
    };
    for (qsizetype start = 0; start < word.symbols.size(); ++start) {
        if (!isAlphanumeric(word, start) || isAlphanumeric(word, start - 1))
            continue;
        qsizetype end = start;
        while (isAlphanumeric(word, end))
            ++end;
        const QString name = word.symbols.mid(start, end - start).join(QString());
        const bool inProgram = programWord(start, end);
        for (const QString &keyword : keywords) {
            if (keyword.size() != name.size() || keyword == name)
                continue;
            bool fits = true;
            for (qsizetype i = 0; i < name.size() && fits; ++i) {
                fits = name[i] == keyword[i]
                       || (confused(name[i], keyword[i], inProgram) && word.alternatives.value(start + i).contains(QString(keyword[i])));
            }
            if (!fits)
                continue;
            for (qsizetype i = 0; i < name.size(); ++i)
                word.symbols[start + i] = keyword[i];
            break;
        }
    }
}

// "Gitem" for "&item": an "&" before a name, where the engine weighed it for the "G" it
// read, takes the name's address.
void readAmpersands(RecognizedWord &word)
{
    for (qsizetype i = 0; i + 1 < word.symbols.size(); ++i) {
        const bool opens = i == 0 || word.symbols[i - 1] == QLatin1String("(");
        if (opens && word.symbols[i] == QLatin1String("G") && word.symbols[i + 1].size() == 1
            && word.symbols[i + 1][0].isLower() && word.alternatives.value(i).contains(QStringLiteral("&")))
            word.symbols[i] = QStringLiteral("&");
    }
}

void readProgramWord(RecognizedWord &word)
{
    readHexadecimalRuns(word);
    readHexadecimalLiterals(word);
    readLoneZeros(word);
    readDeviceNumbers(word);
    readLeadingLetters(word);
    readNameEndsAndOnes(word);
    readKeywords(word);
    readAmpersands(word);
}

// A line of one to three characters after an unclosed "{" most often closes it ("}",
// "};", "},"), and the engine reads such a lone brace, without a word around it, as a
// "t", "y" or "3". When the engine also weighed "}" for its first character, that is what
// it is, and an "i", "j" or ":" after the brace is the ";" that ends the statement.
void readClosingLine(RecognizedLine &line, qsizetype openBraces)
{
    qsizetype count = 0;
    for (const RecognizedWord &word : line.words)
        count += word.symbols.size();
    if (openBraces < 1 || count < 1 || count > 3)
        return;
    RecognizedWord &first = line.words.first();
    if (first.symbols.first() != QLatin1String("}") && !first.alternatives.value(0).contains(QStringLiteral("}")))
        return;
    first.symbols.first() = QStringLiteral("}");
    static const QStringList semicolonLike{QStringLiteral("i"), QStringLiteral("j"), QStringLiteral(":")};
    for (RecognizedWord &word : line.words) {
        for (QString &symbol : word.symbols) {
            if (&symbol != &first.symbols.first() && semicolonLike.contains(symbol))
                symbol = QStringLiteral(";");
        }
    }
}

// The characters the engine confuses in names, each with the one that stands for its kind.
// A capital "L" is no such character: its foot sets it apart in every font, and "List"
// and "list" are two names.
QChar confusedKind(QChar c)
{
    switch (c.unicode()) {
    case u'1': case u'l': case u'I': return u'l';
    case u'0': case u'O': case u'o': return u'o';
    case u'c': case u'e': return u'c';
    default: return c;
    }
}

QString withNamesAsElsewhere(const QString &text)
{
    static const QRegularExpression names(QStringLiteral("[A-Za-z0-9_]+"));
    struct Occurrence {
        qsizetype start;
        QString name;
    };
    QHash<QString, QList<Occurrence>> occurrencesOfKind;
    for (auto it = names.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString name = match.captured();
        QString kind;
        // Only a name held in place by a character the engine does not confuse ("crc",
        // "lib0"), so that "lo" and "10" stay apart.
        bool anchored = false, letter = false;
        for (QChar c : name) {
            kind += confusedKind(c);
            const bool confused = confusedKind(c) != c || c == u'l' || c == u'o' || c == u'c';
            anchored = anchored || (!confused && c != u'_');
            letter = letter || c.isLetter();
        }
        if (anchored && letter && name.size() >= 3)
            occurrencesOfKind[kind].append({match.capturedStart(), name});
    }
    // Character by character, so that three readings "crc_ll", "erc_l1" and "cre_l1" agree
    // on "crc_l1"; where no character is the most frequent, each keeps its own.
    QString result = text;
    for (const QList<Occurrence> &occurrences : std::as_const(occurrencesOfKind)) {
        if (occurrences.size() < 2)
            continue;
        const qsizetype length = occurrences.first().name.size();
        for (qsizetype i = 0; i < length; ++i) {
            QHash<QChar, int> counts;
            for (const Occurrence &occurrence : occurrences)
                ++counts[occurrence.name[i]];
            QChar best;
            int most = 0;
            bool tie = false;
            for (auto count = counts.begin(); count != counts.end(); ++count) {
                if (count.value() > most) {
                    best = count.key();
                    most = count.value();
                    tie = false;
                } else if (count.value() == most) {
                    tie = true;
                }
            }
            if (tie)
                continue;
            for (const Occurrence &occurrence : occurrences)
                result[occurrence.start + i] = best;
        }
    }
    return result;
}

QString withVariablesAsElsewhere(QString text)
{
    static const QRegularExpression dollarRead(QStringLiteral("(?<![A-Za-z0-9_$])S([A-Z_][A-Z0-9_]+)\\b"));
    static const QRegularExpression names(QStringLiteral("[A-Za-z0-9_]+"));
    QSet<QString> bareNames;
    for (auto it = names.globalMatch(text); it.hasNext();)
        bareNames.insert(it.next().captured());
    QList<qsizetype> dollars;
    for (auto it = dollarRead.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (bareNames.contains(match.captured(1)))
            dollars.append(match.capturedStart());
    }
    for (qsizetype at : std::as_const(dollars))
        text[at] = u'$';
    return text;
}

namespace {

// The digit the engine reads the letter `c` for where only digits stand: "0" for "O", "o"
// and "@", "1" for "l", "I" and "i"; any other character as it is.
QChar digitLookingLike(QChar c)
{
    if (c == u'O' || c == u'o' || c == u'@')
        return u'0';
    if (c == u'l' || c == u'I' || c == u'i')
        return u'1';
    return c;
}

} // namespace

QString withDiskNumbers(QString text)
{
    static const QRegularExpression disks(
        QStringLiteral("\\b(?:nvme([0-9OoIli@]+)n([0-9OoIli@]+)|mmcblk([0-9OoIli@]+))(?:p([0-9OoIli@]+))?\\b"));
    for (auto it = disks.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        for (int group = 1; group <= 4; ++group) {
            for (qsizetype at = match.capturedStart(group); at >= 0 && at < match.capturedEnd(group); ++at)
                text[at] = digitLookingLike(text[at]);
        }
    }
    return text;
}

QString withTimestampLetters(QString text)
{
    // A date and a time of day joined by a "7" where the "T" stands, and a "2" after the
    // seconds (or their fraction) where the "Z" stands, which a time has no room for.
    static const QRegularExpression stamp(
        QStringLiteral("(?<![0-9])\\d{4}-\\d\\d-\\d\\d([7T])\\d\\d:\\d\\d(?::\\d\\d(?:[.,]\\d+)?)?(2)?(?![0-9])"));
    for (auto it = stamp.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        text[match.capturedStart(1)] = u'T';
        if (match.capturedStart(2) >= 0)
            text[match.capturedStart(2)] = u'Z';
    }
    return text;
}

QString withUuidDigits(QString text)
{
    // Hexadecimal digits and what the engine reads for them, in the groups of a UUID.
    static const QString group = QStringLiteral("[0-9a-fA-FOo@lIi]");
    static const QRegularExpression uuid(
        QStringLiteral("(?<![0-9A-Za-z@])%1{8}-%1{4}-%1{4}-%1{4}-%1{12}(?![0-9A-Za-z])").arg(group));
    for (auto it = uuid.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString found = match.captured();
        const qsizetype small = std::count_if(found.begin(), found.end(), [](QChar c) { return c >= u'a' && c <= u'f'; });
        const qsizetype capital = std::count_if(found.begin(), found.end(), [](QChar c) { return c >= u'A' && c <= u'F'; });
        for (qsizetype i = 0; i < found.size(); ++i) {
            const QChar c = found[i];
            QChar digit = digitLookingLike(c);
            if (capital < small && c >= u'A' && c <= u'F')
                digit = c.toLower();
            else if (small < capital && c >= u'a' && c <= u'f')
                digit = c.toUpper();
            text[match.capturedStart() + i] = digit;
        }
    }
    return text;
}

QString withOnesAfterOperators(QString text)
{
    static const QRegularExpression loneL(QStringLiteral("(?:[-+*/%<>!=]=|[-+*/%<>=])\\s+(l)(?=\\s*(?:$|[;,)\\]]))"),
                                          QRegularExpression::MultilineOption);
    for (auto it = loneL.globalMatch(text); it.hasNext();)
        text[it.next().capturedStart(1)] = u'1';
    return text;
}

QString withFractionZeros(QString text)
{
    static const QRegularExpression fraction(
        QStringLiteral("(?<![A-Za-z0-9_.])\\d+[.,](O)(?=[0-9KMGTPEB]?(?![A-Za-z0-9_]))"));
    for (auto it = fraction.globalMatch(text); it.hasNext();)
        text[it.next().capturedStart(1)] = u'0';
    return text;
}

QString withProgramTextReadings(const QString &text)
{
    return withFractionZeros(withOnesAfterOperators(
        withUuidDigits(withTimestampLetters(withDiskNumbers(withVariablesAsElsewhere(withNamesAsElsewhere(text)))))));
}

qsizetype unclosedBraces(const QStringList &lines)
{
    qsizetype open = 0;
    for (const QString &line : lines)
        open += line.count(QLatin1Char('{')) - line.count(QLatin1Char('}'));
    return open;
}

// A line that holds straight quotes beside typographic ones of the same kind shows program
// text whose straight quotes the engine took for typographic ones: they are all straight.
// A line of typographic quotes only (a compiler's message) keeps them.
QString withStraightQuotes(QString line)
{
    static const QRegularExpression curlyDouble(QStringLiteral("[\u201C\u201D\u201E]"));
    static const QRegularExpression curlySingle(QStringLiteral("[\u2018\u2019\u201A]"));
    if (line.contains(QLatin1Char('"')))
        line.replace(curlyDouble, QStringLiteral("\""));
    if (line.contains(QLatin1Char('\'')))
        line.replace(curlySingle, QStringLiteral("'"));
    return line;
}


} // namespace quorvane
