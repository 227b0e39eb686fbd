// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/json_util.h"
#include "core/shortcut.h"
#include "core/text_processing_settings.h"

#include <QStringList>

#include <functional>

namespace quorvane {

// Every user preference. A plain value: the settings store owns the current copy.
struct UserSettings {
    bool launchAtLogin = false;
    bool showDockIcon = false;
    bool playSoundOnCapture = true;
    Shortcut quickZarrowShortcut{37, 0x300};
    Shortcut repeatZarrowShortcut{37, 0x900};
    Shortcut codeModeShortcut{37, 0xA00};
    Shortcut historyShortcut{4, 0x900};
    Shortcut scanCodeShortcut{8, 0x300};
    TextProcessingSettings textProcessing;
    bool autoDetectLanguage = true;
    QStringList preferredLanguages;
    qint64 maxHistoryEntries = 100;
    bool useSystemNotifications = false;
    bool showPinWidgetAfterCapture = true;

    // The default record.
    static const UserSettings &defaults();

    // True when `shortcut` equals more than one of the five shortcut fields.
    bool hasConflict(const Shortcut &shortcut) const;

    // The shortcut field of a slot.
    Shortcut shortcut(ShortcutAction action) const;
    void setShortcut(ShortcutAction action, const Shortcut &shortcut);

    bool operator==(const UserSettings &) const = default;

    json::Json toJson() const;
    // Missing or null members take the defaults; a malformed member throws json::DecodeError.
    static UserSettings fromJson(const json::Json &object);
    // Like fromJson, but a malformed member keeps its default and its key is added to
    // `resetKeys`, so one bad value costs only itself. Throws only when `object` is no object.
    static UserSettings fromJsonKeepingGoodValues(const json::Json &object, QStringList &resetKeys);

private:
    static UserSettings decode(const json::Json &object,
                               const std::function<void(const char *, const json::DecodeError &)> &onBadValue);
};

} // namespace quorvane
