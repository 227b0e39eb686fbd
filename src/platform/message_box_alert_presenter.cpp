// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/message_box_alert_presenter.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <QPointer>

#include <memory>
#include <vector>

namespace quorvane {

namespace {

void showAsPlainText(QMessageBox &box)
{
    box.setTextFormat(Qt::PlainText);
    // The informative label guesses rich text and opens links itself; it has no setter
    // of its own.
    if (auto *informative = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel"))) {
        informative->setTextFormat(Qt::PlainText);
        informative->setOpenExternalLinks(false);
    }
}

// A dialog child is transient for its window, so the window manager keeps it above the
// window; one that stays on top takes its alert along. Without a window the alert stands
// in front of everything, as the program may have no window at all.
std::unique_ptr<QMessageBox> makeBox(QWidget *window)
{
    auto box = std::make_unique<QMessageBox>(window ? window->window() : nullptr);
    if (window) {
        box->setWindowModality(Qt::WindowModal);
        box->setWindowFlag(Qt::WindowStaysOnTopHint,
                           window->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    } else {
        box->setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    return box;
}

} // namespace

int MessageBoxAlertPresenter::runModal(const Alert &alert)
{
    // Held apart from its window: a window closed while the alert is up takes it along.
    std::unique_ptr<QMessageBox> owned = makeBox(alert.window);
    const QPointer<QMessageBox> box = owned.get();
    switch (alert.style) {
    case Alert::Style::warning:
        box->setIcon(QMessageBox::Warning);
        break;
    case Alert::Style::informational:
        box->setIcon(QMessageBox::Information);
        break;
    case Alert::Style::critical:
        box->setIcon(QMessageBox::Critical);
        break;
    }
    box->setText(alert.messageText);
    box->setInformativeText(alert.informativeText);
    showAsPlainText(*box);

    std::vector<QPushButton *> buttons;
    for (int i = 0; i < alert.buttons.size(); ++i) {
        const bool cancels = i == alert.cancelButton;
        buttons.push_back(box->addButton(alert.buttons[i], cancels ? QMessageBox::RejectRole : QMessageBox::ActionRole));
        if (cancels)
            box->setEscapeButton(buttons.back());
    }
    if (buttons.empty())
        buttons.push_back(box->addButton(QMessageBox::Ok));
    const bool known = alert.defaultButton >= 0 && size_t(alert.defaultButton) < buttons.size();
    box->setDefaultButton(buttons[known ? size_t(alert.defaultButton) : 0]);
    box->exec();

    if (!box) {
        (void)owned.release(); // already deleted with its window
        return alert.cancelButton;
    }
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (box->clickedButton() == buttons[i])
            return int(i);
    }
    return -1;
}

} // namespace quorvane
