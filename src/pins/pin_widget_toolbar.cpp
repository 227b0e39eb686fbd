// SPDX-License-Identifier: GPL-3.0-or-later
#include "pins/pin_widget_toolbar.h"

#include "pins/circle_toolbar_button.h"
#include "platform/language_change.h"

#include <QHBoxLayout>

namespace quorvane {

namespace {
// The font size button's tooltip, a whole text for each size.
QString sizeDescription(PinFontSize size)
{
    switch (size) {
    case PinFontSize::small:
        //: Tooltip of the pinned capture's font size button
        //% "Font size: Small"
        return qtTrId("pin_widget.toolbar.font_size.small");
    case PinFontSize::medium:
        //: Tooltip of the pinned capture's font size button
        //% "Font size: Medium"
        return qtTrId("pin_widget.toolbar.font_size.medium");
    case PinFontSize::large:
        //: Tooltip of the pinned capture's font size button
        //% "Font size: Large"
        return qtTrId("pin_widget.toolbar.font_size.large");
    }
    return {};
}

PinSymbol sizeSymbol(PinFontSize size)
{
    switch (size) {
    case PinFontSize::small: return PinSymbol::textFormatSizeSmaller;
    case PinFontSize::medium: return PinSymbol::textFormatSize;
    case PinFontSize::large: return PinSymbol::textFormatSizeLarger;
    }
    return PinSymbol::textFormatSize;
}

void describe(CircleToolbarButton *button, const QString &help)
{
    button->setToolTip(help);
    button->setAccessibleName(help);
}
} // namespace

PinWidgetToolbar::PinWidgetToolbar(const MotionPreference &motion, QWidget *parent)
    : QWidget(parent),
      m_viewMode(new CircleToolbarButton(motion, this)),
      m_opacity(new CircleToolbarButton(motion, this)),
      m_fontSize(new CircleToolbarButton(motion, this)),
      m_pin(new CircleToolbarButton(motion, this)),
      m_close(new CircleToolbarButton(motion, this))
{
    setFixedHeight(kHeight);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 0, 12, 0);
    layout->setSpacing(10);
    layout->addWidget(m_viewMode);
    layout->addWidget(m_opacity);
    layout->addWidget(m_fontSize);
    layout->addStretch(1);
    layout->addWidget(m_pin);
    layout->addWidget(m_close);

    m_close->setContent(PinSymbol::xmark);

    connect(m_viewMode, &QAbstractButton::clicked, this, &PinWidgetToolbar::toggleViewModeRequested);
    connect(m_opacity, &QAbstractButton::clicked, this, &PinWidgetToolbar::cycleOpacityRequested);
    connect(m_fontSize, &QAbstractButton::clicked, this, &PinWidgetToolbar::cycleFontSizeRequested);
    connect(m_pin, &QAbstractButton::clicked, this, &PinWidgetToolbar::togglePinnedRequested);
    connect(m_close, &QAbstractButton::clicked, this, &PinWidgetToolbar::closeRequested);

    setState(PinViewMode::text, 1.0, true, PinFontSize::medium);
    onLanguageChange(this, [this] { setState(m_state.viewMode, m_state.opacity, m_state.isPinned, m_state.fontSize); });
}

void PinWidgetToolbar::setState(PinViewMode viewMode, double opacity, bool isPinned, PinFontSize fontSize)
{
    m_state = {viewMode, opacity, isPinned, fontSize};
    //% "Cycle opacity (30%/60%/100%)"
    describe(m_opacity, qtTrId("pin_widget.toolbar.opacity_hint"));
    //% "Close"
    describe(m_close, qtTrId("pin_widget.toolbar.close"));

    // The symbol shows the current mode; the tooltip names the other one.
    if (viewMode == PinViewMode::image) {
        m_viewMode->setContent(PinSymbol::photo);
        //% "Switch to Text"
        describe(m_viewMode, qtTrId("pin_widget.toolbar.switch_to_text"));
    } else {
        m_viewMode->setContent(PinSymbol::textAlignLeft);
        //% "Switch to Image"
        describe(m_viewMode, qtTrId("pin_widget.toolbar.switch_to_image"));
    }

    m_opacity->setContent(CircleToolbarButton::OpacityDots{opacityLevel(opacity)});

    // Left out, not disabled, in image mode: the stretch then follows the opacity button.
    m_fontSize->setVisible(viewMode == PinViewMode::text);
    m_fontSize->setContent(sizeSymbol(fontSize));
    describe(m_fontSize, sizeDescription(fontSize));

    m_pin->setContent(isPinned ? PinSymbol::pinFill : PinSymbol::pinSlash);
    m_pin->setActive(isPinned);
    if (isPinned) {
        //% "Unpin (allow window to go behind)"
        describe(m_pin, qtTrId("pin_widget.toolbar.unpin"));
    } else {
        //% "Pin (keep on top)"
        describe(m_pin, qtTrId("pin_widget.toolbar.pin"));
    }
}

int PinWidgetToolbar::opacityLevel(double opacity)
{
    if (opacity >= 0 && opacity < 0.5)
        return 1;
    if (opacity >= 0.5 && opacity < 0.9)
        return 2;
    return 3;
}

} // namespace quorvane
