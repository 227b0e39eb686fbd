// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pins/pin_font_size.h"
#include "pins/pin_view_mode.h"

#include <QWidget>

namespace quorvane {

class CircleToolbarButton;
class MotionPreference;

// The pin's toolbar, 40 high: view mode, opacity, text size (text mode only), then on the
// right stay-on-top and close. It shows the state it is given and asks for every change.
class PinWidgetToolbar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 40;

    explicit PinWidgetToolbar(const MotionPreference &motion, QWidget *parent = nullptr);

    void setState(PinViewMode viewMode, double opacity, bool isPinned, PinFontSize fontSize);

    // Full dots of the opacity indicator: 1 below 0.5, 2 below 0.9, else 3 (also for
    // values off the scale).
    static int opacityLevel(double opacity);

    CircleToolbarButton *viewModeButton() const { return m_viewMode; }
    CircleToolbarButton *opacityButton() const { return m_opacity; }
    CircleToolbarButton *fontSizeButton() const { return m_fontSize; }
    CircleToolbarButton *pinButton() const { return m_pin; }
    CircleToolbarButton *closeButton() const { return m_close; }

signals:
    void toggleViewModeRequested();
    void cycleOpacityRequested();
    void togglePinnedRequested();
    void cycleFontSizeRequested();
    void closeRequested();

private:
    // What setState showed last, told again in another language.
    struct State {
        PinViewMode viewMode;
        double opacity;
        bool isPinned;
        PinFontSize fontSize;
    } m_state{};
    CircleToolbarButton *m_viewMode;
    CircleToolbarButton *m_opacity;
    CircleToolbarButton *m_fontSize;
    CircleToolbarButton *m_pin;
    CircleToolbarButton *m_close;
};

} // namespace quorvane
