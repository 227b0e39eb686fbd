// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/text_processing_settings.h"

#include <QWidget>

#include <array>

class QLabel;

namespace quorvane {

class SettingsStore;
class SwitchRow;

// The Text & Formatting pane: three switches over a copy of the text-processing settings,
// reloaded from the shared store whenever the pane comes on screen; every change writes
// the whole copy through the store.
class TextFormattingPreferencesView : public QWidget {
    Q_OBJECT
public:
    enum class Row { preserveLineBreaks, avoidSmartQuotes, collapseSpaces };

    // `textProcessing` seeds the copy until the pane first comes on screen.
    TextFormattingPreferencesView(SettingsStore &settingsStore, const TextProcessingSettings &textProcessing,
                                  QWidget *parent = nullptr);

    const TextProcessingSettings &textProcessing() const { return m_textProcessing; }
    SwitchRow *row(Row row) const { return m_rows.at(static_cast<size_t>(row)); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Sets every text of the pane in the interface language.
    void retranslate();
    void showCopy();
    void changeField(Row row, bool value);
    QWidget *makeCodeModeNote();

    SettingsStore &m_settingsStore;
    TextProcessingSettings m_textProcessing;
    std::array<SwitchRow *, 3> m_rows{};
    QLabel *m_header = nullptr;
    QLabel *m_noteTitle = nullptr;
    QLabel *m_noteDescription = nullptr;
};

} // namespace quorvane
