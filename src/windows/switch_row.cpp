// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/switch_row.h"

#include "windows/form_style.h"
#include "windows/toggle_switch.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace quorvane {

SwitchRow::SwitchRow(const QString &title, const QString &description, QWidget *parent)
    : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(16);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(4);
    m_title = FormStyle::makeLabel(QString(), FormStyle::Text::body, this);
    m_description = FormStyle::makeLabel(QString(), FormStyle::Text::caption, this);
    FormStyle::makeSecondary(m_description);
    texts->addWidget(m_title);
    texts->addWidget(m_description);
    row->addLayout(texts, 1);

    m_toggle = new ToggleSwitch(this);
    row->addWidget(m_toggle, 0, Qt::AlignVCenter);
    setTexts(title, description);

    connect(m_toggle, &ToggleSwitch::clicked, this, &SwitchRow::toggledByUser);
}

bool SwitchRow::isChecked() const
{
    return m_toggle->isChecked();
}

void SwitchRow::setChecked(bool checked)
{
    const QSignalBlocker blocker(m_toggle);
    m_toggle->setChecked(checked);
}

QString SwitchRow::title() const
{
    return m_title->text();
}

QString SwitchRow::description() const
{
    return m_description->text();
}

void SwitchRow::setTexts(const QString &title, const QString &description)
{
    m_title->setText(title);
    m_description->setText(description);
    m_toggle->setAccessibleName(title);
    m_toggle->setAccessibleDescription(description);
}

void SwitchRow::mousePressEvent(QMouseEvent *event)
{
    // Taken, so the release comes back here.
    if (event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void SwitchRow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && isEnabled()) {
        m_toggle->click();
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

} // namespace quorvane
