// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/display_list.h"

#include <QHash>
#include <QObject>
#include <QPointer>

class QScreen;

namespace quorvane {

// Monitors from Qt's screen list. Each one is identified by its RandR output id, which the
// X server keeps for as long as it runs; where RandR cannot name the output (or there is
// no X server, as under the offscreen platform), by a hash of the monitor's name, maker,
// model and serial, which is as stable as those are.
class X11DisplayList : public QObject, public DisplayList {
    Q_OBJECT
public:
    explicit X11DisplayList(QObject *parent = nullptr);

    QList<DisplayInfo> activeDisplays() const override;
    quint32 mainDisplayId() const override;
    QImage grab(quint32 displayId, const QRect &rect) const override;

private:
    quint32 idOf(QScreen *screen) const;
    QScreen *screenOf(quint32 displayId) const;
    // Reads the pixels straight from the root window; null where that is not possible.
    QImage grabFromRoot(QScreen *screen, const QRect &area) const;
    // RandR output ids by output name; empty where RandR is missing.
    QHash<QString, quint32> randrOutputs() const;

    mutable QHash<QString, quint32> m_outputsByName;
    mutable bool m_outputsRead = false;
};

} // namespace quorvane
