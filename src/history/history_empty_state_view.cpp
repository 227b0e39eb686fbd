#include "history/history_empty_state_view.h"

#include "core/user_settings.h"
#include "history/history_style.h"

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

    //: Empty state title
    //% "No captures yet"
    auto *title = new QLabel(qtTrId("history.empty.title"), this);
    QFont titleFont = HistoryStyle::font(HistoryStyle::TextStyle::title2);
    titleFont.setWeight(QFont::DemiBold);
    title->setFont(titleFont);
    title->setObjectName(QStringLiteral("emptyTitle"));
    layout->addWidget(title, 0, Qt::AlignHCenter);

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
    setShortcuts(defaults.quickZarrowShortcut, defaults.repeatZarrowShortcut, defaults.codeModeShortcut);
}

void HistoryEmptyStateView::setShortcuts(const Shortcut &capture, const Shortcut &repeat, const Shortcut &codeMode)
{
    //: Empty state subtitle; the quick capture shortcut
    //% "Press %1 to zarrow text from your screen"
    m_subtitle->setText(qtTrId("history.empty.subtitle").arg(capture.displayString()));
    //: Repeat capture tip; the repeat shortcut
    //% "Use %1 to repeat last capture"
    m_repeatTip->setText(qtTrId("history.empty.tip_repeat").arg(repeat.displayString()));
    //: Code mode tip; the code mode shortcut
    //% "Use %1 for code mode"
    m_codeTip->setText(qtTrId("history.empty.tip_code").arg(codeMode.displayString()));
}

} // namespace quorvane
