#include "history/export_format.h"

#include "platform/l10n.h"

namespace quorvane {

QString rawValue(ExportFormat format)
{
    switch (format) {
    case ExportFormat::txt: return QStringLiteral("txt");
    case ExportFormat::markdown: return QStringLiteral("md");
    case ExportFormat::pdf: return QStringLiteral("pdf");
    }
    return {};
}

std::optional<ExportFormat> exportFormatFromRawValue(const QString &raw)
{
    for (ExportFormat format : kAllExportFormats) {
        if (rawValue(format) == raw)
            return format;
    }
    return std::nullopt;
}

QString displayName(ExportFormat format)
{
    switch (format) {
    case ExportFormat::txt:
        return L10n::text("export.format.txt", "Plain Text (.txt)", "TXT export format");
    case ExportFormat::markdown:
        return L10n::text("export.format.markdown", "Markdown (.md)", "Markdown export format");
    case ExportFormat::pdf:
        return L10n::text("export.format.pdf", "PDF Document (.pdf)", "PDF export format");
    }
    return {};
}

QString mimeType(ExportFormat format)
{
    switch (format) {
    case ExportFormat::txt: return QStringLiteral("text/plain");
    case ExportFormat::markdown: return QStringLiteral("text/markdown");
    case ExportFormat::pdf: return QStringLiteral("application/pdf");
    }
    return {};
}

} // namespace quorvane
