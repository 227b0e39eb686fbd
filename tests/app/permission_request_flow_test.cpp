// SPDX-License-Identifier: GPL-3.0-or-later
// The walk-through of the two grants over a real permission manager with scripted checks.
#include "app/permission_request_flow.h"
#include "core/permission_manager.h"
#include "platform/alert_presenter.h"
#include "platform/privacy_settings_opener.h"

#include "support/event_loop.h"

#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

struct CountingPrivacyPage : PrivacySettingsOpener {
    int opened = 0;
    bool hasPrivacyPage() const override { return true; }
    QString openPrivacyPage() override
    {
        ++opened;
        return {};
    }
};

// Answers each alert with the next scripted button (-1 once the script runs out).
struct ScriptedAlerts : AlertPresenter {
    QList<int> answers;
    QStringList titles;
    std::function<void()> onShown;
    int runModal(const Alert &alert) override
    {
        titles << alert.messageText;
        if (onShown)
            onShown();
        return answers.isEmpty() ? -1 : answers.takeFirst();
    }
};

struct Fixture {
    bool screen = false;
    bool keys = false;
    int hotkeyRegistrations = 0;
    CountingPrivacyPage privacy;
    ScriptedAlerts alerts;
    std::unique_ptr<PermissionManager> permissions;
    std::unique_ptr<PermissionRequestFlow> flow;

    Fixture(bool screenGranted, bool keysGranted, double timeoutSeconds = 60.0)
        : screen(screenGranted), keys(keysGranted)
    {
        permissions = std::make_unique<PermissionManager>(
            PermissionChecks{[this] { return screen; }, [this] { return keys; }, {}}, privacy, alerts);
        flow = std::make_unique<PermissionRequestFlow>(*permissions, alerts, privacy,
                                                       [this] { ++hotkeyRegistrations; },
                                                       PermissionRequestFlow::Timing{10, timeoutSeconds});
    }

    bool run()
    {
        QSignalSpy finished(flow.get(), &PermissionRequestFlow::finished);
        flow->start();
        return test::waitUntil([&] { return finished.count() == 1; }) && !flow->isRunning();
    }
};

} // namespace

TEST(PermissionRequestFlow, WithBothGrantsItOnlyBindsTheHotkeys)
{
    Fixture f(true, true);
    ASSERT_TRUE(f.run());
    EXPECT_TRUE(f.alerts.titles.isEmpty());
    EXPECT_EQ(f.privacy.opened, 0);
    EXPECT_EQ(f.hotkeyRegistrations, 1);
}

TEST(PermissionRequestFlow, RefusedGrantsAreExplainedAwaitedAndFinallyNamed)
{
    Fixture f(false, false, 0.05);
    // Cancel, Cancel, then "Open Privacy Settings" in the final alert.
    f.alerts.answers = {1, 1, 1};
    ASSERT_TRUE(f.run());
    EXPECT_EQ(f.alerts.titles, (QStringList{"Global Shortcuts Permission Required", "Screen Access Permission Required",
                                            "Permissions Required"}));
    // Asking for the screen grant opens the settings once, the final alert's button once more.
    EXPECT_EQ(f.privacy.opened, 2);
    EXPECT_EQ(f.hotkeyRegistrations, 0);

    // The explanations' first button opens the settings too.
    f.alerts.answers = {0};
    f.flow->showAccessibilityPermissionAlert();
    EXPECT_EQ(f.privacy.opened, 3);
}

TEST(PermissionRequestFlow, AGrantDuringTheWaitEndsItAndBindsTheHotkeys)
{
    Fixture f(true, false);
    // The user cancels the explanation and then grants the permission elsewhere.
    f.alerts.answers = {1};
    f.alerts.onShown = [&] { QTimer::singleShot(30, [&] { f.keys = true; }); };
    ASSERT_TRUE(f.run());
    EXPECT_EQ(f.alerts.titles, QStringList{"Global Shortcuts Permission Required"});
    EXPECT_TRUE(f.permissions->hasAccessibilityPermission());
    EXPECT_EQ(f.hotkeyRegistrations, 1);
}
