// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/clipboard_format.h"


namespace quorvane {

QString displayName(ClipboardFormat format)
{
    switch (format) {
    case ClipboardFormat::plainText:
        //: Plain text format
        //% "Plain Text"
        return qtTrId("clipboard.format.plain");
    case ClipboardFormat::rtf:
        //: RTF format
        //% "Rich Text"
        return qtTrId("clipboard.format.rtf");
    case ClipboardFormat::markdown:
        //: Markdown format
        //% "Markdown"
        return qtTrId("clipboard.format.markdown");
    case ClipboardFormat::html:
        //: HTML format
        //% "HTML"
        return qtTrId("clipboard.format.html");
    }
    return {};
}

} // namespace quorvane
