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
    static constexpr int fixedWidth = 320;

    // `shortcutText` is the quick capture shortcut as the key cap shows it.
    explicit FirstLaunchTooltip(const QString &shortcutText, QWidget *parent = nullptr);
    ~FirstLaunchTooltip() override;

    QString shortcutText() const;
    void setShortcutText(const QString &text);

    // Shows the note below `anchor` (above it when there is no room below), kept on the
    // anchor's screen; with an empty anchor, at the top right of the primary screen.
    void showRelativeTo(const QRect &anchor);

    // Where the note goes for `anchor` on a screen whose usable area is `available`.
    static QRect placement(const QRect &anchor, const QSize &size, const QRect &available);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_keyCap = nullptr;
};

} // namespace quorvane
