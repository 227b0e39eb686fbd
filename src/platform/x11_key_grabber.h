// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/global_key_grabber.h"

#include <QAbstractNativeEventFilter>

#include <xcb/xcb.h>

#include <vector>

namespace quorvane {

// Passive key grabs on the root window. Each combination is grabbed four times, with and
// without Caps Lock and Num Lock, so the lock keys never silence a shortcut. Presses arrive
// through Qt's native event filter on the main thread and are consumed.
class X11KeyGrabber : public GlobalKeyGrabber, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // Grabs on `root` through `connection`, normally Qt's own connection so that the events
    // reach the application's event filter. A null connection grabs nothing.
    X11KeyGrabber(xcb_connection_t *connection, xcb_window_t root, QObject *parent = nullptr);
    ~X11KeyGrabber() override;

    bool canGrab() const override;
    std::optional<GrabError> grab(quint16 keyCode, quint32 modifierFlags, const GrabPurpose &purpose) override;
    void release(quint16 keyCode, quint32 modifierFlags) override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    struct Grab {
        quint16 keyCode;
        quint32 modifierBits;
        xcb_keycode_t xKeycode;
        quint16 xModifiers;
    };

    // The lock-modifier combinations each grab is repeated with.
    std::vector<quint16> lockVariants() const;
    // The modifier bit the server's keymap gives Num Lock (Mod2 when it cannot be found).
    quint16 findNumLockMask() const;
    void ungrabVariants(xcb_keycode_t xKeycode, quint16 xModifiers);
    // Returns once the server has handled every request sent so far.
    void waitForServer();

    xcb_connection_t *m_connection;
    xcb_window_t m_root;
    quint16 m_numLockMask = 0;
    std::vector<Grab> m_grabs;
};

} // namespace quorvane
