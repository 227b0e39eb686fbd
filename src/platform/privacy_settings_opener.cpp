// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/privacy_settings_opener.h"

#include <QProcess>
#include <QStandardPaths>

namespace quorvane {

namespace {

const QString kGnomeSettings = QStringLiteral("gnome-control-center");

bool isGnomeDesktop()
{
    // XDG_CURRENT_DESKTOP is a colon-separated list, e.g. "ubuntu:GNOME".
    const QString desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    for (const QString &name : desktops.split(u':', Qt::SkipEmptyParts)) {
        if (name.compare(QLatin1String("GNOME"), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

bool DesktopPrivacySettingsOpener::hasPrivacyPage() const
{
    return isGnomeDesktop() && !QStandardPaths::findExecutable(kGnomeSettings).isEmpty();
}

QString DesktopPrivacySettingsOpener::openPrivacyPage()
{
    if (!hasPrivacyPage())
        return QStringLiteral("this desktop has no privacy settings page");
    // The settings application raises its own window when started or already running.
    if (!QProcess::startDetached(kGnomeSettings, {QStringLiteral("privacy")}))
        return QStringLiteral("could not start %1").arg(kGnomeSettings);
    return {};
}

} // namespace quorvane
