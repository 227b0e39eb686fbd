// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/first_launch_flow.h"

#include "app/app_services.h"
#include "app/first_launch_manager.h"
#include "app/onboarding_window.h"
#include "app/permission_request_flow.h"
#include "app/service_factory.h"
#include "app/shell_windows.h"
#include "core/diagnostics.h"
#include "core/permission_manager.h"
#include "core/settings_store.h"
#include "platform/user_defaults.h"
#include "windows/onboarding_view.h"
#include "platform/window_presenter.h"

#include <QTimer>

namespace quorvane {

FirstLaunchFlow::FirstLaunchFlow(ServiceFactory &factory, AppServices &services, Hooks hooks, QObject *parent)
    : QObject(parent), m_factory(factory), m_services(services), m_hooks(std::move(hooks))
{
}

FirstLaunchFlow::~FirstLaunchFlow()
{
    delete m_onboardingWindow.data();
}

void FirstLaunchFlow::checkFirstLaunch()
{
    UserDefaults &defaults = m_factory.userDefaults();
    if (!defaults.boolValue(OnboardingView::hasSeenOnboardingKey).value_or(false)) {
        QTimer::singleShot(0, this, [this] {
            if (!m_hooks.isTerminating())
                m_hooks.showOnboarding();
        });
        return;
    }
    if (defaults.boolValue(FirstLaunchManager::hasLaunchedKey).value_or(false))
        return;

    // Onboarding seen, tooltip not yet shown.
    QTimer::singleShot(firstLaunchTooltipDelayMs, this, [this] {
        if (!m_hooks.isTerminating())
            m_hooks.showTooltip();
    });
    QTimer::singleShot(permissionSummaryDelayMs, this, [this] {
        PermissionManager *permissions = m_services.permissionManager();
        if (m_hooks.isTerminating() || !permissions)
            return;
        const QList<PermissionType> missing = permissions->missingPermissions();
        if (missing.isEmpty())
            return;
        QStringList names;
        for (PermissionType type : missing)
            names << displayName(type);
        diagWarning(lcApp(), QStringLiteral("Missing permissions: %1").arg(names.join(QStringLiteral(", "))));
        permissions->showPermissionSummaryAlert();
    });
}

QWidget *FirstLaunchFlow::onboardingWindow() const
{
    return m_onboardingWindow.data();
}

void FirstLaunchFlow::showOnboarding()
{
    diag(lcApp(), QStringLiteral("Showing onboarding flow"));
    if (m_onboardingWindow && !m_onboardingWindow->isHidden()) {
        presentWindow(*m_onboardingWindow, WindowPlacement::asItIs);
        return;
    }
    auto *window = new OnboardingWindow;
    //: Onboarding window title
    //% "Welcome to Quorvane"
    window->setWindowTitle(qtTrId("onboarding.window.title"));
    QPointer<FirstLaunchFlow> self(this);
    // The view writes its flag into the very database the rest of the program reads.
    auto *content = new OnboardingView(
        m_factory.userDefaults(),
        PermissionsPageServices{m_factory.permissionChecks(), m_factory.privacySettingsOpener(), m_factory.alertPresenter()},
        [self] {
            if (self)
                self->handleOnboardingCompleted();
        });
    // The welcome page names the capture shortcut: the user's, not the default.
    if (SettingsStore *settings = m_services.settingsStore())
        content->setCaptureShortcut(m_shortcutsOffered ? std::optional(settings->settings().quickZarrowShortcut)
                                                       : std::nullopt);
    window->setContent(content);
    m_onboardingView = content;
    connect(window, &OnboardingWindow::closedByUser, this, &FirstLaunchFlow::handleOnboardingWindowClosed);
    m_onboardingWindow = window;
    presentWindow(*window, WindowPlacement::centred);
}

void FirstLaunchFlow::markOnboardingSeen()
{
    UserDefaults &defaults = m_factory.userDefaults();
    defaults.setBool(OnboardingView::hasSeenOnboardingKey, true);
    defaults.synchronize();
}

void FirstLaunchFlow::handleOnboardingCompleted()
{
    // The program's own close: not a skip.
    if (m_onboardingWindow)
        m_onboardingWindow->closeAfterCompletion();
    m_onboardingWindow = nullptr;
    markOnboardingSeen();

    QTimer::singleShot(onboardingPermissionFlowDelayMs, this, [this] { m_hooks.requestPermissions(); });
    QTimer::singleShot(onboardingTooltipDelayMs, this, [this] {
        if (!m_hooks.isTerminating())
            m_hooks.showTooltip();
    });
    diag(lcApp(), QStringLiteral("Onboarding completed"));
}

void FirstLaunchFlow::handleOnboardingWindowClosed()
{
    markOnboardingSeen();
    diag(lcApp(), QStringLiteral("User skipped onboarding via close button"));
    m_onboardingWindow = nullptr;
    // Not from inside the window's close: the flow may show modal alerts.
    QTimer::singleShot(0, this, [this] { m_hooks.requestPermissions(); });
}

void FirstLaunchFlow::requestPermissionsAfterOnboarding()
{
    if (m_hooks.isTerminating() || !m_services.permissionManager())
        return;
    if (!m_permissionFlow) {
        m_permissionFlow = std::make_unique<PermissionRequestFlow>(*m_services.permissionManager(),
                                                                   m_factory.alertPresenter(),
                                                                   m_factory.privacySettingsOpener(),
                                                                   m_hooks.permissionsGranted);
        if (SettingsStore *settings = m_services.settingsStore())
            m_permissionFlow->setCaptureShortcut(settings->settings().quickZarrowShortcut);
    }
    m_permissionFlow->start();
}

void FirstLaunchFlow::setCaptureShortcut(const std::optional<Shortcut> &shortcut)
{
    m_shortcutsOffered = shortcut.has_value();
    if (m_onboardingView)
        m_onboardingView->setCaptureShortcut(shortcut);
    if (m_permissionFlow && shortcut)
        m_permissionFlow->setCaptureShortcut(*shortcut);
}

} // namespace quorvane
