// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPainterPath>
#include <QRect>
#include <QPointer>
#include <QWidget>

#include <functional>

class QWindow;

namespace quorvane {

// A borderless window that floats above the others, appears on every virtual desktop and
// never takes the keyboard focus: showing or clicking it leaves the active window active.
// Its background is transparent, so subclasses paint their own shape; where no
// compositing manager runs (transparent pixels would show black) the window is cut to
// that shape instead. Under sway the panel is known by its window title, which subclasses
// set before showing it.
class NonActivatingPanel : public QWidget {
    Q_OBJECT
public:
    explicit NonActivatingPanel(QWidget *parent = nullptr);

    // Shows the panel above other windows without activating it.
    void orderFront();

    // Where the other panels on screen are, but those `ignored`: both float above
    // everything, so whichever maps last would hide the other. Pass to keptClear().
    QList<QRect> otherPanelFrames(const std::function<bool(const QWidget &)> &ignored = {}) const;
    // `frame`, or where it is nearest to that and overlaps none of `occupied` inside
    // `area`: below, above, right of or left of what it overlapped, `gap` apart. `frame`
    // itself when no such place exists.
    static QRect keptClear(const QRect &frame, const QList<QRect> &occupied, const QRect &area, int gap = 8);

protected:
    // Where sway should put the panel when it appears: around the pointer, or (the
    // default) where it puts floating windows.
    virtual bool appearsAtPointer() const { return false; }
    // What the panel paints, in its own coordinates; empty (the default): all of it.
    virtual QPainterPath paintedShape() const { return {}; }
    // Cuts the panel to `paintedShape()` when no compositing manager runs, else uncuts it.
    void updateShapeMask();

    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void watchNativeWindow();
    void joinAllDesktops();

    QPointer<QWindow> m_watched; // the window handle whose native windows are watched
    WId m_joinedWindow = 0;      // the native window last put on every desktop
};

} // namespace quorvane
