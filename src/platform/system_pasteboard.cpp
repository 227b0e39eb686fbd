// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system_pasteboard.h"

#include "platform/session_type.h"
#include "platform/wayland_pasteboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace quorvane {

std::unique_ptr<Pasteboard> Pasteboard::createSystem()
{
    // A Wayland compositor takes a window's own selection only just after the user's input
    // in it, which a capture from a shortcut or a repeat does not have.
    if (currentSessionType() == SessionType::wayland) {
        if (const auto tools = WaylandPasteboard::findTools())
            return std::make_unique<WaylandPasteboard>(tools->first, tools->second);
    }
    return std::make_unique<SystemPasteboard>(QGuiApplication::clipboard());
}

SystemPasteboard::SystemPasteboard(QClipboard *clipboard)
    : m_clipboard(clipboard)
{
}

QStringList SystemPasteboard::write(const QList<Representation> &representations)
{
    if (!m_clipboard)
        return {};
    auto mime = std::make_unique<QMimeData>();
    for (const Representation &r : representations) {
        // Plain text goes through setText so X11 also offers it as UTF8_STRING and STRING.
        if (r.mimeType == QLatin1String("text/plain"))
            mime->setText(QString::fromUtf8(r.data));
        else
            mime->setData(r.mimeType, r.data);
    }
    const QMimeData *ours = mime.get();
    m_clipboard->setMimeData(mime.release(), QClipboard::Clipboard);

    // The content counts as written only while the clipboard holds it; on X11 that also
    // means this program owns the selection, or no other program could read it.
    bool held = m_clipboard->mimeData(QClipboard::Clipboard) == ours;
    if (held && QGuiApplication::platformName() == QLatin1String("xcb"))
        held = m_clipboard->ownsClipboard();
    QStringList accepted;
    if (!held)
        return accepted;
    for (const Representation &r : representations) {
        if (ours->hasFormat(r.mimeType) && !accepted.contains(r.mimeType))
            accepted.append(r.mimeType);
    }
    return accepted;
}

} // namespace quorvane
