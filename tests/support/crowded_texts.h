// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/event_loop.h"

#include "core/app_language.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringList>
#include <QTabBar>
#include <QToolButton>
#include <QWidget>

#include <string>

namespace quorvane::test {

// The raw values of the thirty interface languages, English first.
inline QStringList everyInterfaceLanguage()
{
    QStringList codes;
    for (AppLanguage language : kAllAppLanguages) {
        if (language != AppLanguage::system)
            codes << rawValue(language);
    }
    return codes;
}

// The texts shown under `root` (labels, buttons and tabs) that do not fit their widget, lie
// outside `root`, or lie on top of one another, and the form pages that need a scrollbar to
// show all they hold; empty when every text has its own room.
inline QStringList crowdedTexts(const QWidget &root)
{
    struct Shown {
        QString text;
        QRect area;
    };
    QList<Shown> shown;
    QStringList crowded;
    for (const QTabBar *bar : root.findChildren<QTabBar *>()) {
        if (!bar->isVisibleTo(&root))
            continue;
        // Scroll arrows or elided tabs: a tab the bar cannot show whole.
        bool arrows = false;
        for (const QWidget *arrow : bar->findChildren<QToolButton *>())
            arrows = arrows || arrow->isVisibleTo(bar);
        for (int i = 0; i < bar->count(); ++i) {
            const QRect tab = bar->tabRect(i);
            const int content = bar->fontMetrics().horizontalAdvance(bar->tabText(i).replace(QLatin1String("&&"), QLatin1String("&")))
                                + bar->iconSize().width();
            if (arrows || !bar->rect().contains(tab) || tab.width() < content)
                crowded << QStringLiteral("clipped tab: ") + bar->tabText(i);
        }
    }
    for (const QScrollArea *page : root.findChildren<QScrollArea *>(QStringLiteral("formPageScroll"))) {
        if (page->isVisibleTo(&root) && page->verticalScrollBar()->isVisibleTo(&root))
            crowded << QStringLiteral("scrolls: ") + page->parentWidget()->objectName();
    }
    for (const QWidget *w : root.findChildren<QWidget *>()) {
        if (!w->isVisibleTo(&root) || w->visibleRegion().isEmpty())
            continue;
        const auto *label = qobject_cast<const QLabel *>(w);
        const auto *button = qobject_cast<const QAbstractButton *>(w);
        const QString text = label ? label->text() : button ? button->text() : QString();
        if (text.isEmpty())
            continue;
        const bool fits = label && label->wordWrap() ? label->heightForWidth(w->width()) <= w->height()
                                                     : w->sizeHint().width() <= w->width();
        const QRect area(w->mapTo(&root, QPoint(0, 0)), w->size());
        if (!fits)
            crowded << QStringLiteral("clipped: ") + text;
        if (!root.rect().contains(area))
            crowded << QStringLiteral("outside: ") + text;
        shown.append({text, area});
    }
    for (qsizetype i = 0; i < shown.size(); ++i) {
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            if (shown[i].area.intersects(shown[j].area))
                crowded << shown[i].text + QStringLiteral(" / ") + shown[j].text;
        }
    }
    return crowded;
}

// The same once the layouts have settled (they follow a change of text on the event loop):
// what is still crowded after waiting a while for it to clear, as one readable line.
inline std::string crowdedTextsOnceLaidOut(const QWidget &root)
{
    waitUntil([&] { return crowdedTexts(root).isEmpty(); }, 2000);
    return crowdedTexts(root).join(QStringLiteral(" | ")).toStdString();
}

} // namespace quorvane::test
