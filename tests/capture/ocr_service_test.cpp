// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scoped_interface_language.h"
#include "support/scoped_translation.h"
#include "capture/ocr_error.h"
#include "capture/ocr_service.h"
#include "support/event_loop.h"
#include "support/test_fonts.h"
#include "x_display_test_tools.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace quorvane;

namespace {

struct Theme {
    QColor text;
    QColor background;
};
const Theme kLight{QColor("#1d1d1f"), QColor("#ffffff")};
const Theme kDark{QColor("#d4d4d4"), QColor("#1e1e1e")};
// Editor themes of low contrast.
const Theme kSolarizedLight{QColor("#657b83"), QColor("#fdf6e3")};
const Theme kSolarizedDark{QColor("#839496"), QColor("#002b36")};

// Text as a screen shows it at 1x: anti-aliased, one line per entry, 12 px margins.
QImage renderText(const QStringList &lines, const QFont &font, const Theme &theme, int minimumWidth = 0)
{
    const QFontMetrics metrics(font);
    int width = minimumWidth;
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line) + 24);
    const int lineHeight = qRound(metrics.height() * 1.3);
    QImage image(width, 24 + lineHeight * int(lines.size()), QImage::Format_RGB32);
    image.fill(theme.background);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(theme.text);
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(12, 12 + i * lineHeight + metrics.ascent(), lines[i]);
    return image;
}

QImage renderText(const QStringList &lines, const QString &family, int pixelSize, const Theme &theme,
                  int minimumWidth = 0)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    return renderText(lines, font, theme, minimumWidth);
}

QImage blank(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

OCRError errorOf(QFuture<QString> future)
{
    try {
        future.result();
    } catch (const OCRError &error) {
        return error;
    }
    ADD_FAILURE() << "no OCRError was thrown";
    return OCRError(OCRErrorKind::ocrFailed, "none");
}

const TextProcessingSettings kDefaults;

// One warm service for the whole suite: loading the models is the slow part. These tests
// check what is read, not how soon: the time a reading is allowed is out of their reach
// (OCRServiceLimit checks it), as an automatic-language search under the sanitizers on a
// busy machine can outlast the default.
class OCRServiceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        service = std::make_unique<OCRService>(OCRService::defaultDataPath(), QLocale("en_US"), std::chrono::minutes(10),
                                               std::chrono::minutes(10));
    }
    static void TearDownTestSuite() { service.reset(); }

    static QString recognize(const QImage &image, CaptureMode mode = CaptureMode::normal,
                             const std::optional<QStringList> &languages = std::nullopt,
                             const TextProcessingSettings &options = kDefaults)
    {
        return service->recognizeText(image, languages, mode, options).result();
    }

    static std::unique_ptr<OCRService> service;
};
std::unique_ptr<OCRService> OCRServiceTest::service;

} // namespace

TEST_F(OCRServiceTest, ReadsScreenTextInSeveralFontsLightAndDark)
{
    const QStringList lines{"Your changes have been saved to Documents.", "Click Continue to install version 3.14."};
    struct Case {
        const char *family;
        int size;
        Theme theme;
    };
    for (const Case &c : {Case{"DejaVu Sans", 11, kLight}, Case{"Liberation Serif", 13, kDark},
                          Case{"Liberation Sans", 12, kDark}, Case{"DejaVu Sans Mono", 14, kLight}}) {
        SCOPED_TRACE(c.family);
        EXPECT_EQ(recognize(renderText(lines, c.family, c.size, c.theme)), lines.join('\n'));
    }
}

TEST_F(OCRServiceTest, CodeModeKeepsIndentationAndSkipsTheCleanUp)
{
    const QStringList program{
        "def parse(lines):",
        "    result = []",
        "    for line in lines:",
        "        if not line:",
        "            continue",
        "        result.append(line)  # kept",
        "    return result",
    };
    for (const Theme &theme : {kLight, kDark}) {
        const QImage image = renderText(program, "DejaVu Sans Mono", 13, theme);
        // Two spaces before the comment survive although collapseSpaces is on.
        EXPECT_EQ(recognize(image, CaptureMode::code), program.join('\n'));
    }
}

TEST_F(OCRServiceTest, CodeModeKeepsTheSpacesInsideLines)
{
    const QStringList program{
        "a, b = 0, 1",
        "while a < 100:",
        "    if a % 2 == 0:",
        "        print(a)",
        "    a, b = b, a + b",
        "x=y*2  # tight",
    };
    for (const Theme &theme : {kLight, kDark}) {
        const QImage image = renderText(program, test::dejaVuFont("DejaVuSansMono.ttf", 13), theme);
        EXPECT_EQ(recognize(image, CaptureMode::code).toStdString(), program.join('\n').toStdString());
    }
}

TEST_F(OCRServiceTest, CodeModeReadsHashesUnderscoresAndBlankLines)
{
    const QStringList log{
        "commit a1b2c3d4e5f60718293a4b5c6d7e8f9012345678",
        "0c1d2e3 Merge branch 'fix/timeout'",
        "",
        "a1b2c3d Fix merge_sorted(size_t n)",
    };
    for (const Theme &theme : {kLight, kDark}) {
        for (int size : {13, 16}) {
            SCOPED_TRACE(size);
            const QImage image = renderText(log, test::dejaVuFont("DejaVuSansMono.ttf", size), theme);
            EXPECT_EQ(recognize(image, CaptureMode::code, QStringList{"en-US"}).toStdString(), log.join('\n').toStdString());
        }
    }
}

// Number forms and operators, which the engine without word lists reads as letters and
// which must never come back changed. The last line, names that hold the characters
// numbers are made of, is shown with them but not checked: its occurrences tell most
// readings apart, but not one where the engine misread most of them alike.
const QStringList kNumbersAndOperators{
    "ip = \"10.0.0.12\"; host = 192.168.1.10",
    "pi = 3.14159; version = \"3.14.159\"",
    "at = 2024-03-15 10:42:07, ratio = 0.5",
    "on = 2025-11-04 14:02:37, load = [0.08, 0.75]",
    "mac = 00:1a:2b:3c:4d:5e",
    "uuid = 123e4567-e89b-12d3-a456-426614174000",
    "mask = 0xFFFFFFFFu; if n <= 0: up(eth0)",
    "i += 1",
    "j -= 10; du = 4.0K",
    "if a == b && c != d || e <= f:",
    "crc_l1 = lib0(crc_l1, lib0) + crc_l1 + lib0",
};

// Names and options of program text whose characters the engine confuses with one
// another (a zero and a capital or small o, a one and a small l, small and capital
// letters of one shape), told apart by the glyphs of the font that drew them.
const QStringList kConfusableNames{
    "CC = cc -O2 main.o local.c",
    "OBJS = l1.o O1.o io_l1.o",
    "if (Q1) List = UP;",
};

static void expectNumbersAndOperators(const QString &read)
{
    EXPECT_EQ(read.split('\n').mid(0, kNumbersAndOperators.size() - 1).join('\n').toStdString(),
              kNumbersAndOperators.mid(0, kNumbersAndOperators.size() - 1).join('\n').toStdString());
}

TEST_F(OCRServiceTest, CodeModeKeepsNumbersAndOperatorsAsShown)
{
    // Tokens whose characters the engine crowds together or spreads apart, its boxes
    // straying into the blank cells between them.
    const QStringList tokens{
        "WHERE at >= '2023-10-15' AND total <> 0;",
        "job=8e2a7c41 queue=mail started worker=03",
        "i += 1; j -= 10",
        "at 2025-06-02T22:41:07Z row=1200,12.5,0.1",
    };
    for (const Theme &theme : {kLight, kDark, kSolarizedLight, kSolarizedDark}) {
        for (int size : {13, 16}) {
            SCOPED_TRACE(theme.text.name().toStdString() + " " + std::to_string(size));
            const QImage image = renderText(kNumbersAndOperators, test::dejaVuFont("DejaVuSansMono.ttf", size), theme);
            expectNumbersAndOperators(recognize(image, CaptureMode::code));
            const QImage spaced = renderText(tokens, test::dejaVuFont("DejaVuSansMono.ttf", size), theme);
            EXPECT_EQ(recognize(spaced, CaptureMode::code).toStdString(), tokens.join('\n').toStdString());
            // Low-contrast text is read at a whole scale, where "l1" at 13 px still comes
            // back as "ll".
            if (theme.text == kSolarizedLight.text || theme.text == kSolarizedDark.text)
                continue;
            const QImage names = renderText(kConfusableNames, test::dejaVuFont("DejaVuSansMono.ttf", size), theme);
            EXPECT_EQ(recognize(names, CaptureMode::code).toStdString(), kConfusableNames.join('\n').toStdString());
        }
    }
}

// The same text in a real terminal, which draws its cells on whole pixels and hints its
// glyphs as no rendering in an image does.
TEST_F(OCRServiceTest, CodeModeKeepsNumbersAndOperatorsInATerminal)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("shown.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write((kNumbersAndOperators + kConfusableNames).join('\n').toUtf8());
    file.close();
    constexpr int kRows = 15;
    for (const Theme &theme : {kLight, kDark}) {
        for (int size : {13, 16}) {
            SCOPED_TRACE(size);
            const QString title = QStringLiteral("code-%1-%2").arg(theme.background.name().mid(1)).arg(size);
            // xterm takes points; the test display has 96 pixels per inch. The shell hides
            // the cursor, shows the text and keeps the window open until it is closed.
            QProcess terminal;
            terminal.start("xterm", {"-fa", "DejaVu Sans Mono", "-fs", QString::number(size * 0.75), "-geometry",
                                     QStringLiteral("60x%1+0+0").arg(kRows), "-b", "8", "-bg", theme.background.name(),
                                     "-fg", theme.text.name(), "-title", title, "-e", "sh", "-c",
                                     "printf '\\033[?25l'; cat \"$0\"; exec cat", file.fileName()});
            ASSERT_TRUE(terminal.waitForStarted());
            const auto closeTerminal = qScopeGuard([&] {
                terminal.kill();
                terminal.waitForFinished();
            });
            const test::ToolRun found = test::runTool("xdotool", {"search", "--sync", "--onlyvisible", "--name", title});
            ASSERT_EQ(found.exitCode, 0) << found.errors.toStdString();
            const WId window = found.output.trimmed().split('\n').first().toULongLong();
            // Drawn once the last line's row holds ink and two grabs in a row agree.
            QImage shown, previous;
            const bool drawn = test::waitUntil([&] {
                previous = shown;
                shown = QGuiApplication::primaryScreen()->grabWindow(window).toImage();
                const int rowHeight = (shown.height() - 16) / kRows;
                const QImage row = shown.copy(0, 8 + rowHeight * int(kNumbersAndOperators.size() + kConfusableNames.size() - 1),
                                          shown.width(), rowHeight);
                bool ink = false;
                for (int y = 0; y < row.height() && !ink; ++y)
                    for (int x = 0; x < row.width() && !ink; ++x)
                        ink = (row.pixel(x, y) & 0xffffff) != (theme.background.rgb() & 0xffffff);
                return ink && !shown.isNull() && shown == previous;
            }, 10000);
            ASSERT_TRUE(drawn);
            const QString read = recognize(shown, CaptureMode::code);
            expectNumbersAndOperators(read);
            EXPECT_EQ(read.split('\n').mid(kNumbersAndOperators.size()).join('\n').toStdString(),
                      kConfusableNames.join('\n').toStdString());
        }
    }
}

TEST_F(OCRServiceTest, CodeModeKeepsTheLocalesScriptForTextItReadsPoorly)
{
    // Turkish, which the English engine without word lists reads below 65 here, and the
    // Thai one at about 80 in Thai letters.
    const QStringList lines{"Değişiklikleriniz paylaşılan klasöre kaydedildi.",
                            "En son güncellemeyi yüklemek için Devam'a tıklayın."};
    const QImage image = renderText(lines, test::dejaVuFont("DejaVuSans.ttf", 13), kDark);
    const QString text = recognize(image, CaptureMode::code);
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](QChar c) { return c.script() <= QChar::Script_Latin; }))
        << text.toStdString();
}

TEST_F(OCRServiceTest, AutomaticLanguageReadsOtherLanguagesThanTheLocales)
{
    // The service's locale is English; no list and an empty one both detect.
    for (const std::optional<QStringList> &languages : {std::optional<QStringList>(), std::optional(QStringList())}) {
        for (const QString &text : {QStringLiteral("Привет, как дела?"), QStringLiteral("Größenänderung für Fußgänger")}) {
            const QImage image = renderText({text}, test::dejaVuFont("DejaVuSans.ttf", 14), kLight);
            EXPECT_EQ(recognize(image, CaptureMode::normal, languages).toStdString(), text.toStdString());
        }
    }
}

TEST_F(OCRServiceTest, AutomaticLanguageChoosesForEachTextBlock)
{
    // A Cyrillic paragraph above a Latin one, under the English locale: each reads in its
    // own language, whether the Latin one is in the locale's language or not, and whether
    // the Cyrillic or the Latin line is the wider.
    for (const QString &russian : {QStringLiteral("Ваши изменения сохранены в общей папке."),
                                   QStringLiteral("Ваши изменения сохранены в общей папке, проверьте настройки сети.")}) {
        for (const QString &latin : {QStringLiteral("Your changes have been saved to the shared folder."),
                                     QStringLiteral("Größenänderung für Fußgänger ist jetzt möglich.")}) {
            const QImage image =
                renderText({russian, QString(), QString(), latin}, test::dejaVuFont("DejaVuSans.ttf", 14), kLight);
            EXPECT_EQ(recognize(image).toStdString(), (russian + '\n' + latin).toStdString());
        }
    }
}

TEST_F(OCRServiceTest, NormalModeAppliesTheCleanUpPass)
{
    const QImage image = renderText({"first line of text", "second line of text"}, "DejaVu Sans", 13, kLight);
    TextProcessingSettings joined;
    joined.preserveLineBreaks = false;
    EXPECT_EQ(recognize(image, CaptureMode::normal, std::nullopt, joined), "first line of text second line of text");
    EXPECT_EQ(recognize(image, CaptureMode::repeat), "first line of text\nsecond line of text");
}

TEST_F(OCRServiceTest, ReadsTheRequestedLanguagesInOrder)
{
    // These capitals look the same in Cyrillic and Latin: the first language decides which
    // they are. The last two words need English whichever comes first.
    const QImage image = renderText({QStringLiteral("КОРА ТАКСА МОРЕ, shift width")},
                                    test::dejaVuFont("DejaVuSans.ttf", 14), kLight);
    EXPECT_EQ(recognize(image, CaptureMode::normal, QStringList{"ru-RU", "en-US"}).toStdString(),
              "КОРА ТАКСА МОРЕ, shift width");
    EXPECT_EQ(recognize(image, CaptureMode::normal, QStringList{"en-US", "ru-RU"}).toStdString(),
              "KOPA TAKCA MOPE, shift width");
}

TEST_F(OCRServiceTest, ThaiSaraAmComesAsOneCharacter)
{
    // The engine gives the vowel sign AM as NIKHAHIT and SARA AA, which look alike but do
    // not match the text anywhere else.
    const QString thai = QStringLiteral("คลิกดำเนินการต่อ");
    const QImage image = renderText({thai}, test::notoFont("NotoSansThai-Regular.ttf", 16), kLight);
    EXPECT_EQ(recognize(image, CaptureMode::normal, QStringList{"th-TH"}).toStdString(), thai.toStdString());
}

TEST_F(OCRServiceTest, ImageWithoutTextIsNoTextDetectedInEveryMode)
{
    for (CaptureMode mode : kAllCaptureModes) {
        for (QColor colour : {QColor(Qt::white), QColor("#1e1e1e")}) {
            SCOPED_TRACE(rawValue(mode).toStdString());
            const OCRError error = errorOf(service->recognizeText(blank({240, 80}, colour), std::nullopt, mode, kDefaults));
            EXPECT_EQ(error.kind(), OCRErrorKind::noTextDetected);
        }
    }
}

TEST_F(OCRServiceTest, EmptyImageIsInvalidBeforeLanguagesAreChecked)
{
    for (const QImage &image : {QImage(), QImage(0, 40, QImage::Format_RGB32), QImage(40, 0, QImage::Format_RGB32)}) {
        const OCRError error = errorOf(service->recognizeText(image, QStringList{"xx-XX"}, CaptureMode::normal, kDefaults));
        EXPECT_EQ(error.kind(), OCRErrorKind::invalidImage);
        EXPECT_EQ(error.localizedDescription(), "The captured image is invalid or corrupted");
    }
}

TEST_F(OCRServiceTest, FirstUnknownLanguageIsRejectedByExactId)
{
    const QImage image = renderText({"text"}, "DejaVu Sans", 13, kLight);
    const OCRError lowerCase = errorOf(service->recognizeText(image, QStringList{"en-us"}, CaptureMode::normal, kDefaults));
    EXPECT_EQ(lowerCase.kind(), OCRErrorKind::unsupportedLanguage);
    EXPECT_EQ(lowerCase.value(), "en-us");
    EXPECT_EQ(lowerCase.localizedDescription(), "Language 'en-us' is not supported");

    const OCRError second = errorOf(
        service->recognizeText(image, QStringList{"en-US", "zh-CN", "xx"}, CaptureMode::code, kDefaults));
    EXPECT_EQ(second.value(), "zh-CN");
}

TEST_F(OCRServiceTest, CaptureWiderThanTheEngineLimitIsStillRead)
{
    // Scaling this small text up fully would pass the engine's 32767-pixel limit.
    const QImage image = renderText({"Wide capture across three monitors"}, "DejaVu Sans", 12, kLight, 20000);
    EXPECT_EQ(recognize(image), "Wide capture across three monitors");
}

TEST_F(OCRServiceTest, ImageTooLargeForTheEngineFailsWithoutCrashing)
{
    const OCRError error = errorOf(service->recognizeText(blank({33000, 24}, Qt::white), std::nullopt,
                                                          CaptureMode::normal, kDefaults));
    EXPECT_EQ(error.kind(), OCRErrorKind::visionRequestFailed);
}

TEST_F(OCRServiceTest, TypedErrorReachesAContinuationOnTheMainThread)
{
    std::optional<OCRErrorKind> seen;
    QObject context;
    auto done = service->recognizeText(QImage(), std::nullopt, CaptureMode::normal, kDefaults)
                    .then(&context, [](const QString &) {})
                    .onFailed(&context, [&](const OCRError &error) { seen = error.kind(); });
    ASSERT_TRUE(test::waitFor(done));
    EXPECT_EQ(seen, OCRErrorKind::invalidImage);
}

TEST(OCRServiceLimit, ARecognitionPastItsTimeOrCalledOffStopsAndSaysWhy)
{
    const QImage text = renderText({"Several words on one line", "and more words below them"}, "DejaVu Sans", 16, kLight);
    // No time at all: stopped at its first word, in every way of reading.
    OCRService hurried(OCRService::defaultDataPath(), QLocale("en_US"), std::chrono::minutes(10), std::chrono::milliseconds(0));
    for (const auto &languages : {std::optional<QStringList>(QStringList{"en-US"}), std::optional<QStringList>()}) {
        for (CaptureMode mode : {CaptureMode::normal, CaptureMode::code})
            EXPECT_EQ(errorOf(hurried.recognizeText(text, languages, mode, kDefaults)).kind(), OCRErrorKind::timedOut);
    }

    // A cancel reaches the recognition asked for before it, however soon it starts.
    OCRService patient(OCRService::defaultDataPath(), QLocale("en_US"));
    QFuture<QString> called = patient.recognizeText(text, QStringList{"en-US"}, CaptureMode::normal, kDefaults);
    patient.cancelRecognition();
    const OCRError error = errorOf(called);
    EXPECT_EQ(error.kind(), OCRErrorKind::cancelled);
    EXPECT_EQ(error.localizedDescription(), "Text recognition was cancelled");
    EXPECT_EQ(patient.recognizeText(text, QStringList{"en-US"}, CaptureMode::normal, kDefaults).result(),
              "Several words on one line\nand more words below them");
}

TEST(OCRServiceData, MissingLanguageDataNamesThePackageToInstall)
{
    QTemporaryDir data;
    ASSERT_TRUE(QFile::link(OCRService::defaultDataPath() + "/eng.traineddata", data.filePath("eng.traineddata")));
    OCRService service(data.path(), QLocale("de_DE"));
    const QImage image = renderText({"Automatic languages fall back to English"}, "DejaVu Sans", 13, kLight);

    const auto failure = [&](const QStringList &languages) {
        return errorOf(service.recognizeText(image, languages, CaptureMode::normal, kDefaults));
    };
    const OCRError french = failure({"en-US", "fr-FR"});
    EXPECT_EQ(french.kind(), OCRErrorKind::ocrFailed);
    EXPECT_TRUE(french.localizedDescription().startsWith("OCR failed: "));
    EXPECT_TRUE(french.localizedDescription().contains("tesseract-ocr-fra")) << french.what();
    EXPECT_TRUE(failure({"zh-Hans"}).localizedDescription().contains("tesseract-ocr-chi-sim"));
    // The reason is the program's own: it reads in the interface language, whole.
    test::ScopedInterfaceLanguage german("de");
    EXPECT_EQ(french.localizedDescription(), "OCR fehlgeschlagen: Die Tesseract-Sprachdaten fra sind nicht installiert "
                                             "(installieren Sie tesseract-ocr-fra)");
    german.english();

    // German data is missing too, but automatic detection only uses what is installed.
    EXPECT_EQ(service.recognizeText(image, std::nullopt, CaptureMode::normal, kDefaults).result(),
              "Automatic languages fall back to English");
}

TEST(OCRErrorText, TheReasonIsFilledIntoTheTranslatedSentence)
{
    EXPECT_EQ(OCRError(OCRErrorKind::ocrFailed, "disk error").localizedDescription(), "OCR failed: disk error");
    EXPECT_EQ(OCRError(OCRErrorKind::visionRequestFailed, "bad image").localizedDescription(),
              "Recognition failed: bad image");
    EXPECT_EQ(OCRError(OCRErrorKind::noTextDetected).localizedDescription(),
              "No text was detected in the selected region");
    test::ScopedTranslation german({{"ocr_error.unsupported_language", "Sprache „%1“ wird nicht unterstützt"}});
    EXPECT_EQ(OCRError(OCRErrorKind::unsupportedLanguage, "xx").localizedDescription(),
              "Sprache „xx“ wird nicht unterstützt");
}
