// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menu_bar_panel_view.h"

#include "app/menu_bar_controller.h"
#include "app/modern_menu_bar_button.h"
#include "core/user_settings.h"
#include "platform/language_change.h"

#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace quorvane {

MenuBarPanelView::MenuBarPanelView(Actions actions, QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedWidth(fixedWidth);

    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(8, 10, 8, 10);
    stack->setSpacing(4);

    const auto addRow = [this, stack](const char *icon, const QString &title, const Shortcut &shortcut, bool primary,
                                      std::function<void()> action) {
        auto *row = new ModernMenuBarButton(QString::fromLatin1(icon), title, shortcut.displayString(), primary,
                                            std::move(action), this);
        stack->addWidget(row);
        m_rows.append(row);
    };
    // The keys are the status menu's; the English titles here are shorter. The hints name
    // the default shortcuts and the status menu's Super+, and Super+Q.
    const UserSettings &defaults = UserSettings::defaults();
    addRow("viewfinder", QString(), defaults.quickZarrowShortcut, true,
           std::move(actions.onCaptureText));
    addRow("clock.arrow.circlepath", QString(), defaults.historyShortcut, false,
           std::move(actions.onOpenHistory));
    addRow("gear", QString(), MenuBarController::preferencesKeys, false,
           std::move(actions.onOpenPreferences));

    stack->addSpacing(6 - stack->spacing());
    auto *divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Plain);
    divider->setObjectName(QStringLiteral("divider"));
    stack->addWidget(divider);
    stack->addSpacing(6 - stack->spacing());

    addRow("power", QString(), MenuBarController::quitKeys, false,
           std::move(actions.onQuit));

    auto *shadow = new QGraphicsDropShadowEffect(this);
    shadow->setColor(QColor(0, 0, 0, 51));
    shadow->setBlurRadius(shadowRadius);
    shadow->setOffset(0, shadowOffsetY);
    setGraphicsEffect(shadow);
    onLanguageChange(this, [this] { retranslate(); });
}

MenuBarPanelView::~MenuBarPanelView() = default;

void MenuBarPanelView::retranslate()
{
    //: Row of the tray panel
    //% "Capture"
    m_rows[0]->setText(qtTrId("menubar.panel.capture"));
    //: Row of the tray panel
    //% "History"
    m_rows[1]->setText(qtTrId("menubar.panel.history"));
    //: Row of the tray panel
    //% "Preferences"
    m_rows[2]->setText(qtTrId("menubar.panel.preferences"));
    //: Quit Quorvane
    //% "Quit Quorvane"
    m_rows[3]->setText(qtTrId("menubar.quit"));
}

void MenuBarPanelView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    setFocusedIndex(0);
}

void MenuBarPanelView::setFocusedIndex(std::optional<int> index)
{
    m_focusedIndex = index;
    for (int i = 0; i < m_rows.size(); ++i)
        m_rows[i]->setFocused(index == i);
}

void MenuBarPanelView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect()).adjusted(0.25, 0.25, -0.25, -0.25);
    QPainterPath shape;
    shape.addRoundedRect(card, cornerRadius, cornerRadius);

    // A thin, mostly see-through sheet of the window colour.
    QColor material = palette().color(QPalette::Window);
    material.setAlphaF(0.82);
    painter.fillPath(shape, material);

    QColor border = palette().color(QPalette::WindowText);
    border.setAlphaF(0.18);
    QPen pen(border, 0.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setMiterLimit(10);
    painter.setPen(pen);
    painter.drawPath(shape);
}

} // namespace quorvane
