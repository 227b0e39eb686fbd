// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/form_style.h"

#include <QLabel>
#include <QPalette>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>

namespace quorvane::FormStyle {

namespace {

QColor blend(const QColor &from, const QColor &to, qreal amount)
{
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * amount,
                            from.greenF() + (to.greenF() - from.greenF()) * amount,
                            from.blueF() + (to.blueF() - from.blueF()) * amount);
}

class Divider : public QWidget {
public:
    explicit Divider(QWidget *parent) : QWidget(parent)
    {
        setFixedHeight(1);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, separatorColor(p));
        setPalette(p);
    }
};

} // namespace

QFont font(const QFont &body, Text style)
{
    QFont f = body;
    const qreal size = body.pointSizeF() > 0 ? body.pointSizeF() : 10.0;
    switch (style) {
    case Text::body:
        break;
    case Text::boldBody:
        f.setBold(true);
        break;
    case Text::caption:
        f.setPointSizeF(qMax(7.0, size * 0.85));
        break;
    case Text::subheadline:
        f.setPointSizeF(qMax(7.5, size * 0.92));
        break;
    case Text::title3:
        f.setPointSizeF(size * 1.25);
        break;
    }
    return f;
}

QColor secondaryColor(const QPalette &palette)
{
    return blend(palette.color(QPalette::WindowText), palette.color(QPalette::Window), 0.42);
}

QColor accentColor(const QPalette &palette)
{
    return palette.color(QPalette::Highlight);
}

QColor separatorColor(const QPalette &palette)
{
    return blend(palette.color(QPalette::Window), palette.color(QPalette::WindowText), 0.16);
}

QColor controlBackgroundColor(const QPalette &palette)
{
    return palette.color(QPalette::Base);
}

QColor errorColor()
{
    return QColor(0xE5, 0x3E, 0x3E);
}

QColor withOpacity(QColor color, qreal opacity)
{
    color.setAlphaF(float(opacity));
    return color;
}

QLabel *makeLabel(const QString &text, Text style, QWidget *parent, QColor color)
{
    auto *label = new QLabel(text, parent);
    label->setFont(font(parent ? parent->font() : label->font(), style));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    if (color.isValid()) {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, color);
        label->setPalette(p);
    }
    return label;
}

void makeSecondary(QLabel *label)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, secondaryColor(p));
    label->setPalette(p);
}

QWidget *makeDivider(QWidget *parent)
{
    return new Divider(parent);
}

QWidget *makeScrollingPage(QWidget *pane)
{
    auto *scroll = new QScrollArea(pane);
    scroll->setObjectName(QStringLiteral("formPageScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *page = new QWidget;
    scroll->setWidget(page);
    page->setAutoFillBackground(false);
    scroll->viewport()->setAutoFillBackground(false);
    auto *outer = new QVBoxLayout(pane);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    return page;
}

} // namespace quorvane::FormStyle
