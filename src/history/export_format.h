// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <optional>

namespace quorvane {

// The kinds of file one capture can be exported to.
enum class ExportFormat { txt, markdown, pdf };

inline constexpr std::array<ExportFormat, 3> kAllExportFormats{
    ExportFormat::txt, ExportFormat::markdown, ExportFormat::pdf};

// "txt", "md", "pdf": also the file extension.
QString rawValue(ExportFormat format);
// The format of a raw value; none for any other string.
std::optional<ExportFormat> exportFormatFromRawValue(const QString &raw);
// The localised name, e.g. "Markdown (.md)".
QString displayName(ExportFormat format);
// The MIME type the save panel offers: "text/plain", "text/markdown", "application/pdf".
QString mimeType(ExportFormat format);

} // namespace quorvane
