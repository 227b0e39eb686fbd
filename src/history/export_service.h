// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/capture_history_entry.h"
#include "history/export_format.h"

#include <QObject>
#include <QString>
#include <QUrl>

class QWidget;

#include <memory>
#include <optional>

class QTextDocument;

namespace quorvane {

class SavePanel;

// Writes one capture to a file the user chooses, as plain text, Markdown or PDF, and
// announces the outcome. Main thread; holds no state.
class ExportService : public QObject {
    Q_OBJECT
public:
    // Must outlive the service.
    explicit ExportService(SavePanel &savePanel, QObject *parent = nullptr);
    ~ExportService() override;

    // Proposes a file name, asks where to save and writes the file. True when written;
    // false when the user cancelled (nothing emitted) or writing failed (`exportFailed`).
    // Success emits `exportSucceeded`. Never throws.
    // The save panel opens as a dialog of `window` when one is given.
    virtual bool exportEntry(const CaptureHistoryEntry &entry, ExportFormat format, QWidget *window = nullptr);

    // The chosen path, or none when the user cancelled.
    virtual std::optional<QString> showSavePanel(const QString &defaultFilename, ExportFormat format,
                                                 QWidget *window = nullptr);

    // "Quorvane_<yyyy-MM-dd_HHmmss>[_<first three title words>].<extension>", local time,
    // the words reduced to ASCII letters, digits, "_" and "-".
    static QString makeDefaultFilename(const CaptureHistoryEntry &entry, ExportFormat format);

    // Each writes one file atomically, replacing an existing one; throws ExportError.
    virtual void exportAsText(const CaptureHistoryEntry &entry, const QString &destination);
    virtual void exportAsMarkdown(const CaptureHistoryEntry &entry, const QString &destination);
    virtual void exportAsPDF(const CaptureHistoryEntry &entry, const QString &destination);

    // The styled text a PDF export lays out: title, metadata, separator, captured text.
    static std::unique_ptr<QTextDocument> makePDFAttributedString(const CaptureHistoryEntry &entry);

signals:
    // The capture was written to `url` as `format` (its display name).
    void exportSucceeded(const QUrl &url, const QString &format);
    // Writing failed; `error` says why, in the user's words.
    void exportFailed(const QString &error);

private:
    SavePanel &m_savePanel;
};

} // namespace quorvane
