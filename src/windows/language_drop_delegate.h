// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/ocr_language.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QMimeData;

namespace quorvane {

// The drop side of one row of the language list. A drag that enters the row carrying a
// chosen language's identifier moves that language to the row's place in the priority
// list at once: moving down it lands just after the row, moving up just before it.
class LanguageDropDelegate {
public:
    // The drag carries the dragged row's identifier as UTF-8 text of this type.
    static constexpr const char *payloadType = "text/plain";

    using ReadLanguages = std::function<QStringList()>;
    using WriteLanguages = std::function<void(const QStringList &)>;

    // `language` is the row; the two functions read and write the list being ordered.
    LanguageDropDelegate(OCRLanguage language, ReadLanguages readLanguages, WriteLanguages writeLanguages,
                         QList<OCRLanguage> allLanguages);

    const OCRLanguage &language() const { return m_language; }

    // Reorders the list for a drag entering the row; does nothing when the payload is
    // not readable text, names the row itself, or either language is not chosen.
    void dropEntered(const QMimeData &data) const;
    // The list was already reordered as the drag entered; the drop only succeeds.
    bool performDrop() const { return true; }

    // `languages` with `dragged` moved to `target`'s place; none when nothing moves.
    static std::optional<QStringList> moved(const QStringList &languages, const QString &dragged,
                                            const QString &target);

private:
    OCRLanguage m_language;
    ReadLanguages m_readLanguages;
    WriteLanguages m_writeLanguages;
    QList<OCRLanguage> m_allLanguages;
};

} // namespace quorvane
