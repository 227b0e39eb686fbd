// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QClipboard;

namespace quorvane {

// The system clipboard as a set of representations of one piece of content.
class Pasteboard {
public:
    // One representation: its MIME type and its bytes (UTF-8 for text types).
    struct Representation {
        QString mimeType;
        QByteArray data;
    };

    virtual ~Pasteboard() = default;

    // Replaces everything the clipboard holds with `representations`, in one step, and
    // returns the MIME types of those that the clipboard now offers. An empty result means
    // the clipboard refused the content. Main thread.
    virtual QStringList write(const QList<Representation> &representations) = 0;

    // The desktop's clipboard (the CLIPBOARD selection on X11).
    static std::unique_ptr<Pasteboard> createSystem();
};

} // namespace quorvane
