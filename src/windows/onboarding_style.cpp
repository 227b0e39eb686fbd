// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/onboarding_style.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QSizePolicy>

namespace quorvane {

QColor accentColour(const QPalette &palette)
{
    return palette.color(QPalette::Highlight);
}

QColor secondaryColour(const QPalette &palette)
{
    QColor colour = palette.color(QPalette::WindowText);
    colour.setAlphaF(0.55);
    return colour;
}

QColor grantedGreen()
{
    return QColor(0x28, 0xa7, 0x45);
}

QColor toneColour(TextTone tone, const QPalette &palette)
{
    switch (tone) {
    case TextTone::primary:
        return palette.color(QPalette::WindowText);
    case TextTone::secondary:
        return secondaryColour(palette);
    case TextTone::accent:
        return accentColour(palette);
    case TextTone::green:
        return grantedGreen();
    }
    return palette.color(QPalette::WindowText);
}

QLabel *styledLabel(const QString &text, int pixelSize, QFont::Weight weight, TextTone tone, bool wrap,
                    QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, toneColour(tone, palette));
    label->setPalette(palette);
    if (wrap) {
        label->setWordWrap(true);
        // Height for width: a long translation gets more lines, never a cut.
        QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Minimum);
        policy.setHeightForWidth(true);
        label->setSizePolicy(policy);
    }
    return label;
}

QLabel *centredHeading(int pixelSize, QFont::Weight weight, TextTone tone)
{
    QLabel *label = styledLabel(QString(), pixelSize, weight, tone, true);
    label->setAlignment(Qt::AlignHCenter);
    return label;
}

void addYieldingGap(QBoxLayout *layout, int size)
{
    layout->addSpacerItem(new QSpacerItem(0, size, QSizePolicy::Minimum, QSizePolicy::Preferred));
}

void addCentredColumn(QBoxLayout *layout, QWidget *column, int maxWidth)
{
    column->setMaximumWidth(maxWidth);
    // An aligned item would shrink to its size hint, and an unaligned one narrower than
    // the layout sticks to the leading side: equal gaps on both sides take what the
    // column leaves.
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addStretch(1);
    row->addWidget(column, 1000);
    row->addStretch(1);
    layout->addLayout(row);
}

void setExtraLineSpacing(QLabel *label, int extra)
{
    const QString plain = label->text();
    const int lineHeight = QFontMetrics(label->font()).lineSpacing() + extra;
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<div style=\"line-height: %1px;\">%2</div>")
                       .arg(lineHeight)
                       .arg(plain.toHtmlEscaped()));
}

} // namespace quorvane
