// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/error_banner.h"

#include "windows/form_style.h"
#include "windows/pane_symbol.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace quorvane {

ErrorBanner::ErrorBanner(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    auto *icon = new QLabel(this);
    icon->setPixmap(paneSymbolPixmap(PaneSymbol::exclamationTriangleFill, FormStyle::errorColor(), 14,
                                     devicePixelRatioF()));
    layout->addWidget(icon, 0, Qt::AlignVCenter);
    m_label = FormStyle::makeLabel(QString(), FormStyle::Text::caption, this, FormStyle::errorColor());
    m_label->setWordWrap(true);
    layout->addWidget(m_label, 1, Qt::AlignVCenter);
    hide();
}

QString ErrorBanner::message() const
{
    return m_label->text();
}

void ErrorBanner::showMessage(const QString &message)
{
    m_label->setText(message);
    show();
}

void ErrorBanner::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(FormStyle::withOpacity(FormStyle::errorColor(), 0.1));
    p.drawRoundedRect(rect(), 6, 6);
}

} // namespace quorvane
