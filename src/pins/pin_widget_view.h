// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QUuid>
#include <QWidget>

#include <memory>
#include <optional>

class QMimeData;
class QLabel;
class QStackedLayout;

namespace quorvane {

class PinImageView;
class PinTextEditorView;
class PinWidgetManager;
class PinWidgetToolbar;

// What fills the pin panel: the toolbar over the image or the text of the manager's pin,
// on a translucent rounded card. It follows the manager's state and hands every action
// and text edit to the manager. The text shown is loaded when the view is made and again
// whenever another pin takes the place of the current one; in between the editor leads.
class PinWidgetView : public QWidget {
    Q_OBJECT
public:
    static constexpr qreal kCornerRadius = 16;
    // The card's alpha at full opacity, and beneath the text at any opacity.
    static constexpr qreal kMaterialAlpha = 0.86;
    static constexpr qreal kTextBackingAlpha = 0.94;

    explicit PinWidgetView(PinWidgetManager &manager, QWidget *parent = nullptr);

    PinWidgetToolbar *toolbar() const { return m_toolbar; }
    PinImageView *imagePane() const { return m_imagePane; }
    PinTextEditorView *textPane() const { return m_textPane; }
    // Says that the pin could not be written; hidden while it is.
    QLabel *unwrittenNote() const { return m_unwrittenNote; }
    // The pane on show: the image pane for a pin in image mode, else the text pane.
    QWidget *body() const;

    // What dragging the picture out offers: the image and its PNG; null without a picture.
    std::unique_ptr<QMimeData> imageDragData() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void refresh();

    void refreshUnwrittenNote();

    QPointer<PinWidgetManager> m_manager;
    PinWidgetToolbar *m_toolbar;
    PinImageView *m_imagePane;
    PinTextEditorView *m_textPane;
    QStackedLayout *m_body;
    QLabel *m_unwrittenNote;
    std::optional<QUuid> m_shownPinID;
};

} // namespace quorvane
