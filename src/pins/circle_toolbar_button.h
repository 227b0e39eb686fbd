// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pins/pin_symbol.h"

#include <QAbstractButton>
#include <QVariantAnimation>

#include <variant>

namespace quorvane {

class MotionPreference;

// A round 28 x 28 toolbar button of the pin: a symbol (or the opacity dots) in the
// secondary colour, or the accent colour while active, on a faint grey disc that lights up
// under the pointer. The light fades over 0.15 s unless the user asked for less motion.
class CircleToolbarButton : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int kSize = 28;
    static constexpr int kHoverFadeMs = 150;

    // Three dots of which the first `level` are full.
    struct OpacityDots {
        int level = 3;
        bool operator==(const OpacityDots &) const = default;
    };
    using Content = std::variant<PinSymbol, OpacityDots>;

    CircleToolbarButton(const MotionPreference &motion, QWidget *parent = nullptr);

    void setContent(Content content);
    const Content &content() const { return m_content; }
    // Active buttons show their label in the accent colour.
    void setActive(bool active);
    bool isActive() const { return m_active; }
    // Whether the pointer is over the button, and how far the highlight has come (0 to 1).
    bool isHovered() const { return m_hovered; }
    qreal hoverProgress() const { return m_hoverProgress; }

    QSize sizeHint() const override { return {kSize, kSize}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void setHovered(bool hovered);
    void paintDots(QPainter &painter, const QColor &color, int level) const;

    const MotionPreference &m_motion;
    Content m_content = PinSymbol::xmark;
    bool m_active = false;
    bool m_hovered = false;
    qreal m_hoverProgress = 0;
    QVariantAnimation m_hoverAnimation;
};

} // namespace quorvane
