// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real program on the test's X server: the quick-capture shortcut, a drag over a
// window showing known words, the words on the clipboard and in the history file, the
// repeat shortcut over the same region, then a clean quit on SIGTERM; its log never quotes
// the captured words.
#include "core/capture_history_entry.h"
#include "core/json_util.h"
#include "platform/user_defaults.h"
#include "support/event_loop.h"
#include "support/program_environment.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

using quorvane::test::waitUntil;

QString programPath()
{
    return QStringLiteral(QUORVANE_BINARY_DIR) + QStringLiteral("/src/app/quorvane");
}

// Runs an X tool to its end while this process keeps serving its own window.
QByteArray runTool(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return {};
    waitUntil([&] { return process.state() == QProcess::NotRunning; }, 10000);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
    }
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return process.readAllStandardOutput();
}

bool xdotool(const QStringList &arguments)
{
    int code = -1;
    runTool(QStringLiteral("xdotool"), arguments, &code);
    return code == 0;
}

// What another program reads from the clipboard now.
QString clipboardText()
{
    int code = -1;
    const QByteArray text = runTool(QStringLiteral("xclip"), {"-selection", "clipboard", "-o"}, &code);
    return code == 0 ? QString::fromUtf8(text) : QString();
}

// Words squeezed the way recognition may space them, upper case, for comparison.
QString squeezed(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s+"))).toUpper();
}

// The screen's colour at `point` (this process reads the root window like anyone else).
QRgb screenPixel(QPoint point)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, point.x(), point.y(), 1, 1).toImage().pixel(0, 0) &
           0xffffff;
}

// Whether the screen shows `window` exactly as the window draws itself.
bool screenShows(QWidget &window)
{
    const QRect area = window.geometry();
    const QImage shown = QGuiApplication::primaryScreen()
                             ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    return shown == window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QJsonArray historyRecords(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (document.isArray())
        return document.array();
    return document.object().value(QStringLiteral("entries")).toArray();
}

// The program with its own folders, its output collected as it comes.
struct Program {
    explicit Program(const QString &home)
    {
        // A user who has been through the first run: no onboarding window over the words.
        {
            quorvane::UserDefaults defaults(home + "/config/Quorvane/defaults.json");
            defaults.setBool("hasSeenOnboarding", true);
            defaults.setBool("com.corvantis.hasLaunchedBefore", true);
            defaults.synchronize();
        }
        QDir().mkpath(home + "/runtime");
        QFile::setPermissions(home + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                     QFileDevice::ExeOwner);
        QProcessEnvironment env = quorvane::test::programEnvironment(home);
        // Every informational line on, so the test can follow the program; the captured
        // text still has no place in them.
        env.insert("QT_LOGGING_RULES", "quorvane.*.info=true");
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        QObject::connect(&process, &QProcess::readyRead, [this] { output += process.readAll(); });
        process.start(programPath(), {});
    }
    ~Program()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
    bool printed(const char *line)
    {
        return waitUntil([&] { return output.contains(line); }, 20000);
    }

    QProcess process;
    QByteArray output;
};

bool toolsMissing()
{
    for (const char *tool : {"xdotool", "xclip"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return true;
    }
    return false;
}

// Large dark words on white, where no window manager moves them.
void showWords(QLabel &words)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(64);
    words.setWindowFlags(Qt::FramelessWindowHint | Qt::BypassWindowManagerHint | Qt::WindowStaysOnTopHint);
    words.setFont(font);
    words.setAlignment(Qt::AlignCenter);
    words.setStyleSheet(QStringLiteral("QLabel { background: white; color: black; }"));
    words.setGeometry(200, 200, 1000, 200);
    words.show();
}

// Quick capture: the overlay freezes and dims the screen, then a drag selects the words.
void captureWords(Program &program)
{
    const QPoint inside(230, 230); // white, inside the window, outside the words
    ASSERT_TRUE(xdotool({"key", "super+shift+l"}));
    ASSERT_TRUE(waitUntil([&] { return screenPixel(inside) != 0xffffff; }, 10000))
        << "the selection overlay never came up\n" << program.output.constData();
    ASSERT_TRUE(xdotool({"mousemove", "210", "210", "mousedown", "1", "mousemove", "700", "300", "mousemove", "1190",
                         "390", "mouseup", "1"}));
}

// Known words shown where the captures drag, before the program starts.
class CaptureRoundTrip : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (toolsMissing())
            GTEST_SKIP() << "xdotool or xclip is not installed";
        showWords(words);
        ASSERT_TRUE(waitUntil([&] { return screenShows(words); }));
    }

    QLabel words{QStringLiteral("Quorvane reads 2468")};
};

} // namespace

TEST_F(CaptureRoundTrip, ShortcutDragClipboardHistoryRepeatAndQuit)
{

    QTemporaryDir home;
    Program program(home.path());
    ASSERT_TRUE(program.process.waitForStarted());
    ASSERT_TRUE(program.printed("Quorvane started")) << program.output.constData();
    ASSERT_TRUE(program.output.contains("Global hotkeys registered successfully")) << program.output.constData();
    const QString historyPath = home.filePath("data/Quorvane/history.json");

    captureWords(program);
    if (HasFatalFailure())
        return;

    ASSERT_TRUE(waitUntil([&] { return squeezed(clipboardText()).contains("QUORVANEREADS2468"); }, 30000))
        << "clipboard: " << clipboardText().toStdString() << "\n" << program.output.constData();
    ASSERT_TRUE(waitUntil([&] { return historyRecords(historyPath).size() == 1; }, 10000));
    EXPECT_TRUE(squeezed(historyRecords(historyPath)[0].toObject().value("text").toString()).contains("QUORVANEREADS2468"));

    // Repeat: new words in the same place, captured again without any selection. The pin
    // of the first capture stays where it opened, around the pointer and over the words:
    // the repeat must read the words beneath it, not the pin.
    const QString pinFile = home.filePath("data/Quorvane/PinnedCapture/pin-metadata.json");
    ASSERT_TRUE(waitUntil([&] { return QFile::exists(pinFile); }, 10000));
    words.setText(QStringLiteral("Second look 1357"));
    words.repaint();
    ASSERT_TRUE(waitUntil([&] { return !screenShows(words); })) << "no pin over the words";
    ASSERT_TRUE(program.printed("CAPTURE WORKFLOW END")) << program.output.constData();
    ASSERT_TRUE(xdotool({"key", "super+alt+l"}));
    ASSERT_TRUE(waitUntil([&] { return historyRecords(historyPath).size() == 2; }, 30000))
        << program.output.constData();
    QStringList texts;
    for (const QJsonValue &record : historyRecords(historyPath))
        texts << squeezed(record.toObject().value("text").toString());
    EXPECT_TRUE(texts.contains("SECONDLOOK1357")) << texts.join(" | ").toStdString();
    EXPECT_TRUE(texts.contains("QUORVANEREADS2468")) << texts.join(" | ").toStdString();
    EXPECT_EQ(squeezed(clipboardText()).toStdString(), "SECONDLOOK1357");
    EXPECT_TRUE(waitUntil([&] { return !screenShows(words); })) << "the pin did not come back";

    // A logout's SIGTERM: a clean exit with the settings written, the pin left for the
    // next start.
    ::kill(static_cast<pid_t>(program.process.processId()), SIGTERM);
    ASSERT_TRUE(waitUntil([&] { return program.process.state() == QProcess::NotRunning; }, 15000));
    EXPECT_EQ(program.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.process.exitCode(), 0) << program.output.constData();
    EXPECT_TRUE(program.output.contains("Settings saved"));
    // Recognised text is counted in the output, never quoted.
    const QString output = squeezed(QString::fromUtf8(program.output));
    EXPECT_FALSE(output.contains("READS2468")) << program.output.constData();
    EXPECT_FALSE(output.contains("SECONDLOOK")) << program.output.constData();
    QFile defaults(home.filePath("config/Quorvane/defaults.json"));
    ASSERT_TRUE(defaults.open(QIODevice::ReadOnly));
    EXPECT_TRUE(defaults.readAll().contains("com.corvantis.user_settings"));
    EXPECT_TRUE(QFile::exists(pinFile));
}

TEST_F(CaptureRoundTrip, OneUnreadableSettingCostsNoCapture)
{
    // 300 captures kept under a maximum of 1000 that was then stored as text: the maximum
    // falls back to its default of 100, the captures must not.
    QTemporaryDir home;
    const QString historyPath = home.filePath("data/Quorvane/history.json");
    ASSERT_TRUE(QDir().mkpath(home.filePath("data/Quorvane")));
    {
        quorvane::json::Json records = quorvane::json::Json::array();
        for (int i = 0; i < 300; ++i) {
            quorvane::CaptureHistoryEntry entry;
            entry.text = QStringLiteral("earlier capture %1").arg(i);
            entry.timestamp = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC).addSecs(i);
            records.push_back(entry.toJson());
        }
        QFile file(historyPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(quorvane::json::dump(records));
        quorvane::UserDefaults defaults(home.filePath("config/Quorvane/defaults.json"));
        defaults.setObject("com.corvantis.user_settings",
                           {{"maxHistoryEntries", "1000"}, {"showPinWidgetAfterCapture", false}});
        ASSERT_TRUE(defaults.synchronize());
    }

    Program program(home.path());
    ASSERT_TRUE(program.printed("Quorvane started")) << program.output.constData();
    EXPECT_TRUE(program.output.contains("maxHistoryEntries")) << program.output.constData();
    captureWords(program);
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(waitUntil([&] { return historyRecords(historyPath).size() == 301; }, 30000))
        << historyRecords(historyPath).size() << "\n" << program.output.constData();
    // The record is stored before the capture ends (toast, pin): a repeat pressed in
    // between is refused as overlapping.
    ASSERT_TRUE(program.printed("CAPTURE WORKFLOW END")) << program.output.constData();
    ASSERT_TRUE(xdotool({"key", "super+alt+l"}));
    ASSERT_TRUE(waitUntil([&] { return historyRecords(historyPath).size() == 302; }, 30000))
        << historyRecords(historyPath).size() << "\n" << program.output.constData();
    EXPECT_EQ(historyRecords(home.filePath("data/Quorvane/history.backup.json")).size(), 301);
}
