// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/hotkey_action.h"
#include "core/shortcut.h"

#include <QObject>
#include <QString>

namespace quorvane {

class NotificationService;

// Tells the user that a global shortcut could not be taken, so that pressing it and
// getting nothing is never left unexplained. Said once per run, for the first refusal:
// a warning naming the action and the shortcut, whose click asks for the Shortcuts pane.
class ShortcutRefusalNotice : public QObject {
    Q_OBJECT
public:
    // What the notice's click names to the notification service.
    static inline const QString clickAction = QStringLiteral("app.corvantis.openShortcutsPreferences");

    explicit ShortcutRefusalNotice(NotificationService &notifications, QObject *parent = nullptr);

    // `action` could not take `shortcut`; shows the notice unless one was shown in this run.
    void report(HotkeyAction action, const Shortcut &shortcut);
    bool hasReported() const { return m_reported; }

    static QString title(HotkeyAction action);
    static QString message(const Shortcut &shortcut);

signals:
    // The user clicked the notice.
    void openShortcutsPreferences();

private:
    NotificationService &m_notifications;
    bool m_reported = false;
};

} // namespace quorvane
