// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/screen_redraws.h"

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <list>
#include <memory>

struct xcb_connection_t;

namespace quorvane {

// Watches the root window with the X Damage extension, which reports every drawing on the
// screen, whoever draws, the server's own background fills of uncovered windows included.
// Reports arrive through Qt's native event filter on the main thread. Without an X
// connection or the extension every wait resolves at once.
class X11ScreenRedraws : public QObject, public ScreenRedraws, public QAbstractNativeEventFilter {
public:
    explicit X11ScreenRedraws(QObject *parent = nullptr);
    ~X11ScreenRedraws() override;

    QFuture<void> whenRedrawn(const QRegion &area, std::chrono::milliseconds bound) override;
    void makeOwnChanges(const std::function<void()> &changes) override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

    // How many waits have ended at their bound rather than on a drawing.
    int waitsRunOut() const { return m_waitsRunOut; }

private:
    struct Watch;
    void drawn(Watch &watch, const QRect &rect, quint16 sequence);
    void settleWhenDrawn(Watch &watch);
    void echoed(quint16 sequence);
    void finish(Watch &watch);

    xcb_connection_t *m_connection = nullptr;
    quint8 m_notifyEvent = 0;
    // A window of the program's own, never shown, whose property changes come back as
    // events in order with the drawing reports.
    quint32 m_echoWindow = 0;
    quint32 m_echoAtom = 0;
    quint64 m_lastSerial = 0;
    std::list<std::unique_ptr<Watch>> m_watches;
    int m_waitsRunOut = 0;
};

} // namespace quorvane
