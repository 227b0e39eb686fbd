#include "platform/message_box_alert_presenter.h"

#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace quorvane {

int MessageBoxAlertPresenter::runModal(const Alert &alert)
{
    QMessageBox box;
    switch (alert.style) {
    case Alert::Style::warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Alert::Style::informational:
        box.setIcon(QMessageBox::Information);
        break;
    case Alert::Style::critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    box.setText(alert.messageText);
    box.setInformativeText(alert.informativeText);

    std::vector<QPushButton *> buttons;
    for (const QString &title : alert.buttons)
        buttons.push_back(box.addButton(title, QMessageBox::ActionRole));
    if (buttons.empty())
        buttons.push_back(box.addButton(QMessageBox::Ok));
    box.setDefaultButton(buttons.front());
    box.exec();

    for (size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == buttons[i])
            return int(i);
    }
    return -1;
}

} // namespace quorvane
