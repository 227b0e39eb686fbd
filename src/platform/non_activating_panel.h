#pragma once

#include <QWidget>

namespace quorvane {

// A borderless window that floats above the others, appears on every virtual desktop and
// never takes the keyboard focus: showing or clicking it leaves the active window active.
// Its background is transparent, so subclasses paint their own shape.
class NonActivatingPanel : public QWidget {
    Q_OBJECT
public:
    explicit NonActivatingPanel(QWidget *parent = nullptr);

    // Shows the panel above other windows without activating it.
    void orderFront();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void joinAllDesktops();
};

} // namespace quorvane
