#include "app/dialog_update_presenter.h"

#include "platform/l10n.h"

#include <QMessageBox>
#include <QPushButton>

namespace quorvane {

namespace {

// A message box that comes up in front even though the program has no window of its own.
void prepare(QMessageBox &box)
{
    box.setWindowTitle(QStringLiteral("Quorvane"));
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
}

} // namespace

bool DialogUpdatePresenter::offerUpdate(const AppcastItem &item, const QString &currentVersion)
{
    QMessageBox box;
    prepare(box);
    box.setIcon(QMessageBox::Information);
    box.setText(L10n::text("updater.available.title", "A new version of Quorvane is available!",
                           "Title of the dialog that announces a new version"));
    box.setInformativeText(L10n::format(
        "updater.available.message",
        "Quorvane %@ is now available - you have %@. Would you like to open the download page?",
        "Text of the dialog that announces a new version: the new version, then the installed one",
        {item.displayVersion(), currentVersion}));
    QPushButton *download = box.addButton(
        L10n::text("updater.available.download", "Open Download Page", "Button that opens the download page"),
        QMessageBox::AcceptRole);
    box.addButton(L10n::text("updater.available.later", "Remind Me Later", "Button that closes the dialog"),
                  QMessageBox::RejectRole);
    box.setDefaultButton(download);
    box.exec();
    return box.clickedButton() == download;
}

void DialogUpdatePresenter::showUpToDate(const QString &currentVersion)
{
    QMessageBox box;
    prepare(box);
    box.setIcon(QMessageBox::Information);
    box.setText(L10n::text("updater.up_to_date.title", "You're up to date!",
                           "Title of the dialog shown when no newer version exists"));
    box.setInformativeText(L10n::format("updater.up_to_date.message",
                                        "Quorvane %@ is currently the newest version available.",
                                        "Text shown when no newer version exists: the installed version",
                                        {currentVersion}));
    box.addButton(QMessageBox::Ok);
    box.exec();
}

void DialogUpdatePresenter::showCheckFailed(const QString &reason)
{
    QMessageBox box;
    prepare(box);
    box.setIcon(QMessageBox::Warning);
    box.setText(L10n::text("updater.error.title", "Update Error!",
                           "Title of the dialog shown when a check for updates fails"));
    box.setInformativeText(reason);
    box.addButton(QMessageBox::Ok);
    box.exec();
}

} // namespace quorvane
