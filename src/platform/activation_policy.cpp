// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/activation_policy.h"

#include "platform/log_categories.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace quorvane {

namespace {

constexpr char kKeptUnlisted[] = "quorvaneKeptUnlisted";

} // namespace

ActivationPolicy::ActivationPolicy(std::unique_ptr<TaskbarPresence> presence, QObject *parent)
    : QObject(parent), m_presence(std::move(presence))
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

ActivationPolicy::~ActivationPolicy() = default;

bool ActivationPolicy::setActivationPolicy(ActivationPolicyKind policy)
{
    const bool changed = policy != m_policy;
    m_policy = policy;
    qCInfo(lcPlatform) << "[ActivationPolicy]"
                       << (policy == ActivationPolicyKind::regular ? "regular: floating panels listed in the taskbar"
                                                                   : "accessory: floating panels kept out of the taskbar");
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        if (window->isVisible() && followsPolicy(window))
            applyTo(window);
    }
    if (changed)
        emit activationPolicyChanged(policy);
    return true;
}

bool ActivationPolicy::followsPolicy(const QWindow *window)
{
    // Ordinary windows and dialogs keep their taskbar entry; popups, tooltips and splash
    // screens never had one.
    return window->type() == Qt::Tool;
}

void ActivationPolicy::keepUnlisted(QWidget &panel)
{
    panel.winId();
    panel.windowHandle()->setProperty(kKeptUnlisted, true);
}

bool ActivationPolicy::isKeptUnlisted(const QWindow *window)
{
    return window->property(kKeptUnlisted).toBool();
}

bool ActivationPolicy::listsPanel(const QWindow *window) const
{
    return m_policy == ActivationPolicyKind::regular && !isKeptUnlisted(window);
}

void ActivationPolicy::applyTo(QWindow *window)
{
    m_presence->setListed(window, listsPanel(window));
}

bool ActivationPolicy::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        auto *window = qobject_cast<QWindow *>(watched);
        // A window the window manager lists anyway needs no request.
        if (window && followsPolicy(window) && !listsPanel(window)) {
            // The window manager takes the hint once the window is mapped, which happens
            // right after the show event.
            QPointer<QWindow> guard(window);
            QTimer::singleShot(0, this, [this, guard] {
                if (guard && guard->isVisible() && !listsPanel(guard))
                    applyTo(guard);
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quorvane
