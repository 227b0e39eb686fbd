#pragma once

#include "core/hotkey_action.h"
#include "core/shortcut.h"

#include <QString>

namespace quorvane {

class NotificationService;

// Tells the user that a global shortcut could not be taken, so that pressing it and
// getting nothing is never left unexplained. Said once per run, for the first refusal:
// a warning naming the action and the shortcut, whose click opens the Shortcuts pane.
class ShortcutRefusalNotice {
public:
    // Posted on the notification centre when the user clicks the notice.
    static inline const QString openShortcutsNotification = QStringLiteral("app.corvantis.openShortcutsPreferences");

    explicit ShortcutRefusalNotice(NotificationService &notifications);

    // `action` could not take `shortcut`; shows the notice unless one was shown in this run.
    void report(HotkeyAction action, const Shortcut &shortcut);
    bool hasReported() const { return m_reported; }

    static QString title(HotkeyAction action);
    static QString message(const Shortcut &shortcut);

private:
    NotificationService &m_notifications;
    bool m_reported = false;
};

} // namespace quorvane
