// SPDX-License-Identifier: GPL-3.0-or-later
#include "pins/pin_widget_view.h"

#include "pins/pin_image_view.h"
#include "pins/pin_text_editor_view.h"
#include "pins/pin_widget_manager.h"
#include "pins/pin_widget_toolbar.h"

#include "platform/language_change.h"

#include <QBuffer>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace quorvane {

namespace {
std::optional<QUuid> pinID(const PinWidgetManager &manager)
{
    if (const auto &pin = manager.currentPin())
        return pin->id;
    return std::nullopt;
}
} // namespace

PinWidgetView::PinWidgetView(PinWidgetManager &manager, QWidget *parent)
    : QWidget(parent), m_manager(&manager), m_toolbar(new PinWidgetToolbar(manager.motionPreference(), this))
{
    const auto &pin = manager.currentPin();
    m_shownPinID = pinID(manager);
    m_imagePane = new PinImageView(manager.thumbnailImage(), [this] { return imageDragData(); }, this);
    m_textPane = new PinTextEditorView(
        pin ? pin->editedText : QString(), pin && pin->captureMode == CaptureMode::code,
        pin ? pin->fontSize : PinFontSize::medium,
        [this](const QString &text) {
            if (m_manager)
                m_manager->updateEditedText(text);
        },
        this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolbar);
    m_body = new QStackedLayout;
    m_body->addWidget(m_textPane);
    m_body->addWidget(m_imagePane);
    layout->addLayout(m_body, 1);
    m_unwrittenNote = new QLabel(this);
    m_unwrittenNote->setWordWrap(true);
    m_unwrittenNote->setTextFormat(Qt::PlainText);
    m_unwrittenNote->setContentsMargins(8, 4, 8, 6);
    m_unwrittenNote->hide();
    layout->addWidget(m_unwrittenNote);
    onLanguageChange(m_unwrittenNote, [this] { refreshUnwrittenNote(); });
    connect(&manager, &PinWidgetManager::unwrittenChanged, this, &PinWidgetView::refreshUnwrittenNote);

    connect(m_toolbar, &PinWidgetToolbar::toggleViewModeRequested, this, [this] {
        if (m_manager)
            m_manager->toggleViewMode();
    });
    connect(m_toolbar, &PinWidgetToolbar::cycleOpacityRequested, this, [this] {
        if (m_manager)
            m_manager->cycleOpacity();
    });
    connect(m_toolbar, &PinWidgetToolbar::togglePinnedRequested, this, [this] {
        if (m_manager)
            m_manager->togglePinned();
    });
    connect(m_toolbar, &PinWidgetToolbar::cycleFontSizeRequested, this, [this] {
        if (m_manager)
            m_manager->cycleFontSize();
    });
    connect(m_toolbar, &PinWidgetToolbar::closeRequested, this, [this] {
        if (m_manager)
            m_manager->closePin(true);
    });
    connect(&manager, &PinWidgetManager::currentPinChanged, this, &PinWidgetView::refresh);
    connect(&manager, &PinWidgetManager::thumbnailImageChanged, this, &PinWidgetView::refresh);
    refresh();
}

void PinWidgetView::refreshUnwrittenNote()
{
    const bool unwritten = m_manager && m_manager->isUnwritten();
    m_unwrittenNote->setVisible(unwritten);
    if (!unwritten)
        return;
    //: Note on a pin whose changes could not be written; %1 is why
    //% "Not saved: %1. The pin keeps your changes and tries again."
    m_unwrittenNote->setText(qtTrId("pin_widget.unwritten.note").arg(m_manager->unwrittenReason()));
}

QWidget *PinWidgetView::body() const
{
    return m_body->currentWidget();
}

void PinWidgetView::refresh()
{
    if (!m_manager)
        return;
    update(); // the frame's opacity may have changed
    const auto &pin = m_manager->currentPin();
    if (pin)
        m_toolbar->setState(pin->viewMode, pin->opacity, pin->isPinned, pin->fontSize);
    else
        m_toolbar->setState(PinViewMode::text, 1.0, true, PinFontSize::medium);

    m_imagePane->setImage(m_manager->thumbnailImage());
    m_textPane->setUsesMonospace(pin && pin->captureMode == CaptureMode::code);
    m_textPane->setFontSize(pin ? pin->fontSize : PinFontSize::medium);
    m_body->setCurrentWidget(pin && pin->viewMode == PinViewMode::image ? static_cast<QWidget *>(m_imagePane)
                                                                          : m_textPane);

    // Another pin took the place of the shown one: its text replaces the editor's.
    const std::optional<QUuid> id = pinID(*m_manager);
    if (id != m_shownPinID) {
        m_shownPinID = id;
        m_textPane->setText(pin ? pin->editedText : QString());
    }
}

std::unique_ptr<QMimeData> PinWidgetView::imageDragData() const
{
    if (!m_manager || m_manager->thumbnailImage().isNull())
        return nullptr;
    const QImage &image = m_manager->thumbnailImage();
    auto data = std::make_unique<QMimeData>();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (image.save(&buffer, "PNG"))
        data->setData(QStringLiteral("image/png"), png);
    data->setImageData(image);
    return data;
}

// A translucent card with rounded corners and a faint light outline. The chosen opacity
// applies to the frame only: a compositor shows what lies beneath without blurring it, so
// beneath the text the card stays nearly opaque and the text readable.
void PinWidgetView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect()).adjusted(0.25, 0.25, -0.25, -0.25);
    const qreal frameOpacity = m_manager ? m_manager->panelOpacity() : 1.0;
    QColor material = palette().color(QPalette::Window);
    material.setAlphaF(float(kMaterialAlpha * frameOpacity));
    painter.setPen(QPen(QColor(255, 255, 255, int(255 * 0.2)), 0.5));
    painter.setBrush(material);
    painter.drawRoundedRect(card, kCornerRadius, kCornerRadius);

    if (m_body->currentWidget() != m_textPane)
        return;
    QPainterPath textBacking;
    textBacking.addRoundedRect(card, kCornerRadius, kCornerRadius);
    QPainterPath below;
    below.addRect(QRectF(m_textPane->geometry()));
    material.setAlphaF(float(kTextBackingAlpha));
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillPath(textBacking.intersected(below), material);
}

} // namespace quorvane
