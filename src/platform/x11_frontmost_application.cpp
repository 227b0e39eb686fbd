// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11_frontmost_application.h"

#include "platform/x11_connection.h"
#include "platform/xcb_reply.h"

#include <QList>

#include <xcb/xcb.h>

#include <cstring>

namespace quorvane {

std::unique_ptr<FrontmostApplication> FrontmostApplication::create()
{
    return std::make_unique<X11FrontmostApplication>();
}

xcb_connection_t *X11FrontmostApplication::x11DefaultConnection()
{
    return x11Connection();
}

X11FrontmostApplication::X11FrontmostApplication(xcb_connection_t *connection)
{
    if (const xcb_screen_t *screen = x11FirstScreen(connection)) {
        m_connection = connection;
        m_root = screen->root;
    }
}

quint32 X11FrontmostApplication::atom(const char *name) const
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(m_connection, /*only_if_exists=*/1, uint16_t(std::strlen(name)), name);
    xcb_generic_error_t *error = nullptr;
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(m_connection, cookie, &error));
    const XcbReply<xcb_generic_error_t> ownedError(error);
    return reply ? reply->atom : quint32(XCB_ATOM_NONE);
}

QByteArray X11FrontmostApplication::property(quint32 window, quint32 property, quint32 type) const
{
    if (property == XCB_ATOM_NONE)
        return {};
    // Identifiers and class names are short; 1024 32-bit units is far more than any holds.
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(m_connection, 0, window, property, type, 0, 1024);
    // A window that has gone away answers with an error; taking it here keeps it away from
    // the application's event handling.
    xcb_generic_error_t *error = nullptr;
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(m_connection, cookie, &error));
    const XcbReply<xcb_generic_error_t> ownedError(error);
    if (!reply || reply->type == XCB_ATOM_NONE)
        return {};
    return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

std::optional<quint32> X11FrontmostApplication::activeWindow() const
{
    const QByteArray value = property(m_root, atom("_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW);
    if (value.size() < int(sizeof(quint32)))
        return std::nullopt;
    quint32 window = 0;
    std::memcpy(&window, value.constData(), sizeof window);
    if (window == XCB_WINDOW_NONE)
        return std::nullopt;
    return window;
}

std::optional<QString> X11FrontmostApplication::bundleIdentifier() const
{
    if (!m_connection || xcb_connection_has_error(m_connection))
        return std::nullopt;
    const std::optional<quint32> window = activeWindow();
    if (!window)
        return std::nullopt;

    const quint32 utf8 = atom("UTF8_STRING");
    for (const char *name : {"_GTK_APPLICATION_ID", "_KDE_NET_WM_DESKTOP_FILE"}) {
        const QByteArray id = property(*window, atom(name), utf8).trimmed();
        if (!id.isEmpty())
            return QString::fromUtf8(id);
    }

    // WM_CLASS holds two NUL-terminated Latin-1 strings: the instance name, then the class name.
    const QList<QByteArray> parts = property(*window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING).split('\0');
    const QByteArray className = parts.size() > 1 ? parts.at(1) : QByteArray();
    const QByteArray instanceName = parts.value(0);
    if (!className.isEmpty())
        return QString::fromLatin1(className);
    if (!instanceName.isEmpty())
        return QString::fromLatin1(instanceName);
    return std::nullopt;
}

} // namespace quorvane
