// SPDX-License-Identifier: GPL-3.0-or-later
#include "pins/pin_text_editor_view.h"

#include "platform/language_change.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVBoxLayout>

namespace quorvane {

namespace {
// Longer runs without a place to break make the word-wrapping layout search the whole
// rest of the run for every line it makes: a megabyte of base64 took minutes.
constexpr qsizetype kLongestUnbrokenRun = 2000;

bool hasLongUnbrokenRun(const QString &text)
{
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() || c.isPunct() ? 0 : run + 1;
        if (run > kLongestUnbrokenRun)
            return true;
    }
    return false;
}
} // namespace

PinTextEditorView::PinTextEditorView(QString text, bool usesMonospace, PinFontSize fontSize,
                                     TextChangeHandler onTextChange, QWidget *parent)
    : QWidget(parent),
      m_editor(new QPlainTextEdit(this)),
      m_partNote(new QLabel(this)),
      m_text(std::move(text)),
      m_usesMonospace(usesMonospace),
      m_fontSize(fontSize),
      m_onTextChange(std::move(onTextChange))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kPadding, kPadding, kPadding, kPadding);
    layout->addWidget(m_editor);
    m_partNote->setWordWrap(true);
    m_partNote->setTextFormat(Qt::PlainText);
    m_partNote->hide();
    layout->addWidget(m_partNote);

    // Clear, so the panel's own background shows through.
    m_editor->setFrameShape(QFrame::NoFrame);
    m_editor->setBackgroundVisible(false);
    m_editor->viewport()->setAutoFillBackground(false);
    m_editor->setStyleSheet(QStringLiteral("QPlainTextEdit { background: transparent; }"));
    onLanguageChange(m_editor, [editor = m_editor] {
        //: Accessibility label for text editor
        //% "Captured text editor"
        editor->setAccessibleName(qtTrId("pin_widget.text.accessibility"));
    });
    onLanguageChange(m_partNote, [this] { updatePartNote(); });
    m_editor->document()->setDocumentMargin(0);
    showText();
    applyFont();
    connect(m_editor, &QPlainTextEdit::textChanged, this, &PinTextEditorView::editorTextChanged);
}

void PinTextEditorView::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    m_settingText = true;
    showText();
    m_settingText = false;
    // The owner's own text is reported, not the editor's rendering of it.
    if (m_onTextChange)
        m_onTextChange(m_text);
}

void PinTextEditorView::showText()
{
    m_showsPart = m_text.size() > kLongestShownText;
    if (!m_showsPart) {
        m_editor->setReadOnly(false);
        applyWrapMode(m_text);
        m_editor->setPlainText(m_text);
        updatePartNote();
        return;
    }
    qsizetype cut = kLongestShownText;
    if (m_text.at(cut - 1).isHighSurrogate())
        --cut;
    m_shownLength = cut;
    const QString part = m_text.left(cut);
    // An edit of the part could not be told from a cut of the rest.
    m_editor->setReadOnly(true);
    applyWrapMode(part);
    m_editor->setPlainText(part);
    updatePartNote();
}

void PinTextEditorView::updatePartNote()
{
    m_partNote->setVisible(m_showsPart);
    if (!m_showsPart)
        return;
    const QLocale locale;
    //: Note under a pin's text that is too long to show whole; %1 and %2 are numbers of characters
    //% "Only the first %1 of %2 characters are shown, and the text cannot be edited here. Copy takes the whole text."
    m_partNote->setText(qtTrId("pin_widget.text.part_shown")
                            .arg(locale.toString(m_shownLength),
                                 locale.toString(m_text.size())));
}

void PinTextEditorView::setUsesMonospace(bool usesMonospace)
{
    if (usesMonospace == m_usesMonospace)
        return;
    m_usesMonospace = usesMonospace;
    applyFont();
}

void PinTextEditorView::setFontSize(PinFontSize fontSize)
{
    if (fontSize == m_fontSize)
        return;
    m_fontSize = fontSize;
    applyFont();
}

// Sizes are in logical pixels, which is what a point is on the screens the sizes were
// chosen for.
void PinTextEditorView::applyFont()
{
    QFont font = m_usesMonospace ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : QFont();
    if (m_usesMonospace)
        font.setStyleHint(QFont::Monospace);
    font.setPixelSize(pointSize(m_fontSize));
    m_editor->setFont(font);
}

void PinTextEditorView::applyWrapMode(const QString &text)
{
    // Such text has no words to keep whole; breaking anywhere lays it out in linear time.
    m_editor->setWordWrapMode(hasLongUnbrokenRun(text) ? QTextOption::WrapAnywhere
                                                       : QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void PinTextEditorView::editorTextChanged()
{
    if (m_settingText || m_showsPart)
        return;
    const QString text = editorText();
    if (text == m_text)
        return;
    m_text = text;
    // A long unbroken run may have been pasted in.
    if (m_editor->wordWrapMode() != QTextOption::WrapAnywhere && hasLongUnbrokenRun(text))
        m_editor->setWordWrapMode(QTextOption::WrapAnywhere);
    if (m_onTextChange)
        m_onTextChange(m_text);
}

// The text as typed: toPlainText() would also turn no-break spaces into plain ones,
// changing parts of the text the user never touched.
QString PinTextEditorView::editorText() const
{
    QString text = m_editor->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

} // namespace quorvane
