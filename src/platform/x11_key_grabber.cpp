// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11_key_grabber.h"

#include "platform/key_table.h"
#include "platform/portal_key_grabber.h"
#include "platform/session_type.h"
#include "platform/x11_connection.h"
#include "platform/xcb_reply.h"

#include <QCoreApplication>

#include <xcb/xcb_keysyms.h>

namespace quorvane {

namespace {

constexpr quint32 kNumLockKeysym = 0xff7f;
constexpr quint8 kBadAccess = 10;
// The modifiers a shortcut can hold; everything else in an event's state is ignored.
constexpr quint16 kShortcutModifiers = KeyTable::xShiftMask | KeyTable::xControlMask
    | KeyTable::xMod1Mask | KeyTable::xMod4Mask;

} // namespace

X11KeyGrabber::X11KeyGrabber(xcb_connection_t *connection, xcb_window_t root, QObject *parent)
    : GlobalKeyGrabber(parent), m_connection(connection), m_root(root)
{
    if (!canGrab())
        return;
    m_numLockMask = findNumLockMask();
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installNativeEventFilter(this);
}

X11KeyGrabber::~X11KeyGrabber()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    if (!canGrab())
        return;
    for (const Grab &g : m_grabs)
        ungrabVariants(g.xKeycode, g.xModifiers);
    waitForServer();
}

bool X11KeyGrabber::canGrab() const
{
    return m_connection && m_root != XCB_WINDOW_NONE && !xcb_connection_has_error(m_connection);
}

std::optional<GrabError> X11KeyGrabber::grab(quint16 keyCode, quint32 modifierFlags, const GrabPurpose &)
{
    if (!canGrab())
        return GrabError{GrabError::Reason::noDisplay};
    const auto xKeycode = KeyTable::xKeycode(keyCode);
    if (!xKeycode)
        return GrabError{GrabError::Reason::unknownKey};
    const quint32 bits = KeyTable::modifierBits(modifierFlags);
    for (const Grab &g : m_grabs) {
        if (g.keyCode == keyCode && g.modifierBits == bits)
            return GrabError{GrabError::Reason::alreadyGrabbed};
    }

    const quint16 xModifiers = KeyTable::xModifiers(bits);
    const std::vector<quint16> variants = lockVariants();
    std::vector<xcb_void_cookie_t> cookies;
    cookies.reserve(variants.size());
    // owner_events false: while the combination is down every key event goes to the root
    // window, so none of it also reaches one of this program's own windows.
    for (const quint16 variant : variants) {
        cookies.push_back(xcb_grab_key_checked(m_connection, 0, m_root, xModifiers | variant, *xKeycode,
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }

    std::optional<GrabError> failure;
    for (const xcb_void_cookie_t cookie : cookies) {
        const XcbReply<xcb_generic_error_t> error(xcb_request_check(m_connection, cookie));
        if (error && !failure) {
            failure = error->error_code == kBadAccess
                ? GrabError{GrabError::Reason::takenByOtherProgram, error->error_code}
                : GrabError{GrabError::Reason::refused, error->error_code};
        }
    }
    if (failure) {
        // Half a grab would leave the shortcut working only in some lock states.
        ungrabVariants(*xKeycode, xModifiers);
        waitForServer();
        return failure;
    }
    m_grabs.push_back(Grab{keyCode, bits, *xKeycode, xModifiers});
    return std::nullopt;
}

void X11KeyGrabber::release(quint16 keyCode, quint32 modifierFlags)
{
    const quint32 bits = KeyTable::modifierBits(modifierFlags);
    for (auto it = m_grabs.begin(); it != m_grabs.end(); ++it) {
        if (it->keyCode == keyCode && it->modifierBits == bits) {
            if (canGrab()) {
                ungrabVariants(it->xKeycode, it->xModifiers);
                waitForServer();
            }
            m_grabs.erase(it);
            return;
        }
    }
}

bool X11KeyGrabber::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t" || !message)
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    const auto *press = static_cast<const xcb_key_press_event_t *>(message);
    if (press->event != m_root)
        return false;
    const quint16 modifiers = press->state & kShortcutModifiers;
    for (const Grab &g : m_grabs) {
        if (g.xKeycode == press->detail && g.xModifiers == modifiers) {
            // Copy first: a receiver may release the grab and shrink m_grabs.
            const quint16 keyCode = g.keyCode;
            const quint32 bits = g.modifierBits;
            emit pressed(keyCode, bits);
            return true;
        }
    }
    return false;
}

std::vector<quint16> X11KeyGrabber::lockVariants() const
{
    std::vector<quint16> variants{0, KeyTable::xLockMask};
    if (m_numLockMask && m_numLockMask != KeyTable::xLockMask && !(m_numLockMask & kShortcutModifiers)) {
        variants.push_back(m_numLockMask);
        variants.push_back(m_numLockMask | KeyTable::xLockMask);
    }
    return variants;
}

quint16 X11KeyGrabber::findNumLockMask() const
{
    quint16 mask = KeyTable::xMod2Mask;
    xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(m_connection);
    if (!symbols)
        return mask;
    const XcbReply<xcb_keycode_t> numLockCodes(xcb_key_symbols_get_keycode(symbols, kNumLockKeysym));
    xcb_key_symbols_free(symbols);
    if (!numLockCodes)
        return mask;

    const XcbReply<xcb_get_modifier_mapping_reply_t> reply(
        xcb_get_modifier_mapping_reply(m_connection, xcb_get_modifier_mapping(m_connection), nullptr));
    if (reply) {
        const xcb_keycode_t *codes = xcb_get_modifier_mapping_keycodes(reply.get());
        const int perModifier = reply->keycodes_per_modifier;
        bool found = false;
        for (int modifier = 0; modifier < 8 && !found; ++modifier) {
            for (int i = 0; i < perModifier && !found; ++i) {
                const xcb_keycode_t code = codes[modifier * perModifier + i];
                if (code == XCB_NO_SYMBOL)
                    continue;
                for (const xcb_keycode_t *n = numLockCodes.get(); *n != XCB_NO_SYMBOL; ++n) {
                    if (*n == code) {
                        mask = quint16(1u << modifier);
                        found = true;
                        break;
                    }
                }
            }
        }
    }
    return mask;
}

void X11KeyGrabber::ungrabVariants(xcb_keycode_t xKeycode, quint16 xModifiers)
{
    // Ungrabbing only ever releases this client's own grabs, so variants another program
    // holds are left alone.
    for (const quint16 variant : lockVariants())
        xcb_ungrab_key(m_connection, xKeycode, m_root, xModifiers | variant);
}

void X11KeyGrabber::waitForServer()
{
    // A flush only puts the ungrabs on the wire; another client's grab sent right after we
    // report the key free could still reach the server first and fail. One round trip
    // means the server has handled them.
    const XcbReply<xcb_get_input_focus_reply_t> reply(
        xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
}

std::unique_ptr<GlobalKeyGrabber> createGlobalKeyGrabber(QObject *parent)
{
    // Under Wayland an X11 grab (through XWayland) sees no key pressed in a Wayland window.
    if (currentSessionType() == SessionType::wayland)
        return std::make_unique<PortalKeyGrabber>(QDBusConnection::sessionBus(), parent);
    xcb_connection_t *connection = x11Connection();
    const xcb_screen_t *screen = x11FirstScreen(connection);
    // Without a screen the root stays none and the grabber grabs nothing.
    const xcb_window_t root = screen ? screen->root : xcb_window_t(XCB_WINDOW_NONE);
    return std::make_unique<X11KeyGrabber>(connection, root, parent);
}

} // namespace quorvane
