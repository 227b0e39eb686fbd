// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/capture_mode.h"
#include "core/toast_type.h"
#include "platform/display_list.h"
#include "platform/non_activating_panel.h"

#include <QUuid>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPropertyAnimation;

namespace quorvane {

class ToastContentView;

// A toast: a small panel near the top of one monitor that never takes the focus, fades
// in and out, and reports a click. Created positioned and invisible; once hidden it is
// closed for good.
class ToastWindow : public NonActivatingPanel {
    Q_OBJECT
public:
    using ClickHandler = std::function<void(std::optional<QUuid> captureID)>;

    static constexpr int kWidth = 360;
    static constexpr int kHeight = 80;       // at least; taller when the message needs it
    static constexpr int kTopGap = 20;       // between the monitor's available top and the panel
    static constexpr int kFadeMs = 200;

    // The toast for `captureID` (none for errors) on the monitor numbered `displayID`
    // (the main one when none is given or none matches), looked up in `displays`.
    ToastWindow(const QString &title, const QString &message, ToastType type,
                std::optional<CaptureMode> captureMode, std::optional<QUuid> captureID,
                std::optional<quint32> displayID, ClickHandler onClick,
                const DisplayList &displays);

    std::optional<QUuid> captureID() const { return m_captureID; }
    ToastContentView *contentView() const { return m_content; }
    // Shows other texts (the interface language changed), as tall as they need.
    void setTexts(const QString &title, const QString &message);

    // Brings the panel to the front without activating it, fading in over 0.2 s when
    // `animated`. Does nothing once the toast was hidden.
    void show(bool animated);
    // Fades out over 0.2 s (at once when not `animated`), closes the panel, then calls
    // `completion`. Hiding a toast that is already fading joins that fade; hiding a
    // closed toast calls `completion` at once.
    void hide(bool animated, std::function<void()> completion = {});
    bool isClosed() const { return m_closed; }

    // What a click does: `onClick` with the toast's record, when there is a handler.
    void handleClick();

    // The monitor numbered `displayID`; otherwise the main monitor, else the first one,
    // else none.
    static std::optional<DisplayInfo> screenForDisplayID(const DisplayList &displays,
                                                         std::optional<quint32> displayID);
    // Centred horizontally, kTopGap below the top of the monitor's available area.
    static QRect frameOn(const DisplayInfo &display, int height = kHeight);

protected:
    QPainterPath paintedShape() const override;

private:
    void finishHiding();

    QRect m_area; // the available area of the toast's monitor
    std::optional<QUuid> m_captureID;
    ClickHandler m_onClick;
    ToastContentView *m_content = nullptr;
    QPropertyAnimation *m_fadeIn = nullptr;
    QPropertyAnimation *m_fadeOut = nullptr;
    std::vector<std::function<void()>> m_hideCompletions;
    bool m_closed = false;
};

// Makes toasts; the notification service takes one so tests can watch what it shows.
using ToastFactory = std::function<std::unique_ptr<ToastWindow>(
    const QString &title, const QString &message, ToastType type,
    std::optional<CaptureMode> captureMode, std::optional<QUuid> captureID,
    std::optional<quint32> displayID, ToastWindow::ClickHandler onClick)>;

// Toasts placed on the monitors of `displays`, which must outlive the factory.
ToastFactory toastFactory(const DisplayList &displays);

} // namespace quorvane
