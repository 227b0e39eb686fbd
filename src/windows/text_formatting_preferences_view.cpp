// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/text_formatting_preferences_view.h"

#include "core/settings_store.h"
#include "platform/language_change.h"
#include "windows/form_section.h"
#include "windows/save_failure_banner.h"
#include "windows/form_style.h"
#include "windows/pane_symbol.h"
#include "windows/switch_row.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace quorvane {

namespace {

// The tinted note about code-mode captures.
class NoteBox : public QWidget {
public:
    explicit NoteBox(QWidget *parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(FormStyle::withOpacity(FormStyle::accentColor(palette()), 0.1));
        p.drawRoundedRect(rect(), 8, 8);
    }
};

} // namespace

TextFormattingPreferencesView::TextFormattingPreferencesView(SettingsStore &settingsStore,
                                                             const TextProcessingSettings &textProcessing,
                                                             QWidget *parent)
    : QWidget(parent), m_settingsStore(settingsStore), m_textProcessing(textProcessing)
{
    auto *form = new QVBoxLayout(this);
    form->setContentsMargins(20, 16, 20, 16);
    form->setSpacing(12);

    auto *section = new FormSection(20, this);
    m_header = FormStyle::makeLabel(QString(), FormStyle::Text::subheadline, section);
    FormStyle::makeSecondary(m_header);
    m_header->setContentsMargins(0, 0, 0, 8);
    section->content()->addWidget(m_header);

    for (SwitchRow *&row : m_rows)
        row = new SwitchRow(QString(), QString(), section);
    for (size_t i = 0; i < m_rows.size(); ++i) {
        section->content()->addWidget(m_rows[i]);
        if (i + 1 < m_rows.size())
            section->content()->addWidget(FormStyle::makeDivider(section));
        const Row which = static_cast<Row>(i);
        connect(m_rows[i], &SwitchRow::toggledByUser, this, [this, which](bool on) { changeField(which, on); });
    }
    form->addWidget(section);

    auto *noteSection = new FormSection(0, this);
    noteSection->content()->setContentsMargins(10, 10, 10, 10);
    noteSection->content()->addWidget(makeCodeModeNote());
    form->addWidget(noteSection);
    form->addWidget(new SaveFailureBanner(m_settingsStore, this));
    form->addStretch(1);

    showCopy();
    onLanguageChange(this, [this] { retranslate(); });
}

void TextFormattingPreferencesView::retranslate()
{
    //: Text formatting header
    //% "Configure how captured text is processed before copying to clipboard"
    m_header->setText(qtTrId("preferences.text_formatting.header"));
    m_rows[0]->setTexts(
        //: Preserve line breaks toggle
        //% "Preserve original line breaks"
        qtTrId("preferences.text_formatting.preserve_line_breaks"),
        //: Preserve line breaks description
        //% "Keep line breaks as they appear in the original text. When disabled, paragraphs are merged into continuous lines"
        qtTrId("preferences.text_formatting.preserve_line_breaks.description"));
    m_rows[1]->setTexts(
        //: Avoid smart quotes toggle
        //% "Avoid smart quotes (convert to ASCII)"
        qtTrId("preferences.text_formatting.avoid_smart_quotes"),
        //: Avoid smart quotes description
        //% "Convert typographic quotes (“”) to plain ASCII quotes (\"\"). Also converts em-dashes (—) and ellipses (…) to ASCII equivalents"
        qtTrId("preferences.text_formatting.avoid_smart_quotes.description"));
    m_rows[2]->setTexts(
        //: Collapse spaces toggle
        //% "Collapse multiple spaces into one"
        qtTrId("preferences.text_formatting.collapse_spaces"),
        //: Collapse spaces description
        //% "Replace consecutive spaces with a single space. Helps clean up OCR results"
        qtTrId("preferences.text_formatting.collapse_spaces.description"));
    //: Code mode note title
    //% "Code Mode Exception"
    m_noteTitle->setText(qtTrId("preferences.text_formatting.code_mode_note.title"));
    //: Code mode note description
    //% "These settings do not apply to Code Mode captures. Code Mode preserves all original formatting, including spaces, line breaks, and special characters"
    m_noteDescription->setText(qtTrId("preferences.text_formatting.code_mode_note.description"));
}

QWidget *TextFormattingPreferencesView::makeCodeModeNote()
{
    auto *note = new NoteBox(this);
    auto *row = new QHBoxLayout(note);
    row->setContentsMargins(12, 12, 12, 12);
    row->setSpacing(12);

    auto *icon = new QLabel(note);
    const int iconSize = QFontMetrics(FormStyle::font(font(), FormStyle::Text::title3)).height();
    icon->setPixmap(paneSymbolPixmap(PaneSymbol::infoCircleFill, FormStyle::accentColor(palette()), iconSize,
                                       devicePixelRatioF()));
    row->addWidget(icon, 0, Qt::AlignTop);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(4);
    m_noteTitle = FormStyle::makeLabel(QString(), FormStyle::Text::boldBody, note);
    texts->addWidget(m_noteTitle);
    m_noteDescription = FormStyle::makeLabel(QString(), FormStyle::Text::caption, note);
    FormStyle::makeSecondary(m_noteDescription);
    texts->addWidget(m_noteDescription);
    row->addLayout(texts, 1);
    return note;
}

void TextFormattingPreferencesView::showEvent(QShowEvent *event)
{
    // A value changed elsewhere while the pane was hidden shows when it returns. The copy
    // then equals the store's value, so nothing needs writing back.
    m_textProcessing = m_settingsStore.settings().textProcessing;
    showCopy();
    QWidget::showEvent(event);
}

void TextFormattingPreferencesView::showCopy()
{
    m_rows[0]->setChecked(m_textProcessing.preserveLineBreaks);
    m_rows[1]->setChecked(m_textProcessing.avoidSmartQuotes);
    m_rows[2]->setChecked(m_textProcessing.collapseSpaces);
}

void TextFormattingPreferencesView::changeField(Row row, bool value)
{
    switch (row) {
    case Row::preserveLineBreaks: m_textProcessing.preserveLineBreaks = value; break;
    case Row::avoidSmartQuotes: m_textProcessing.avoidSmartQuotes = value; break;
    case Row::collapseSpaces: m_textProcessing.collapseSpaces = value; break;
    }
    try {
        m_settingsStore.setTextProcessing(m_textProcessing);
    } catch (const SettingsStoreError &) {
        // Refused (while two stored shortcuts are equal): the switches show what the store kept.
        m_textProcessing = m_settingsStore.settings().textProcessing;
        showCopy();
    }
}

} // namespace quorvane
