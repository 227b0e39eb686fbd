// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/log_categories.h"

namespace quorvane {

// QtWarningMsg: debug and info stay off until a logging rule enables them.
Q_LOGGING_CATEGORY(lcApp, "quorvane.app", QtWarningMsg)
Q_LOGGING_CATEGORY(lcCapture, "quorvane.capture", QtWarningMsg)
Q_LOGGING_CATEGORY(lcRecognition, "quorvane.recognition", QtWarningMsg)
Q_LOGGING_CATEGORY(lcImport, "quorvane.import", QtWarningMsg)
Q_LOGGING_CATEGORY(lcHistory, "quorvane.history", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPins, "quorvane.pins", QtWarningMsg)
Q_LOGGING_CATEGORY(lcHotkeys, "quorvane.hotkeys", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPermissions, "quorvane.permissions", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSettings, "quorvane.settings", QtWarningMsg)
Q_LOGGING_CATEGORY(lcNotifications, "quorvane.notifications", QtWarningMsg)
Q_LOGGING_CATEGORY(lcUpdater, "quorvane.updater", QtWarningMsg)
Q_LOGGING_CATEGORY(lcWindows, "quorvane.windows", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPlatform, "quorvane.platform", QtWarningMsg)
Q_LOGGING_CATEGORY(lcText, "quorvane.text", QtWarningMsg)

} // namespace quorvane
