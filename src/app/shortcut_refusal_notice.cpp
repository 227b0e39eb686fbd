// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shortcut_refusal_notice.h"

#include "core/notification_service.h"
#include "core/text_utils.h"

namespace quorvane {

ShortcutRefusalNotice::ShortcutRefusalNotice(NotificationService &notifications, QObject *parent)
    : QObject(parent), m_notifications(notifications)
{
    connect(&m_notifications, &NotificationService::warningClicked, this, [this](const QString &action) {
        if (action == clickAction)
            emit openShortcutsPreferences();
    });
}

void ShortcutRefusalNotice::report(HotkeyAction action, const Shortcut &shortcut)
{
    if (m_reported)
        return;
    m_reported = true;
    m_notifications.showActionableWarning(title(action), message(shortcut), clickAction);
}

QString ShortcutRefusalNotice::title(HotkeyAction action)
{
    //: Title when a global shortcut cannot be taken; the action's name
    //% "%1 shortcut not available"
    return qtTrId("notification.shortcut_refused.title").arg(displayName(shortcutAction(action)));
}

QString ShortcutRefusalNotice::message(const Shortcut &shortcut)
{
    // A stored shortcut from before the reserved list grew is refused before the display is asked.
    if (shortcut.isSystemReserved())
        //: Message when a global shortcut is reserved; the shortcut
        //% "%1 is reserved by the desktop. Choose another shortcut in Preferences."
        return qtTrId("notification.shortcut_refused.reserved").arg(leftToRightRun(shortcut.displayString()));
    //: Message when another program holds a global shortcut; the shortcut
    //% "%1 is already used by another program. Choose another shortcut in Preferences."
    return qtTrId("notification.shortcut_refused.taken").arg(leftToRightRun(shortcut.displayString()));
}

} // namespace quorvane
