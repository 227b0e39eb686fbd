// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace quorvane {

class AppServices;
class OnboardingView;
class OnboardingWindow;
class PermissionRequestFlow;
class ServiceFactory;
struct Shortcut;

// What a first launch brings: the onboarding walk-through, then the permission flow and
// the status item's tooltip; or, when the walk-through was seen before, the tooltip and a
// summary of the missing permissions. Main thread only.
class FirstLaunchFlow : public QObject {
    Q_OBJECT
public:
    // After a first launch whose onboarding was already seen: when the tooltip and the
    // summary of missing permissions come, in milliseconds.
    static constexpr int firstLaunchTooltipDelayMs = 500;
    static constexpr int permissionSummaryDelayMs = 2000;
    // After the onboarding was completed: when the permission flow and the tooltip come.
    static constexpr int onboardingPermissionFlowDelayMs = 500;
    static constexpr int onboardingTooltipDelayMs = 1000;

    // What the flow asks of the program around it; the steps the program may replace
    // (`showOnboarding`, `requestPermissions`) come back through here.
    struct Hooks {
        std::function<bool()> isTerminating;
        std::function<void()> showOnboarding;
        std::function<void()> requestPermissions;
        std::function<void()> showTooltip;
        // A grant was made: the hotkeys can be bound.
        std::function<void()> permissionsGranted;
    };

    FirstLaunchFlow(ServiceFactory &factory, AppServices &services, Hooks hooks, QObject *parent = nullptr);
    // The onboarding window goes before the services it shows.
    ~FirstLaunchFlow() override;

    // Chooses between the onboarding, the first-launch tooltip and nothing.
    void checkFirstLaunch();
    void showOnboarding();
    // Leads the user through the missing grants (see PermissionRequestFlow); a request while
    // the flow runs is ignored.
    void requestPermissionsAfterOnboarding();
    // The texts that name the capture shortcut show the user's current one; none where the
    // desktop offers programs no global shortcuts.
    void setCaptureShortcut(const std::optional<Shortcut> &shortcut);

    // The open onboarding window; null while closed.
    QWidget *onboardingWindow() const;

private:
    // The walk-through's pages were finished (or skipped): closes the window, marks the
    // onboarding as seen, then starts the permission flow and the tooltip a moment later.
    void handleOnboardingCompleted();
    // The user closed the walk-through's window: that counts as seen, and the permission
    // flow starts at once, without the tooltip.
    void handleOnboardingWindowClosed();
    void markOnboardingSeen();

    ServiceFactory &m_factory;
    AppServices &m_services;
    Hooks m_hooks;
    std::unique_ptr<PermissionRequestFlow> m_permissionFlow;
    QPointer<OnboardingWindow> m_onboardingWindow;
    QPointer<OnboardingView> m_onboardingView;
    // Whether the desktop lets programs take global shortcuts, as last told.
    bool m_shortcutsOffered = true;
};

} // namespace quorvane
