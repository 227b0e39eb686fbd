// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialog_update_presenter.h"


#include <utility>

namespace quorvane {

namespace {

Alert alertOf(Alert::Style style, QString title, QString text)
{
    Alert alert;
    alert.style = style;
    alert.messageText = std::move(title);
    alert.informativeText = std::move(text);
    return alert;
}

} // namespace

DialogUpdatePresenter::DialogUpdatePresenter(std::unique_ptr<AlertPresenter> alerts) : m_alerts(std::move(alerts)) {}

bool DialogUpdatePresenter::offerUpdate(const AppcastItem &item, const QString &currentVersion)
{
    Alert alert = alertOf(
        Alert::Style::informational,
        //: Title of the dialog that announces a new version
        //% "A new version of Quorvane is available!"
        qtTrId("updater.available.title"),
        //: Text of the dialog that announces a new version: the new version, then the installed one
        //% "Quorvane %1 is now available - you have %2. Would you like to open the download page?"
        qtTrId("updater.available.message").arg(item.displayVersion(), currentVersion));
    alert.buttons = {
        //: Button that opens the download page
        //% "Open Download Page"
        qtTrId("updater.available.download"),
        //: Button that closes the dialog
        //% "Remind Me Later"
        qtTrId("updater.available.later")};
    alert.cancelButton = 1;
    return m_alerts->runModal(alert) == 0;
}

void DialogUpdatePresenter::showUpToDate(const QString &currentVersion)
{
    m_alerts->runModal(alertOf(Alert::Style::informational,
                               //: Title of the dialog shown when no newer version exists
                               //% "You're up to date!"
                               qtTrId("updater.up_to_date.title"),
                               //: Text shown when no newer version exists: the installed version
                               //% "Quorvane %1 is currently the newest version available."
                               qtTrId("updater.up_to_date.message").arg(currentVersion)));
}

void DialogUpdatePresenter::showCheckFailed(const QString &reason)
{
    m_alerts->runModal(alertOf(Alert::Style::warning,
                               //: Title of the dialog shown when a check for updates fails
                               //% "Update Error!"
                               qtTrId("updater.error.title"),
                               reason));
}

void DialogUpdatePresenter::showNotConfigured()
{
    m_alerts->runModal(alertOf(
        Alert::Style::informational,
        //: Title of the dialog shown when the build has no update feed
        //% "Updates Are Not Checked by This Build"
        qtTrId("updater.not_configured.title"),
        //: Text shown when the build has no update feed
        //% "This copy of Quorvane was built without an update feed. New versions come with your distribution's package updates or from where you installed Quorvane."
        qtTrId("updater.not_configured.message")));
}

} // namespace quorvane
