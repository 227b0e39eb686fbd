// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_accessibility_announcer.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QtGlobal>

namespace quorvane {

void QtAccessibilityAnnouncer::announce(const QString &text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (!qApp || !QAccessible::isActive())
        return;
    QAccessibleAnnouncementEvent event(qApp, text);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&event);
#else
    // The toolkit has no announcement event to carry the text.
    Q_UNUSED(text);
#endif
}

std::unique_ptr<AccessibilityAnnouncer> createAccessibilityAnnouncer()
{
    return std::make_unique<QtAccessibilityAnnouncer>();
}

} // namespace quorvane
