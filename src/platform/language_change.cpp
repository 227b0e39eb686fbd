// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/language_change.h"

#include <QAbstractButton>
#include <QEvent>
#include <QWidget>

namespace quorvane {

namespace {

class LanguageChangeFilter : public QObject {
public:
    LanguageChangeFilter(QWidget *widget, std::function<void()> retranslate)
        : QObject(widget), m_retranslate(std::move(retranslate))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            m_retranslate();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_retranslate;
};

} // namespace

void onLanguageChange(QWidget *widget, std::function<void()> retranslate)
{
    retranslate();
    new LanguageChangeFilter(widget, std::move(retranslate)); // owned by `widget`
}

void setTextKeepingShortcut(QAbstractButton *button, const QString &text)
{
    const QKeySequence keys = button->shortcut();
    button->setText(text);
    button->setShortcut(keys);
}

} // namespace quorvane
