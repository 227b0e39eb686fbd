#include "history/history_empty_state_view.h"

#include "history/history_style.h"
#include "platform/l10n.h"

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

// A symbol in a fixed-width slot beside a caption, so that tip texts line up.
QWidget *tipRow(const char *symbol, const QString &text, QWidget *parent)
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
    layout->addWidget(secondaryLabel(text, HistoryStyle::TextStyle::caption, row));
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

    auto *title = new QLabel(L10n::text("history.empty.title", "No captures yet", "Empty state title"), this);
    QFont titleFont = HistoryStyle::font(HistoryStyle::TextStyle::title2);
    titleFont.setWeight(QFont::DemiBold);
    title->setFont(titleFont);
    title->setObjectName(QStringLiteral("emptyTitle"));
    layout->addWidget(title, 0, Qt::AlignHCenter);

    auto *hints = new QVBoxLayout;
    hints->setSpacing(8);
    hints->setContentsMargins(0, 8, 0, 0);
    QLabel *subtitle = secondaryLabel(L10n::text("history.empty.subtitle", "Press ⌘⇧L to zarrow text from your screen",
                                                 "Empty state subtitle"),
                                      HistoryStyle::TextStyle::body, this);
    subtitle->setAlignment(Qt::AlignCenter);
    subtitle->setWordWrap(true);
    hints->addWidget(subtitle);
    // The tips share one left edge, the block as a whole centred.
    auto *tips = new QWidget(this);
    auto *tipsLayout = new QVBoxLayout(tips);
    tipsLayout->setContentsMargins(0, 0, 0, 0);
    tipsLayout->setSpacing(8);
    tipsLayout->addWidget(tipRow("arrow.clockwise",
                                 L10n::text("history.empty.tip_repeat", "Use ⌥⌘L to repeat last capture",
                                            "Repeat capture tip"),
                                 tips));
    tipsLayout->addWidget(tipRow("chevron.left.forwardslash.chevron.right",
                                 L10n::text("history.empty.tip_code", "Use ⌥⇧L for code mode", "Code mode tip"),
                                 tips));
    hints->addWidget(tips, 0, Qt::AlignHCenter);
    layout->addLayout(hints);
    layout->addStretch(1);
}

} // namespace quorvane
