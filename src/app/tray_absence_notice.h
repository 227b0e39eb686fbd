// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFuture>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>



namespace quorvane {

// Where no system tray shows the program's icon (GNOME without an AppIndicator extension,
// a bare window manager), the program would otherwise run with nothing on screen. A few
// seconds after the start, when still no tray shows the icon, this tells the user how to
// capture (the quick-capture shortcut) and how to reach the program: starting it again
// opens the preferences, and `quorvane quit` ends it. A desktop notification where a
// notification server takes one, otherwise a small window with a quit button.
class TrayAbsenceNotice : public QObject {
    Q_OBJECT
public:
    // How long a tray host gets to show the icon after the start: desktops start the
    // tray and the autostarted programs at the same time.
    static constexpr int kDelayMs = 3000;

    using TrayShown = std::function<bool()>;
    // The capture shortcut's text; empty where the desktop offers programs no shortcuts.
    using ShortcutText = std::function<QString()>;
    // Posts a desktop notification; the future fails when no server takes it.
    using Notify = std::function<QFuture<void>(const QString &title, const QString &body)>;

    TrayAbsenceNotice(TrayShown trayShown, ShortcutText captureShortcut, Notify notify, int delayMs = kDelayMs,
                      QObject *parent = nullptr);
    ~TrayAbsenceNotice() override;

    // Looks for the tray once the delay has passed.
    void start();
    // The window shown where no notification could be posted; null otherwise and once closed.
    QMessageBox *window() const { return m_window; }

    static QString title();
    static QString message(const QString &captureShortcut);

signals:
    // The window's quit button was pressed.
    void quitRequested();

private:
    void check();
    void showWindow(const QString &body);

    TrayShown m_trayShown;
    ShortcutText m_captureShortcut;
    Notify m_notify;
    QTimer m_timer;
    QPointer<QMessageBox> m_window;
};

} // namespace quorvane
