// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/form_section.h"

#include "windows/form_style.h"

#include <QPainter>
#include <QVBoxLayout>

namespace quorvane {

FormSection::FormSection(int spacing, QWidget *parent) : QFrame(parent)
{
    // The section's own margins, plus the 8 points above and below the stack.
    m_content = new QVBoxLayout(this);
    m_content->setContentsMargins(14, 10 + 8, 14, 10 + 8);
    m_content->setSpacing(spacing);
}

void FormSection::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette &pal = palette();
    p.setPen(QPen(FormStyle::separatorColor(pal), 1));
    p.setBrush(FormStyle::withOpacity(FormStyle::controlBackgroundColor(pal), 0.75));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}

} // namespace quorvane
