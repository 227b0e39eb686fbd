#include "capture/clipboard_format.h"

#include "platform/l10n.h"

namespace quorvane {

QString displayName(ClipboardFormat format)
{
    switch (format) {
    case ClipboardFormat::plainText:
        return L10n::text("clipboard.format.plain", "Plain Text", "Plain text format");
    case ClipboardFormat::rtf:
        return L10n::text("clipboard.format.rtf", "Rich Text", "RTF format");
    case ClipboardFormat::markdown:
        return L10n::text("clipboard.format.markdown", "Markdown", "Markdown format");
    case ClipboardFormat::html:
        return L10n::text("clipboard.format.html", "HTML", "HTML format");
    }
    return {};
}

} // namespace quorvane
