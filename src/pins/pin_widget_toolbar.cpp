#include "pins/pin_widget_toolbar.h"

#include "pins/circle_toolbar_button.h"
#include "platform/l10n.h"

#include <QHBoxLayout>


namespace quorvane {

namespace {
// The size names stand in the tooltip as they are, untranslated.
QString sizeName(PinFontSize size)
{
    switch (size) {
    case PinFontSize::small: return QStringLiteral("Small");
    case PinFontSize::medium: return QStringLiteral("Medium");
    case PinFontSize::large: return QStringLiteral("Large");
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

    describe(m_opacity, L10n::text("pin_widget.toolbar.opacity_hint", "Cycle opacity (30%/60%/100%)", ""));
    m_close->setContent(PinSymbol::xmark);
    describe(m_close, L10n::text("pin_widget.toolbar.close", "Close", ""));

    connect(m_viewMode, &QAbstractButton::clicked, this, &PinWidgetToolbar::toggleViewModeRequested);
    connect(m_opacity, &QAbstractButton::clicked, this, &PinWidgetToolbar::cycleOpacityRequested);
    connect(m_fontSize, &QAbstractButton::clicked, this, &PinWidgetToolbar::cycleFontSizeRequested);
    connect(m_pin, &QAbstractButton::clicked, this, &PinWidgetToolbar::togglePinnedRequested);
    connect(m_close, &QAbstractButton::clicked, this, &PinWidgetToolbar::closeRequested);

    setState(PinViewMode::text, 1.0, true, PinFontSize::medium);
}

void PinWidgetToolbar::setState(PinViewMode viewMode, double opacity, bool isPinned, PinFontSize fontSize)
{
    // The symbol shows the current mode; the tooltip names the other one.
    if (viewMode == PinViewMode::image) {
        m_viewMode->setContent(PinSymbol::photo);
        describe(m_viewMode, L10n::text("pin_widget.toolbar.switch_to_text", "Switch to Text", ""));
    } else {
        m_viewMode->setContent(PinSymbol::textAlignLeft);
        describe(m_viewMode, L10n::text("pin_widget.toolbar.switch_to_image", "Switch to Image", ""));
    }

    m_opacity->setContent(CircleToolbarButton::OpacityDots{opacityLevel(opacity)});

    // Left out, not disabled, in image mode: the stretch then follows the opacity button.
    m_fontSize->setVisible(viewMode == PinViewMode::text);
    m_fontSize->setContent(sizeSymbol(fontSize));
    describe(m_fontSize, L10n::format("pin_widget.toolbar.font_size", "Font size: %@", "", {sizeName(fontSize)}));

    m_pin->setContent(isPinned ? PinSymbol::pinFill : PinSymbol::pinSlash);
    m_pin->setActive(isPinned);
    describe(m_pin, isPinned ? L10n::text("pin_widget.toolbar.unpin", "Unpin (allow window to go behind)", "")
                             : L10n::text("pin_widget.toolbar.pin", "Pin (keep on top)", ""));
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
