// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/toggle_switch.h"

#include "windows/form_style.h"

#include <QPainter>

namespace quorvane {

ToggleSwitch::ToggleSwitch(QWidget *parent) : QAbstractButton(parent)
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ToggleSwitch::sizeHint() const
{
    return QSize(38, 22);
}

bool ToggleSwitch::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void ToggleSwitch::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    const qreal radius = track.height() / 2;
    const QPalette &pal = palette();

    QColor fill = isChecked() ? FormStyle::accentColor(pal) : FormStyle::separatorColor(pal).darker(115);
    if (!isEnabled())
        fill = FormStyle::withOpacity(fill, 0.45);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(track, radius, radius);

    const qreal knobDiameter = track.height() - 4;
    const qreal knobX = isChecked() ? track.right() - 2 - knobDiameter : track.left() + 2;
    const QRectF knob(knobX, track.top() + 2, knobDiameter, knobDiameter);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(knob.translated(0, 0.6));
    p.setBrush(Qt::white);
    p.drawEllipse(knob);

    if (hasFocus()) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(FormStyle::withOpacity(FormStyle::accentColor(pal), 0.6), 1.5));
        p.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), radius + 0.75, radius + 0.75);
    }
}

} // namespace quorvane
