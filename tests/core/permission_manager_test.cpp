// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/permission_manager.h"
#include "platform/alert_presenter.h"
#include "platform/privacy_settings_opener.h"

#include <QTimer>

#include <functional>
#include <utility>

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

class FakeOpener : public PrivacySettingsOpener {
public:
    bool hasPage = true;
    QString failure;
    int opens = 0;
    bool hasPrivacyPage() const override { return hasPage; }
    QString openPrivacyPage() override
    {
        ++opens;
        return failure;
    }
};

class FakeAlerts : public AlertPresenter {
public:
    int answer = 1;
    std::vector<Alert> shown;
    int runModal(const Alert &alert) override
    {
        shown.push_back(alert);
        return answer;
    }
};

struct Posted {
    QString name;
    bool granted;
};

class PermissionManagerTest : public ::testing::Test {
protected:
    bool screenGranted = false;
    bool accessGranted = false;
    bool screenServiceMissing = false;
    int screenChecks = 0;
    // Runs inside a screen check, after it read the grant and before it answers.
    std::function<void()> whileScreenCheckWaits;
    FakeOpener opener;
    FakeAlerts alerts;
    std::vector<Posted> posted;

    std::unique_ptr<PermissionManager> makeManager()
    {
        PermissionChecks checks{[this] {
                                    ++screenChecks;
                                    const bool answer = screenGranted;
                                    if (auto waiting = std::exchange(whileScreenCheckWaits, {}))
                                        waiting();
                                    return answer;
                                },
                                [this] { return accessGranted; }, [this] { return screenServiceMissing; }};
        auto manager = std::make_unique<PermissionManager>(checks, opener, alerts);
        QObject::connect(manager.get(), &PermissionManager::screenRecordingPermissionChanged,
                         [this](bool granted) { posted.push_back({"screenRecordingPermissionChanged", granted}); });
        QObject::connect(manager.get(), &PermissionManager::accessibilityPermissionChanged,
                         [this](bool granted) { posted.push_back({"accessibilityPermissionChanged", granted}); });
        return manager;
    }
};

} // namespace

TEST_F(PermissionManagerTest, CreationReadsBothGrantsWithoutNotifying)
{
    screenGranted = true;
    accessGranted = true;
    auto granted = makeManager();
    EXPECT_TRUE(granted->hasScreenRecordingPermission());
    EXPECT_TRUE(granted->hasAccessibilityPermission());
    EXPECT_TRUE(granted->missingPermissions().isEmpty());

    // The first poll finds nothing changed and so announces nothing.
    granted->refreshPermissionStatus();
    EXPECT_TRUE(posted.empty());

    screenGranted = false;
    accessGranted = false;
    auto denied = makeManager();
    EXPECT_EQ(denied->missingPermissions(),
              (QList<PermissionType>{PermissionType::screenRecording, PermissionType::accessibility}));
    EXPECT_TRUE(posted.empty());
}

TEST_F(PermissionManagerTest, PollAnnouncesOnlyChangesScreenRecordingFirst)
{
    auto manager = makeManager();
    ASSERT_NE(manager->statusMonitorTimer(), nullptr);
    EXPECT_TRUE(manager->statusMonitorTimer()->isActive());
    EXPECT_EQ(manager->statusMonitorTimer()->interval(), 3000);

    screenGranted = true;
    accessGranted = true;
    manager->refreshPermissionStatus();
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[0].name, "screenRecordingPermissionChanged");
    EXPECT_TRUE(posted[0].granted);
    EXPECT_EQ(posted[1].name, "accessibilityPermissionChanged");
    EXPECT_TRUE(posted[1].granted);

    manager->refreshPermissionStatus();
    EXPECT_EQ(posted.size(), 2u);

    // A revoked grant: one notification with "granted" false, and the flag follows.
    accessGranted = false;
    manager->refreshPermissionStatus();
    ASSERT_EQ(posted.size(), 3u);
    EXPECT_EQ(posted[2].name, "accessibilityPermissionChanged");
    EXPECT_FALSE(posted[2].granted);
    EXPECT_FALSE(manager->hasAccessibilityPermission());
    EXPECT_EQ(manager->missingPermissions(), QList<PermissionType>{PermissionType::accessibility});
}

TEST_F(PermissionManagerTest, TwoManagersAnnounceIndependently)
{
    auto shell = makeManager();
    auto onboarding = makeManager();
    screenGranted = true;
    shell->refreshPermissionStatus();
    onboarding->refreshPermissionStatus();
    EXPECT_EQ(posted.size(), 2u);
}

TEST_F(PermissionManagerTest, ScreenRequestWhenGrantedOpensNothing)
{
    screenGranted = true;
    auto manager = makeManager();
    const QFuture<bool> answer = manager->requestScreenRecordingPermission();
    ASSERT_TRUE(answer.isFinished());
    EXPECT_TRUE(answer.result());
    EXPECT_EQ(opener.opens, 0);
}

TEST_F(PermissionManagerTest, ScreenRequestWhenMissingOpensSettingsAndAnswersFalse)
{
    auto manager = makeManager();
    const QFuture<bool> answer = manager->requestScreenRecordingPermission();
    ASSERT_TRUE(answer.isFinished());
    EXPECT_FALSE(answer.result());
    EXPECT_EQ(opener.opens, 1);
    EXPECT_FALSE(manager->hasScreenRecordingPermission());
    // The request itself announces nothing; the poll compares against what it stored.
    EXPECT_TRUE(posted.empty());
}

TEST_F(PermissionManagerTest, ScreenRequestForWantOfADesktopServiceOpensNoSettings)
{
    screenServiceMissing = true;
    auto manager = makeManager();
    EXPECT_FALSE(manager->requestScreenRecordingPermission().result());
    EXPECT_TRUE(manager->screenServiceMissing());
    EXPECT_EQ(opener.opens, 0);
}

TEST_F(PermissionManagerTest, ScreenRequestWaitsLongerForASlowServiceAndOpensNoSettingsWhenItStaysSilent)
{
    int patientChecks = 0;
    bool silent = true;
    PermissionChecks checks{[] { return false; }, [] { return false; }, [] { return false; }, {},
                            [&] {
                                ++patientChecks;
                                return false;
                            },
                            [&] { return silent; }};
    PermissionManager manager(checks, opener, alerts);
    EXPECT_FALSE(manager.requestScreenRecordingPermission().result());
    EXPECT_EQ(patientChecks, 1);
    EXPECT_TRUE(manager.screenServiceSilent());
    EXPECT_EQ(opener.opens, 0);

    // Once it answers, however slowly, the grant counts.
    checks.screenRecordingWaiting = [] { return true; };
    silent = false;
    PermissionManager answered(checks, opener, alerts);
    EXPECT_TRUE(answered.requestScreenRecordingPermission().result());
    EXPECT_TRUE(answered.hasScreenRecordingPermission());
}

TEST_F(PermissionManagerTest, ScreenRequestStoresTheGrantSoThePollDoesNotAnnounceItAgain)
{
    auto manager = makeManager();
    screenGranted = true;
    EXPECT_TRUE(manager->requestScreenRecordingPermission().result());
    EXPECT_TRUE(manager->hasScreenRecordingPermission());
    manager->refreshPermissionStatus();
    EXPECT_TRUE(posted.empty());
}

TEST_F(PermissionManagerTest, SummaryWithNothingMissingShowsNothing)
{
    screenGranted = true;
    accessGranted = true;
    auto manager = makeManager();
    manager->showPermissionSummaryAlert();
    EXPECT_TRUE(alerts.shown.empty());
}

TEST_F(PermissionManagerTest, SummaryListsMissingGrantsAndOpensTheFirst)
{
    screenGranted = true;
    auto manager = makeManager();
    alerts.answer = 0;
    manager->showPermissionSummaryAlert();
    ASSERT_EQ(alerts.shown.size(), 1u);
    const Alert &alert = alerts.shown.front();
    EXPECT_EQ(alert.style, Alert::Style::warning);
    EXPECT_EQ(alert.messageText, "Permissions Required");
    EXPECT_EQ(alert.informativeText,
              "Quorvane requires the following permissions:\n\n• Global Shortcuts\n\nPlease grant these "
              "permissions in your desktop's privacy settings to use Quorvane.");
    EXPECT_EQ(alert.buttons, (QStringList{"Open Privacy Settings", "OK"}));
    EXPECT_EQ(opener.opens, 1);
}

TEST_F(PermissionManagerTest, SummaryListsBothInOrderAndOkOpensNothing)
{
    auto manager = makeManager();
    alerts.answer = 1;
    manager->showPermissionSummaryAlert();
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_TRUE(alerts.shown.front().informativeText.contains("• Screen Access\n• Global Shortcuts\n"));
    EXPECT_EQ(opener.opens, 0);
}

TEST_F(PermissionManagerTest, OpeningWithoutAPrivacyPageLaunchesNothing)
{
    opener.hasPage = false;
    PermissionManager::openSystemSettings(PermissionType::accessibility, opener);
    EXPECT_EQ(opener.opens, 0);
}

TEST_F(PermissionManagerTest, AnOlderSlowerCheckNeverOverwritesANewerResult)
{
    auto manager = makeManager();
    // The poll's check reads "missing"; while it waits for its answer the grant arrives and
    // the next tick's check reports it.
    whileScreenCheckWaits = [&] {
        screenGranted = true;
        manager->refreshPermissionStatus();
    };
    manager->refreshPermissionStatus();
    EXPECT_TRUE(manager->hasScreenRecordingPermission());
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_TRUE(posted[0].granted);
}
