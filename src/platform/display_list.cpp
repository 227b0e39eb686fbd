// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/display_list.h"

#include <QCryptographicHash>
#include <QScreen>

#include <cstring>

namespace quorvane {

std::optional<DisplayInfo> DisplayList::display(quint32 displayId) const
{
    for (const DisplayInfo &info : activeDisplays()) {
        if (info.id == displayId)
            return info;
    }
    return std::nullopt;
}

QFuture<void> DisplayList::refresh()
{
    return QtFuture::makeReadyFuture();
}

quint32 DisplayList::idFromOutput(const QScreen &screen)
{
    const QByteArray key = (screen.name() + u'\n' + screen.manufacturer() + u'\n' + screen.model() + u'\n'
                            + screen.serialNumber())
                               .toUtf8();
    const QByteArray digest = QCryptographicHash::hash(key, QCryptographicHash::Sha1);
    quint32 id = 0;
    std::memcpy(&id, digest.constData(), sizeof id);
    // 0 stands for "no monitor".
    return id == 0 ? 1 : id;
}

} // namespace quorvane
