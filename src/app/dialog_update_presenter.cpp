#include "app/dialog_update_presenter.h"

#include "platform/l10n.h"

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
        L10n::text("updater.available.title", "A new version of Quorvane is available!",
                   "Title of the dialog that announces a new version"),
        L10n::format("updater.available.message",
                     "Quorvane %@ is now available - you have %@. Would you like to open the download page?",
                     "Text of the dialog that announces a new version: the new version, then the installed one",
                     {item.displayVersion(), currentVersion}));
    alert.buttons = {
        L10n::text("updater.available.download", "Open Download Page", "Button that opens the download page"),
        L10n::text("updater.available.later", "Remind Me Later", "Button that closes the dialog")};
    alert.cancelButton = 1;
    return m_alerts->runModal(alert) == 0;
}

void DialogUpdatePresenter::showUpToDate(const QString &currentVersion)
{
    m_alerts->runModal(alertOf(Alert::Style::informational,
                               L10n::text("updater.up_to_date.title", "You're up to date!",
                                          "Title of the dialog shown when no newer version exists"),
                               L10n::format("updater.up_to_date.message",
                                            "Quorvane %@ is currently the newest version available.",
                                            "Text shown when no newer version exists: the installed version",
                                            {currentVersion})));
}

void DialogUpdatePresenter::showCheckFailed(const QString &reason)
{
    m_alerts->runModal(alertOf(Alert::Style::warning,
                               L10n::text("updater.error.title", "Update Error!",
                                          "Title of the dialog shown when a check for updates fails"),
                               reason));
}

void DialogUpdatePresenter::showNotConfigured()
{
    m_alerts->runModal(alertOf(
        Alert::Style::informational,
        L10n::text("updater.not_configured.title", "Updates Are Not Checked by This Build",
                   "Title of the dialog shown when the build has no update feed"),
        L10n::text("updater.not_configured.message",
                   "This copy of Quorvane was built without an update feed. New versions come with your "
                   "distribution's package updates or from where you installed Quorvane.",
                   "Text shown when the build has no update feed")));
}

} // namespace quorvane
