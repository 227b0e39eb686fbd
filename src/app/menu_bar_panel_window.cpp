// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menu_bar_panel_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QVBoxLayout>

namespace quorvane {

// Watches every event the application dispatches; `handler` answers true to swallow one.
// Removing the watch is deleting the monitor.
class MenuBarPanelWindow::EventMonitor : public QObject {
public:
    using Handler = std::function<bool(QEvent *)>;
    explicit EventMonitor(Handler handler) : m_handler(std::move(handler)) { qApp->installEventFilter(this); }
    ~EventMonitor() override
    {
        if (qApp)
            qApp->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override { return m_handler(event); }

private:
    Handler m_handler;
};

namespace {

// Room around the card for its shadow, which falls downwards.
constexpr int kShadowMargin = MenuBarPanelView::shadowRadius;

} // namespace

MenuBarPanelWindow::MenuBarPanelWindow(MenuBarPanelView::Actions actions, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_hostingView(new MenuBarPanelView(std::move(actions), this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kShadowMargin, kShadowMargin, kShadowMargin,
                               kShadowMargin + MenuBarPanelView::shadowOffsetY);
    layout->addWidget(m_hostingView);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

MenuBarPanelWindow::~MenuBarPanelWindow()
{
    m_clickOutsideMonitor.reset();
    m_escapeKeyMonitor.reset();
}

void MenuBarPanelWindow::makeKeyAndOrderFront()
{
    show();
    raise();
    activateWindow();

    // A second call would otherwise leave the first pair watching for ever.
    removeMonitors();
    QPointer<MenuBarPanelWindow> self(this);
    m_clickOutsideMonitor = std::make_unique<EventMonitor>([self](QEvent *event) {
        if (!self)
            return false;
        if (event->type() == QEvent::MouseButtonPress) {
            const auto *press = static_cast<QMouseEvent *>(event);
            if (press->button() != Qt::LeftButton && press->button() != Qt::RightButton)
                return false;
            if (self->frameGeometry().contains(press->globalPosition().toPoint()))
                return false;
            self->orderOut();
        } else if (event->type() == QEvent::ApplicationStateChange
                   && QGuiApplication::applicationState() != Qt::ApplicationActive) {
            // The press landed in another application.
            self->orderOut();
        }
        return false;
    });
    m_escapeKeyMonitor = std::make_unique<EventMonitor>([self](QEvent *event) {
        if (!self || event->type() != QEvent::KeyPress)
            return false;
        if (static_cast<QKeyEvent *>(event)->key() != Qt::Key_Escape)
            return false;
        self->orderOut();
        return true;
    });
}

void MenuBarPanelWindow::orderOut()
{
    hide();
    removeMonitors();
}

void MenuBarPanelWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    removeMonitors();
}

void MenuBarPanelWindow::removeMonitors()
{
    // The monitor may be the one running this very call: it goes once its handler returns.
    for (std::unique_ptr<EventMonitor> *monitor : {&m_clickOutsideMonitor, &m_escapeKeyMonitor}) {
        if (*monitor) {
            qApp->removeEventFilter(monitor->get());
            monitor->release()->deleteLater();
        }
    }
}

} // namespace quorvane
