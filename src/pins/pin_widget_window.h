// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/non_activating_panel.h"

#include <QPointer>
#include <QRect>

#include <optional>

namespace quorvane {

class PinWidgetManager;
class PinWidgetView;

// The floating panel that shows the pinned capture: no title bar, floats above other
// windows while the pin stays on top, appears on every desktop, does not activate the
// program when shown, yet takes the keyboard when its text is clicked. Dragging its
// background moves it, dragging an edge resizes it (never below 200 x 150). It reports
// moves, resizes and close requests to the manager, which it never keeps alive.
class PinWidgetWindow : public NonActivatingPanel {
    Q_OBJECT
public:
    static constexpr int kMinimumWidth = 200;
    static constexpr int kMinimumHeight = 150;
    // How far from an edge a press resizes instead of moving.
    static constexpr int kResizeMargin = 6;

    // A panel at `contentRect` holding the pin view of `manager`.
    PinWidgetWindow(PinWidgetManager *manager, const QRect &contentRect);

    PinWidgetManager *manager() const { return m_manager; }
    // The hosted pin view; null once torn down, or when the manager was gone at creation.
    PinWidgetView *content() const;

    // Floats above ordinary windows or lies among them.
    void setStaysOnTop(bool staysOnTop);
    bool staysOnTop() const;

    // Removes the content and takes the panel off the screen.
    void tearDown();

    // The edges of a panel of `size` that a press at `position` (panel coordinates) grabs.
    static Qt::Edges edgesAt(const QSize &size, const QPoint &position);
    // `start` resized by dragging `edges` by `delta`, kept at least at the minimum size.
    static QRect resized(const QRect &start, Qt::Edges edges, const QPoint &delta);

protected:
    // After a capture the pointer is where the captured text was, as the pin should be.
    bool appearsAtPointer() const override { return true; }
    QPainterPath paintedShape() const override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // A move or resize that the window manager could not take over.
    struct ManualDrag {
        Qt::Edges edges; // none: a move
        QPoint startPointer;
        QRect startGeometry;
    };

    void installContent();
    void reportFrame();
    void takeKeyboardForText(const QPoint &position);
    bool handleWindowMouseEvent(QEvent *event);

    QPointer<PinWidgetManager> m_manager;
    QPointer<PinWidgetView> m_content;
    std::optional<ManualDrag> m_drag;
    bool m_quitting = false; // the program is quitting: closing is no request to close the pin
};

} // namespace quorvane
