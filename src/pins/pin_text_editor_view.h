// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pins/pin_font_size.h"

#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QPlainTextEdit;

namespace quorvane {

// An editor for the pin's text on a clear background, inside an 8-point margin. Every
// change of the text, typed or set by the owner, is handed to `onTextChange` at once;
// the text it starts with is not. A text longer than kLongestShownText is shown only in
// part, read-only, with a note saying so: laying out megabytes would hold the program
// for seconds at every start. The view still holds it whole, and never reports the part.
class PinTextEditorView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPadding = 8;
    // Laid out in about a tenth of a second (bench/pin_long_text).
    static constexpr qsizetype kLongestShownText = 200'000;

    using TextChangeHandler = std::function<void(const QString &text)>;

    PinTextEditorView(QString text, bool usesMonospace, PinFontSize fontSize, TextChangeHandler onTextChange,
                      QWidget *parent = nullptr);

    const QString &text() const { return m_text; }
    // Replaces the text; a different text is reported once, as a keystroke would be.
    void setText(const QString &text);
    void setUsesMonospace(bool usesMonospace);
    bool usesMonospace() const { return m_usesMonospace; }
    void setFontSize(PinFontSize fontSize);
    PinFontSize fontSize() const { return m_fontSize; }

    QPlainTextEdit *editor() const { return m_editor; }
    // Says that only part of the text is shown; hidden otherwise.
    QLabel *partNote() const { return m_partNote; }
    bool showsPart() const { return m_showsPart; }

private:
    void applyFont();
    void applyWrapMode(const QString &text);
    // Puts m_text (or its first part) into the editor.
    void showText();
    void updatePartNote();
    void editorTextChanged();
    QString editorText() const;

    QPlainTextEdit *m_editor;
    QLabel *m_partNote;
    QString m_text;
    bool m_usesMonospace;
    PinFontSize m_fontSize;
    TextChangeHandler m_onTextChange;
    bool m_settingText = false;
    bool m_showsPart = false;
    qsizetype m_shownLength = 0;
};

} // namespace quorvane
