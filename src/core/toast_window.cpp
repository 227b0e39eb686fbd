// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/toast_window.h"

#include "core/diagnostics.h"
#include "core/toast_content_view.h"
#include "platform/activation_policy.h"

#include <QEasingCurve>
#include <QPropertyAnimation>
#include <QVBoxLayout>

namespace quorvane {

namespace {

QEasingCurve cubicBezier(QPointF c1, QPointF c2)
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(c1, c2, QPointF(1, 1));
    return curve;
}

} // namespace

ToastWindow::ToastWindow(const QString &title, const QString &message, ToastType type,
                         std::optional<CaptureMode> captureMode, std::optional<QUuid> captureID,
                         std::optional<quint32> displayID, ClickHandler onClick,
                         const DisplayList &displays)
    : m_captureID(captureID), m_onClick(std::move(onClick))
{
    ActivationPolicy::keepUnlisted(*this);
    // What window lists and the compositor's window rules know it by.
    //: Title of the small window that tells how a capture ended, where the desktop shows no notifications; window lists show it
    //% "Quorvane Notice"
    setWindowTitle(qtTrId("notification.window.title"));
    m_content = new ToastContentView(title, message, type, captureMode, this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_content);
    connect(m_content, &ToastContentView::clicked, this, &ToastWindow::handleClick);

    // As tall as the whole message needs.
    const int height = m_content->heightForWidth(kWidth);
    if (const std::optional<DisplayInfo> display = screenForDisplayID(displays, displayID)) {
        m_area = display->availableGeometry;
        setGeometry(frameOn(*display, height));
    } else {
        diagWarning(lcNotifications(), QStringLiteral("WARNING: No screens available for toast positioning - using default frame"));
        setGeometry(0, 0, kWidth, height);
    }

    m_fadeIn = new QPropertyAnimation(this, "windowOpacity", this);
    m_fadeIn->setDuration(kFadeMs);
    m_fadeIn->setEndValue(1.0);
    m_fadeIn->setEasingCurve(cubicBezier({0.0, 0.0}, {0.58, 1.0}));  // ease out

    m_fadeOut = new QPropertyAnimation(this, "windowOpacity", this);
    m_fadeOut->setDuration(kFadeMs);
    m_fadeOut->setEndValue(0.0);
    m_fadeOut->setEasingCurve(cubicBezier({0.42, 0.0}, {1.0, 1.0}));  // ease in
    connect(m_fadeOut, &QPropertyAnimation::finished, this, &ToastWindow::finishHiding);
}

void ToastWindow::setTexts(const QString &title, const QString &message)
{
    m_content->setTexts(title, message);
    // Still as tall as the whole message needs, keeping its top edge.
    QRect frame = geometry();
    frame.setHeight(m_content->heightForWidth(kWidth));
    setGeometry(frame);
}

std::optional<DisplayInfo> ToastWindow::screenForDisplayID(const DisplayList &displays,
                                                           std::optional<quint32> displayID)
{
    if (displayID) {
        if (std::optional<DisplayInfo> display = displays.display(*displayID))
            return display;
    }
    if (std::optional<DisplayInfo> main = displays.display(displays.mainDisplayId()))
        return main;
    const QList<DisplayInfo> all = displays.activeDisplays();
    if (!all.isEmpty())
        return all.first();
    return std::nullopt;
}

QRect ToastWindow::frameOn(const DisplayInfo &display, int height)
{
    const QRect area = display.availableGeometry;
    const int x = area.x() + (area.width() - kWidth) / 2;
    const int y = area.y() + kTopGap;
    return QRect(x, y, kWidth, height);
}

QPainterPath ToastWindow::paintedShape() const
{
    return ToastContentView::cardShape(m_content->geometry());
}

void ToastWindow::show(bool animated)
{
    if (m_closed)
        return;
    // A pin on screen where the toast would go keeps both readable: the toast goes beside
    // it. A toast still fading out is replaced, not avoided.
    if (!isVisible()) {
        const auto isToast = [](const QWidget &panel) { return qobject_cast<const ToastWindow *>(&panel) != nullptr; };
        setGeometry(keptClear(geometry(), otherPanelFrames(isToast), m_area));
    }
    if (!animated) {
        m_fadeIn->stop();
        orderFront();
        setWindowOpacity(1.0);
        return;
    }
    setWindowOpacity(0.0);
    orderFront();
    m_fadeIn->setStartValue(0.0);
    m_fadeIn->start();
}

void ToastWindow::hide(bool animated, std::function<void()> completion)
{
    if (m_closed) {
        if (completion)
            completion();
        return;
    }
    if (completion)
        m_hideCompletions.push_back(std::move(completion));
    m_fadeIn->stop();
    if (!animated) {
        m_fadeOut->stop();
        finishHiding();
        return;
    }
    if (m_fadeOut->state() == QAbstractAnimation::Running)
        return;
    m_fadeOut->setStartValue(windowOpacity());
    m_fadeOut->start();
}

void ToastWindow::finishHiding()
{
    if (m_closed)
        return;
    m_closed = true;
    close();
    // A completion may drop the last reference to this toast (deleteLater), so run the
    // ones collected so far from a local list.
    const std::vector<std::function<void()>> completions = std::exchange(m_hideCompletions, {});
    for (const auto &completion : completions)
        completion();
}

void ToastWindow::handleClick()
{
    if (m_onClick)
        m_onClick(m_captureID);
}

ToastFactory toastFactory(const DisplayList &displays)
{
    return [&displays](const QString &title, const QString &message, ToastType type,
                       std::optional<CaptureMode> captureMode, std::optional<QUuid> captureID,
                       std::optional<quint32> displayID, ToastWindow::ClickHandler onClick) {
        return std::make_unique<ToastWindow>(title, message, type, captureMode, captureID,
                                             displayID, std::move(onClick), displays);
    };
}

} // namespace quorvane
