// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_empty_state_view.h"

#include "core/text_utils.h"
#include "core/user_settings.h"
#include "history/history_style.h"
#include "platform/language_change.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quorvane {

namespace {

QLabel *secondaryLabel(const QString &text, HistoryStyle::TextStyle style, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(HistoryStyle::font(style));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, HistoryStyle::secondary(pal));
    label->setPalette(pal);
    return label;
}

// A symbol in a fixed-width slot beside a caption, so that tip texts line up; `caption`
// receives the caption's label.
QWidget *tipRow(const char *symbol, QLabel *&caption, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->setAlignment(Qt::AlignLeft);
    auto *icon = new QLabel(row);
    const int side = QFontMetrics(HistoryStyle::font(HistoryStyle::TextStyle::caption)).height();
    icon->setPixmap(HistoryStyle::symbolPixmap(QLatin1String(symbol), side, HistoryStyle::secondary(row->palette())));
    icon->setFixedWidth(16);
    icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(icon);
    caption = secondaryLabel(QString(), HistoryStyle::TextStyle::caption, row);
    layout->addWidget(caption);
    return row;
}

} // namespace

HistoryEmptyStateView::HistoryEmptyStateView(int iconSize, int spacing, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(spacing);
    layout->addStretch(1);

    auto *icon = new QLabel(this);
    icon->setPixmap(HistoryStyle::symbolPixmap("lasso", iconSize, HistoryStyle::secondary(palette())));
    layout->addWidget(icon, 0, Qt::AlignHCenter);

    m_title = new QLabel(this);
    QFont titleFont = HistoryStyle::font(HistoryStyle::TextStyle::title2);
    titleFont.setWeight(QFont::DemiBold);
    m_title->setFont(titleFont);
    m_title->setObjectName(QStringLiteral("emptyTitle"));
    layout->addWidget(m_title, 0, Qt::AlignHCenter);

    auto *hints = new QVBoxLayout;
    hints->setSpacing(8);
    hints->setContentsMargins(0, 8, 0, 0);
    m_subtitle = secondaryLabel(QString(), HistoryStyle::TextStyle::body, this);
    m_subtitle->setObjectName(QStringLiteral("emptySubtitle"));
    m_subtitle->setAlignment(Qt::AlignCenter);
    m_subtitle->setWordWrap(true);
    hints->addWidget(m_subtitle);
    // The tips share one left edge, the block as a whole centred.
    auto *tips = new QWidget(this);
    auto *tipsLayout = new QVBoxLayout(tips);
    tipsLayout->setContentsMargins(0, 0, 0, 0);
    tipsLayout->setSpacing(8);
    tipsLayout->addWidget(tipRow("arrow.clockwise", m_repeatTip, tips));
    tipsLayout->addWidget(tipRow("chevron.left.forwardslash.chevron.right", m_codeTip, tips));
    hints->addWidget(tips, 0, Qt::AlignHCenter);
    layout->addLayout(hints);
    layout->addStretch(1);

    const UserSettings defaults = UserSettings::defaults();
    onLanguageChange(this, [this] { retranslate(); });
    setShortcuts(defaults.quickZarrowShortcut, defaults.repeatZarrowShortcut, defaults.codeModeShortcut);
}

void HistoryEmptyStateView::setShortcuts(const Shortcut &capture, const Shortcut &repeat, const Shortcut &codeMode)
{
    m_shortcuts = {capture, repeat, codeMode};
    retranslate();
}

void HistoryEmptyStateView::retranslate()
{
    //: Empty state title
    //% "No captures yet"
    m_title->setText(qtTrId("history.empty.title"));
    //: Empty state subtitle; the quick capture shortcut
    //% "Press %1 to capture text from your screen"
    m_subtitle->setText(qtTrId("history.empty.subtitle").arg(leftToRightRun(m_shortcuts[0].displayString())));
    //: Repeat capture tip; the repeat shortcut
    //% "Use %1 to repeat last capture"
    m_repeatTip->setText(qtTrId("history.empty.tip_repeat").arg(leftToRightRun(m_shortcuts[1].displayString())));
    //: Code mode tip; the code mode shortcut
    //% "Use %1 for code mode"
    m_codeTip->setText(qtTrId("history.empty.tip_code").arg(leftToRightRun(m_shortcuts[2].displayString())));
}

} // namespace quorvane
