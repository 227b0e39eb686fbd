// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/export_format.h"


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
        //: TXT export format
        //% "Plain Text (.txt)"
        return qtTrId("export.format.txt");
    case ExportFormat::markdown:
        //: Markdown export format
        //% "Markdown (.md)"
        return qtTrId("export.format.markdown");
    case ExportFormat::pdf:
        //: PDF export format
        //% "PDF Document (.pdf)"
        return qtTrId("export.format.pdf");
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
