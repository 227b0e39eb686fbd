// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/pasteboard.h"

class QClipboard;

namespace quorvane {

// Pasteboard over QClipboard: the content is offered to other programs through a
// QMimeData, so each representation is served under its own MIME type.
class SystemPasteboard : public Pasteboard {
public:
    explicit SystemPasteboard(QClipboard *clipboard);

    QStringList write(const QList<Representation> &representations) override;

private:
    QClipboard *m_clipboard;
};

} // namespace quorvane
