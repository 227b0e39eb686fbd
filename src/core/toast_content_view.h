// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/capture_mode.h"
#include "core/toast_type.h"

#include <QPainterPath>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>

namespace quorvane {

// The card inside a toast: the type's icon, the title with an optional capture-mode
// badge, and the message wrapped to as many lines as it needs. To assistive technology
// the whole card is one button whose name reads title, message and mode.
class ToastContentView : public QWidget {
    Q_OBJECT
public:
    ToastContentView(QString title, QString message, ToastType type,
                     std::optional<CaptureMode> captureMode, QWidget *parent = nullptr);

    const QString &title() const { return m_title; }
    const QString &message() const { return m_message; }
    ToastType type() const { return m_type; }
    std::optional<CaptureMode> captureMode() const { return m_captureMode; }
    // Shows other texts (the interface language changed).
    void setTexts(QString title, QString message);

    // The message as the card shows it: from 201 user-perceived characters on, the first
    // 197 followed by "...".
    static QString displayedMessage(const QString &message);
    // The rounded card the view paints when it covers `bounds`.
    static QPainterPath cardShape(const QRect &bounds);

    // The height the card needs at `width` to show its title and whole message; never
    // below the toast's usual 80.
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    // The message's lines as drawn at the view's current width.
    QStringList messageLines() const;
    // Where the card paints its icon and each of its texts (title, badge, message lines),
    // in the view's coordinates, each text as wide as its own ink.
    struct ShownText {
        QString text;
        QRectF area;
    };
    QRectF iconArea() const;
    QList<ShownText> shownTexts() const;
    // "↻" for a repeat capture, "</>" for a code capture, empty (no badge) otherwise.
    static QString captureModeBadge(std::optional<CaptureMode> mode);
    // What a screen reader says for the mode; empty for normal captures and no mode.
    static QString captureModeAccessibilityLabel(std::optional<CaptureMode> mode);
    // Title, ". ", the whole message, then ". " and the mode's label when it has one.
    static QString toastAccessibilityLabel(const QString &title, const QString &message,
                                           std::optional<CaptureMode> mode);
    // The hint every toast carries for assistive technology.
    static QString accessibilityHint();

    // Acts as if the card was clicked (also the accessible press action).
    void click();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // Where the title, badge and message go within a card of `textWidth`.
    struct TextBlock;
    TextBlock textBlock(qreal textWidth) const;
    // The block placed in the card at the view's size, mirrored for right to left.
    struct Placement;
    Placement placement() const;

    QString m_title;
    QString m_message;
    ToastType m_type;
    std::optional<CaptureMode> m_captureMode;
    bool m_pressed = false;
};

} // namespace quorvane
