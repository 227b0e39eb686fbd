// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tray_absence_notice.h"

#include "app/shell_windows.h"
#include "core/text_utils.h"
#include "platform/window_presenter.h"

#include <QMessageBox>
#include <QPushButton>

namespace quorvane {

TrayAbsenceNotice::TrayAbsenceNotice(TrayShown trayShown, ShortcutText captureShortcut, Notify notify, int delayMs,
                                     QObject *parent)
    : QObject(parent),
      m_trayShown(std::move(trayShown)),
      m_captureShortcut(std::move(captureShortcut)),
      m_notify(std::move(notify))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(delayMs);
    connect(&m_timer, &QTimer::timeout, this, &TrayAbsenceNotice::check);
}

TrayAbsenceNotice::~TrayAbsenceNotice()
{
    delete m_window.data();
}

void TrayAbsenceNotice::start()
{
    m_timer.start();
}

QString TrayAbsenceNotice::title()
{
    //: Title of the notice shown when no system tray shows the icon
    //% "Quorvane Is Running"
    return qtTrId("tray_absence.title");
}

QString TrayAbsenceNotice::message(const QString &captureShortcut)
{
    if (captureShortcut.isEmpty()) {
        //: Notice shown when no system tray shows the icon and the desktop offers programs no global shortcuts
        //% "No system tray on this desktop shows Quorvane's icon. To capture text, bind the command “quorvane capture” to a key in your desktop's keyboard settings. Run “quorvane” again to open the preferences, or “quorvane quit” to quit."
        return qtTrId("tray_absence.message_without_shortcuts");
    }
    //: Notice shown when no system tray shows the icon; %1 is the capture shortcut
    //% "No system tray on this desktop shows Quorvane's icon. Press %1 to capture text. Run “quorvane” again to open the preferences, or “quorvane quit” to quit."
    return qtTrId("tray_absence.message").arg(leftToRightRun(captureShortcut));
}

void TrayAbsenceNotice::check()
{
    if (m_trayShown())
        return;
    const QString body = message(m_captureShortcut());
    m_notify(title(), body).onFailed(this, [this, body] { showWindow(body); });
}

void TrayAbsenceNotice::showWindow(const QString &body)
{
    auto *box = new QMessageBox(QMessageBox::Information, title(), title());
    box->setAttribute(Qt::WA_DeleteOnClose);
    // It says something and blocks nothing: at the first start it comes up with the
    // onboarding, which floats above other windows. A modal notice beneath it would leave
    // the onboarding dead to clicks, so the notice floats too and is not modal.
    box->setWindowModality(Qt::NonModal);
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    box->setTextFormat(Qt::PlainText);
    box->setInformativeText(body);
    //: Quit Quorvane
    //% "Quit Quorvane"
    QPushButton *quit = box->addButton(qtTrId("menubar.quit"),
                                       QMessageBox::DestructiveRole);
    box->addButton(QMessageBox::Ok);
    box->setEscapeButton(QMessageBox::Ok);
    box->setDefaultButton(QMessageBox::Ok);
    connect(quit, &QPushButton::clicked, this, &TrayAbsenceNotice::quitRequested);
    m_window = box;
    box->show();
    presentWindow(*box, WindowPlacement::centred);
}

} // namespace quorvane
