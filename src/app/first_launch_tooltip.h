// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QWidget>

class QLabel;

namespace quorvane {

// The small note shown once under the status icon: welcome, the capture shortcut and
// the right-click hint. It takes no focus, and closes when clicked, when the user
// clicks another of the program's windows, or when its owner dismisses it.
class FirstLaunchTooltip : public QWidget {
    Q_OBJECT
public:
    // The note is this wide at least, and wider as far as its texts need (see fitToContent).
    static constexpr int minimumWidth = 320;

    // `shortcutText` is the quick capture shortcut as the key cap shows it; empty where the
    // desktop offers programs no shortcuts, and the note says how to bind the command instead.
    explicit FirstLaunchTooltip(const QString &shortcutText, QWidget *parent = nullptr);
    ~FirstLaunchTooltip() override;

    QString shortcutText() const;
    void setShortcutText(const QString &text);

    // Shows the note below `anchor` (above it when there is no room below), kept on the
    // anchor's screen; with an empty anchor, at the top right of the primary screen.
    void showRelativeTo(const QRect &anchor);

    static QString title();
    // The note's capture sentence as one line of text, as a notification carries it.
    static QString captureSentence(const QString &shortcutText);

    // Where the note goes for `anchor` on a screen whose usable area is `available`.
    static QRect placement(const QRect &anchor, const QSize &size, const QRect &available);

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static QString pressSentence();
    void showShortcutOrBinding();
    // Sizes the note to its texts in the language and font of the moment: each line whole
    // where that stays within a readable width, wrapped where not.
    void fitToContent();
    // Below (or above) the anchor, whole on its screen.
    void place();

    QLabel *m_hand = nullptr;
    QLabel *m_heading = nullptr;
    QWidget *m_pressRow = nullptr;
    QLabel *m_press = nullptr;
    QLabel *m_keyCap = nullptr;
    QLabel *m_action = nullptr;
    QLabel *m_bindLabel = nullptr;
    QLabel *m_hint = nullptr;
    QRect m_anchor;
};

} // namespace quorvane
