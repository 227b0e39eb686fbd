// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/clipboard_format.h"
#include "capture/text_clipboard.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>

namespace quorvane {

class Pasteboard;

// Puts recognised text on the clipboard, as plain text alone or in several
// representations at once, and counts its successful copies. Main thread.
// Failures are thrown as `ClipboardError`; a failed copy leaves the clipboard as it was
// whenever the failure is known before writing.
class ClipboardService : public QObject, public TextClipboard {
    Q_OBJECT
    Q_PROPERTY(int operationCount READ operationCount NOTIFY operationCountChanged)
public:
    // `pasteboard` must outlive the service.
    explicit ClipboardService(Pasteboard &pasteboard, QObject *parent = nullptr);

    // Replaces the clipboard's content with `text` as plain text. Throws `emptyContent`
    // for an empty text and `writeFailed` when the clipboard refuses it.
    void copyText(const QString &text) override;

    // Replaces the clipboard's content with `text` in every representation of `formats`.
    // All conversions happen before the clipboard is touched, so `conversionFailed`,
    // `emptyContent` and an empty `formats` (`writeFailed`) leave it unchanged.
    void copyTextInFormats(const QString &text, const QList<ClipboardFormat> &formats) override;

    // The text as an RTF document in the system font, in black; none when the text is
    // not valid Unicode.
    std::optional<QByteArray> rtfData(const QString &text) const;
    // The text as a UTF-8 HTML page with the text escaped inside a pre-wrap block; none
    // when the text is not valid Unicode.
    std::optional<QByteArray> htmlData(const QString &text) const;

    // Successful copy operations since the service was made.
    int operationCount() const { return m_operationCount; }

signals:
    void operationCountChanged(int operationCount);

private:
    void countOperation();

    Pasteboard &m_pasteboard;
    int m_operationCount = 0;
};

} // namespace quorvane
