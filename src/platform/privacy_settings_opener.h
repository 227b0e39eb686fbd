// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quorvane {

// Sends the user to the desktop's privacy settings, where a desktop has such a page.
class PrivacySettingsOpener {
public:
    virtual ~PrivacySettingsOpener() = default;
    // True when the running desktop has a privacy settings page to open.
    virtual bool hasPrivacyPage() const = 0;
    // Opens that page; an empty string on success, otherwise why it could not be opened.
    virtual QString openPrivacyPage() = 0;
};

// The running desktop's settings application: GNOME's "gnome-control-center privacy".
// Other desktops have no page for these grants on X11.
class DesktopPrivacySettingsOpener : public PrivacySettingsOpener {
public:
    bool hasPrivacyPage() const override;
    QString openPrivacyPage() override;
};

} // namespace quorvane
