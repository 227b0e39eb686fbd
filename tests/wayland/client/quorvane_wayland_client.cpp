// The two Wayland clients of the Wayland end-to-end test.
//   words TEXT   a window showing TEXT in large dark letters on white
//   program      the program's services and delegate as the program makes them (the
//                desktop factory chooses the Wayland implementations itself); each line
//                "capture" or "repeat" on standard input starts that capture, the way a
//                desktop shortcut's command will, and "drag X1 Y1 X2 Y2" drags the left
//                button over the selection overlay once it is on screen. A compositor
//                without input devices gives its clients no pointer at all, so the drag
//                is handed to the overlay's window as Qt's platform events.
#include "app/app_delegate.h"
#include "app/app_resources.h"
#include "app/desktop_service_factory.h"
#include "platform/session_type.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QDeadlineTimer>
#include <QSocketNotifier>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <unistd.h>

namespace {

int showWords(const QString &text)
{
    QLabel words(text);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(64);
    words.setFont(font);
    words.setAlignment(Qt::AlignCenter);
    words.setStyleSheet(QStringLiteral("QLabel { background: white; color: black; }"));
    words.setWindowTitle(QStringLiteral("Quorvane test words"));
    words.show(); // tiled: alone on its output, it fills it
    return QApplication::exec();
}

QWindow *shownOverlay()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("SelectionOverlayWindow") && widget->windowHandle()
            && widget->windowHandle()->isExposed())
            return widget->windowHandle();
    }
    return nullptr;
}

// Waits (bounded) for the overlay to be on screen, then drags over it.
bool drag(QPoint from, QPoint to)
{
    QDeadlineTimer deadline(20000);
    QWindow *overlay = nullptr;
    while (!(overlay = shownOverlay()) && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!overlay)
        return false;
    QTest::mouseMove(overlay, from);
    QTest::mousePress(overlay, Qt::LeftButton, {}, from);
    QTest::mouseMove(overlay, (from + to) / 2);
    QTest::mouseMove(overlay, to);
    QTest::mouseRelease(overlay, Qt::LeftButton, {}, to);
    return true;
}

int runProgram()
{
    QApplication::setQuitOnLastWindowClosed(false);
    quorvane::registerAppResources();
    quorvane::DesktopServiceFactory factory;
    quorvane::AppDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    std::printf("session: %s\n", quorvane::currentSessionType() == quorvane::SessionType::wayland ? "wayland" : "x11");
    std::fflush(stdout);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&delegate, &input] {
        char line[64] = {};
        const ssize_t n = ::read(STDIN_FILENO, line, sizeof line - 1);
        if (n <= 0) {
            input.setEnabled(false);
            QApplication::exit(0);
            return;
        }
        const QByteArray command = QByteArray(line, int(n)).trimmed();
        if (command == "capture")
            delegate.handleCaptureText();
        else if (command == "repeat")
            delegate.handleRepeatZarrow();
        else if (command.startsWith("drag ")) {
            const QList<QByteArray> n = command.split(' ');
            const bool done = n.size() == 5
                && drag(QPoint(n[1].toInt(), n[2].toInt()), QPoint(n[3].toInt(), n[4].toInt()));
            std::printf("drag: %s\n", done ? "done" : "no overlay on screen");
            std::fflush(stdout);
        }
    });
    const int code = QApplication::exec();
    delegate.applicationWillTerminate();
    return code;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setDesktopFileName(QStringLiteral("quorvane"));
    const QStringList args = QApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("words"))
        return showWords(args[2]);
    if (args.size() == 2 && args[1] == QLatin1String("program"))
        return runProgram();
    std::fprintf(stderr, "usage: %s words TEXT | program\n", argv[0]);
    return 2;
}
