// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_action_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace quorvane {

namespace {

// Between the symbol and the label, as the style leaves it.
constexpr int kIconSpacing = 4;

} // namespace

HistoryActionButton::HistoryActionButton(const QIcon &icon, QWidget *parent) : QPushButton(icon, QString(), parent) {}

void HistoryActionButton::paintEvent(QPaintEvent *event)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    if (option.direction != Qt::RightToLeft || option.icon.isNull() || option.text.isEmpty()) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    // The menu's arrow stands at the far end.
    if (option.features & QStyleOptionButton::HasMenu)
        contents.setLeft(contents.left() + style()->pixelMetric(QStyle::PM_MenuButtonIndicator, &option, this));
    const QSize iconSize = option.iconSize;
    const int textWidth = std::min(option.fontMetrics.horizontalAdvance(QString(option.text).remove(QLatin1Char('&'))),
                                   std::max(0, contents.width() - iconSize.width() - kIconSpacing));
    const int group = iconSize.width() + kIconSpacing + textWidth;
    const int left = contents.left() + std::max(0, (contents.width() - group) / 2);
    const QRect textRect(left, contents.top(), textWidth, contents.height());
    const QRect iconRect(textRect.right() + 1 + kIconSpacing, contents.top() + (contents.height() - iconSize.height()) / 2,
                         iconSize.width(), iconSize.height());

    const QIcon::Mode mode = !isEnabled() ? QIcon::Disabled : underMouse() ? QIcon::Active : QIcon::Normal;
    option.icon.paint(&painter, iconRect, Qt::AlignCenter, mode, isChecked() ? QIcon::On : QIcon::Off);
    const QString shown = option.fontMetrics.elidedText(option.text, Qt::ElideRight, textWidth, Qt::TextShowMnemonic);
    style()->drawItemText(&painter, textRect, Qt::AlignCenter | Qt::TextShowMnemonic, option.palette, isEnabled(),
                          shown, QPalette::ButtonText);
}

} // namespace quorvane
