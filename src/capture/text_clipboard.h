// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/clipboard_format.h"

#include <QList>
#include <QString>

namespace quorvane {

// Where a capture's text goes. Failures are thrown as ClipboardError.
class TextClipboard {
public:
    virtual ~TextClipboard() = default;

    // Replaces the clipboard's content with `text` as plain text.
    virtual void copyText(const QString &text) = 0;
    // Replaces the clipboard's content with `text` in every representation of `formats`.
    virtual void copyTextInFormats(const QString &text, const QList<ClipboardFormat> &formats) = 0;
};

} // namespace quorvane
