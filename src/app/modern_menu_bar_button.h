// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QIcon>
#include <QString>

#include <functional>
#include <optional>

class QPalette;
class QVariantAnimation;

namespace quorvane {

// One row of the menu-bar panel: a symbol, the title and an optional shortcut hint on a
// rounded background that lights up under the mouse and when the row is the focused one.
// The whole row takes clicks. Used only by MenuBarPanelView.
class ModernMenuBarButton : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int cornerRadius = 6;
    static constexpr int hoverAnimationMs = 150;

    // The colours a row is drawn in.
    struct Colours {
        QColor icon;
        QColor title;
        QColor background;
    };
    static Colours colours(const QPalette &palette, bool isPrimary, bool isFocused, bool isHovered);

    // `icon` names a symbol ("viewfinder", "clock.arrow.circlepath", "gear", "power");
    // `title` is shown as given.
    ModernMenuBarButton(QString icon, QString title, std::optional<QString> shortcut, bool isPrimary,
                        std::function<void()> action, QWidget *parent = nullptr);
    ~ModernMenuBarButton() override;

    const QString &iconName() const { return m_icon; }
    const std::optional<QString> &shortcut() const { return m_shortcut; }
    bool isPrimary() const { return m_isPrimary; }
    bool isFocused() const { return m_isFocused; }
    void setFocused(bool focused);
    bool isHovered() const { return m_isHovered; }
    // The colours the row settles on in its present state.
    Colours currentColours() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void setHovered(bool hovered);
    QIcon symbol() const;

    QString m_icon;
    std::optional<QString> m_shortcut;
    bool m_isPrimary;
    bool m_isFocused = false;
    bool m_isHovered = false;
    // 0 = not hovered, 1 = hovered; eased between the two.
    qreal m_hoverProgress = 0;
    // The symbol's size factor while it bounces.
    qreal m_bounce = 1;
    QVariantAnimation *m_hoverAnimation;
    QVariantAnimation *m_bounceAnimation;
};

} // namespace quorvane
