// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pins/pin_font_size.h"

#include <QString>
#include <QWidget>

#include <functional>

class QPlainTextEdit;

namespace quorvane {

// An editor for the pin's text on a clear background, inside an 8-point margin. Every
// change of the text, typed or set by the owner, is handed to `onTextChange` at once;
// the text it starts with is not.
class PinTextEditorView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPadding = 8;

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

private:
    void applyFont();
    void applyWrapMode(const QString &text);
    void editorTextChanged();
    QString editorText() const;

    QPlainTextEdit *m_editor;
    QString m_text;
    bool m_usesMonospace;
    PinFontSize m_fontSize;
    TextChangeHandler m_onTextChange;
    bool m_settingText = false;
};

} // namespace quorvane
