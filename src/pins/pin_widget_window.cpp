// SPDX-License-Identifier: GPL-3.0-or-later
#include "pins/pin_widget_window.h"

#include "pins/pin_widget_manager.h"
#include "pins/pin_text_editor_view.h"
#include "pins/pin_widget_view.h"
#include "platform/language_change.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <functional>

namespace quorvane {

namespace {
// Learns of the program's quit request before the windows are closed for it.
class QuitWatch : public QObject {
public:
    QuitWatch(std::function<void()> onQuit, QObject *parent) : QObject(parent), m_onQuit(std::move(onQuit))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit)
            m_onQuit();
        return false;
    }

private:
    std::function<void()> m_onQuit;
};
} // namespace

PinWidgetWindow::PinWidgetWindow(PinWidgetManager *manager, const QRect &contentRect)
    : m_manager(manager)
{
    // Unlike other floating panels this one takes the keyboard, for editing its text.
    setWindowFlag(Qt::WindowDoesNotAcceptFocus, false);
    setFocusPolicy(Qt::ClickFocus);
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    setMouseTracking(true);
    setGeometry(contentRect);
    // What window lists and the compositor's window rules know it by.
    onLanguageChange(this, [this] {
        //: Title of the floating window that shows a pinned capture; window lists show it
        //% "Pinned Capture"
        setWindowTitle(qtTrId("pin_widget.window.title"));
    });
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    installContent();
    new QuitWatch(
        [this] {
            m_quitting = true;
            // Should another window refuse the quit, the program goes on and so do close requests.
            QTimer::singleShot(0, this, [this] { m_quitting = false; });
        },
        this);
}

PinWidgetView *PinWidgetWindow::content() const
{
    return m_content;
}

void PinWidgetWindow::installContent()
{
    if (!m_manager)
        return;
    m_content = new PinWidgetView(*m_manager, this);
    this->layout()->addWidget(m_content);
}

void PinWidgetWindow::setStaysOnTop(bool staysOnTop)
{
    if (staysOnTop == this->staysOnTop())
        return;
    const bool wasVisible = isVisible();
    // Qt recreates the native window for new flags, which hides it.
    setWindowFlag(Qt::WindowStaysOnTopHint, staysOnTop);
    if (wasVisible)
        orderFront();
}

QPainterPath PinWidgetWindow::paintedShape() const
{
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), PinWidgetView::kCornerRadius, PinWidgetView::kCornerRadius);
    return shape;
}

bool PinWidgetWindow::staysOnTop() const
{
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void PinWidgetWindow::tearDown()
{
    if (m_content) {
        m_content->hide();
        m_content->deleteLater();
        m_content = nullptr;
    }
    if (isVisible())
        hide();
}

Qt::Edges PinWidgetWindow::edgesAt(const QSize &size, const QPoint &position)
{
    Qt::Edges edges;
    if (position.x() < kResizeMargin)
        edges |= Qt::LeftEdge;
    if (position.x() >= size.width() - kResizeMargin)
        edges |= Qt::RightEdge;
    if (position.y() < kResizeMargin)
        edges |= Qt::TopEdge;
    if (position.y() >= size.height() - kResizeMargin)
        edges |= Qt::BottomEdge;
    return edges;
}

QRect PinWidgetWindow::resized(const QRect &start, Qt::Edges edges, const QPoint &delta)
{
    QRect rect = start;
    if (edges & Qt::LeftEdge)
        rect.setLeft(std::min(start.left() + delta.x(), start.right() + 1 - kMinimumWidth));
    if (edges & Qt::RightEdge)
        rect.setRight(std::max(start.right() + delta.x(), start.left() - 1 + kMinimumWidth));
    if (edges & Qt::TopEdge)
        rect.setTop(std::min(start.top() + delta.y(), start.bottom() + 1 - kMinimumHeight));
    if (edges & Qt::BottomEdge)
        rect.setBottom(std::max(start.bottom() + delta.y(), start.top() - 1 + kMinimumHeight));
    return rect;
}

bool PinWidgetWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && handleWindowMouseEvent(event))
        return true;
    return NonActivatingPanel::eventFilter(watched, event);
}

// Resizing from the edges, seen on the native window before any child gets the event.
bool PinWidgetWindow::handleWindowMouseEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_drag && m_drag->edges) {
            setGeometry(resized(m_drag->startGeometry, m_drag->edges,
                                mouse->globalPosition().toPoint() - m_drag->startPointer));
            return true;
        }
        if (mouse->buttons() == Qt::NoButton) {
            const Qt::Edges edges = edgesAt(size(), mouse->position().toPoint());
            if ((edges & (Qt::LeftEdge | Qt::TopEdge)) == (Qt::LeftEdge | Qt::TopEdge)
                || (edges & (Qt::RightEdge | Qt::BottomEdge)) == (Qt::RightEdge | Qt::BottomEdge))
                setCursor(Qt::SizeFDiagCursor);
            else if (edges & (Qt::LeftEdge | Qt::RightEdge) && edges & (Qt::TopEdge | Qt::BottomEdge))
                setCursor(Qt::SizeBDiagCursor);
            else if (edges & (Qt::LeftEdge | Qt::RightEdge))
                setCursor(Qt::SizeHorCursor);
            else if (edges)
                setCursor(Qt::SizeVerCursor);
            else
                unsetCursor();
        }
        return false;
    }
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const Qt::Edges edges = edgesAt(size(), mouse->position().toPoint());
        if (mouse->button() != Qt::LeftButton || !edges) {
            takeKeyboardForText(mouse->position().toPoint());
            return false;
        }
        if (!windowHandle()->startSystemResize(edges))
            m_drag = ManualDrag{edges, mouse->globalPosition().toPoint(), geometry()};
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (m_drag && m_drag->edges) {
            m_drag.reset();
            return true;
        }
        return false;
    default:
        return false;
    }
}

// A click into the text asks for the keyboard, also where the window manager does not hand
// it over on a click; clicks elsewhere leave the active window alone.
void PinWidgetWindow::takeKeyboardForText(const QPoint &position)
{
    if (isActiveWindow() || !m_content)
        return;
    QWidget *target = childAt(position);
    QWidget *editor = m_content->textPane()->editor();
    if (target && (target == editor || editor->isAncestorOf(target)))
        activateWindow();
}

// Presses that no part of the content wanted land here: the background moves the panel.
void PinWidgetWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        NonActivatingPanel::mousePressEvent(event);
        return;
    }
    if (!windowHandle()->startSystemMove())
        m_drag = ManualDrag{Qt::Edges(), event->globalPosition().toPoint(), geometry()};
    event->accept();
}

void PinWidgetWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_drag && !m_drag->edges) {
        move(m_drag->startGeometry.topLeft() + event->globalPosition().toPoint() - m_drag->startPointer);
        event->accept();
        return;
    }
    NonActivatingPanel::mouseMoveEvent(event);
}

void PinWidgetWindow::mouseReleaseEvent(QMouseEvent *event)
{
    m_drag.reset();
    NonActivatingPanel::mouseReleaseEvent(event);
}

void PinWidgetWindow::showEvent(QShowEvent *event)
{
    NonActivatingPanel::showEvent(event);
    // The native window sees every pointer event first, also over the content, so the
    // edges resize whatever lies under them. It is made anew when the flags change.
    if (QWindow *native = windowHandle())
        native->installEventFilter(this);
}

void PinWidgetWindow::moveEvent(QMoveEvent *event)
{
    NonActivatingPanel::moveEvent(event);
    reportFrame();
}

void PinWidgetWindow::resizeEvent(QResizeEvent *event)
{
    NonActivatingPanel::resizeEvent(event);
    reportFrame();
}

// Only the manager's own panel speaks for the pin; one being taken down no longer does.
void PinWidgetWindow::reportFrame()
{
    if (m_manager && m_manager->window() == this)
        m_manager->updateFrame(*this);
}

// A close request from the window manager (Alt+F4, say) closes the pin, asking first when
// its text has unsaved edits; cancelling keeps the panel. Quitting the program closes every
// window too, but the pin and its files must stay for the next run.
void PinWidgetWindow::closeEvent(QCloseEvent *event)
{
    if (!m_manager || m_quitting) {
        event->accept();
        return;
    }
    event->setAccepted(m_manager->closePin(true));
}

} // namespace quorvane
