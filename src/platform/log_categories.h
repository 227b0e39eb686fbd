// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

namespace quorvane {

// One logging category per subsystem. Informational lines are off unless QT_LOGGING_RULES
// turns them on (for example "quorvane.*.info=true"); warnings are on, so a warning never
// carries recognised text, code payloads, clipboard or file contents.
Q_DECLARE_LOGGING_CATEGORY(lcApp)           // quorvane.app: start, menu, windows, quit
Q_DECLARE_LOGGING_CATEGORY(lcCapture)       // quorvane.capture: capture workflows, screen, clipboard
Q_DECLARE_LOGGING_CATEGORY(lcRecognition)   // quorvane.recognition: text recognition, code scanning
Q_DECLARE_LOGGING_CATEGORY(lcImport)        // quorvane.import: image import
Q_DECLARE_LOGGING_CATEGORY(lcHistory)       // quorvane.history: history store and export
Q_DECLARE_LOGGING_CATEGORY(lcPins)          // quorvane.pins: the pinned capture
Q_DECLARE_LOGGING_CATEGORY(lcHotkeys)       // quorvane.hotkeys: global shortcuts and their recorder
Q_DECLARE_LOGGING_CATEGORY(lcPermissions)   // quorvane.permissions: screen and keyboard access
Q_DECLARE_LOGGING_CATEGORY(lcSettings)      // quorvane.settings: settings file, interface language
Q_DECLARE_LOGGING_CATEGORY(lcNotifications) // quorvane.notifications: toasts and notifications
Q_DECLARE_LOGGING_CATEGORY(lcUpdater)       // quorvane.updater: the update check
Q_DECLARE_LOGGING_CATEGORY(lcWindows)       // quorvane.windows: preferences, feedback, onboarding
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)      // quorvane.platform: the desktop layer
// quorvane.text: previews of the captured text itself, at debug level only. Nothing turns
// it on but a rule that names it (or "quorvane.*=true").
Q_DECLARE_LOGGING_CATEGORY(lcText)

} // namespace quorvane
