// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/hotkey_error.h"
#include "core/hotkey_manager.h"
#include "core/user_settings.h"
#include "support/event_loop.h"
#include "support/fake_key_grabber.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

const Shortcut kShiftCommandL{37, 0x300};
const Shortcut kOptionCommandL{37, 0x900};
const Shortcut kOptionCommandH{4, 0x900};
const Shortcut kCommandQ{12, 0x100};

using test::drainEvents;

class HotkeyManagerTest : public ::testing::Test {
protected:
    test::FakeKeyGrabber grabber;
    std::map<HotkeyAction, int> runs;

    HotkeyManager::Callback counting(HotkeyAction action)
    {
        return [this, action] { ++runs[action]; };
    }

    HotkeyErrorKind registrationError(HotkeyManager &manager, const Shortcut &shortcut, HotkeyAction action)
    {
        try {
            manager.registerHotkey(shortcut, action, counting(action));
        } catch (const HotkeyError &error) {
            return error.kind();
        }
        ADD_FAILURE() << "registration did not fail";
        return HotkeyErrorKind::invalidShortcut;
    }
};

} // namespace

TEST_F(HotkeyManagerTest, WithoutPermissionEveryRegistrationIsRefusedFirst)
{
    grabber.permitted = false;
    HotkeyManager manager(grabber);
    EXPECT_FALSE(manager.hasAccessibilityPermission());
    // Even a reserved shortcut reports the missing permission, which is checked first.
    EXPECT_EQ(registrationError(manager, kCommandQ, HotkeyAction::codeMode),
              HotkeyErrorKind::accessibilityPermissionDenied);
    EXPECT_EQ(registrationError(manager, kShiftCommandL, HotkeyAction::quickZarrowCapture),
              HotkeyErrorKind::accessibilityPermissionDenied);
    EXPECT_EQ(grabber.grabCalls, 0);
    EXPECT_FALSE(manager.isEnabled());
}

TEST_F(HotkeyManagerTest, ReservedShortcutKeepsTheEarlierRegistration)
{
    HotkeyManager manager(grabber);
    manager.registerHotkey(kShiftCommandL, HotkeyAction::quickZarrowCapture, counting(HotkeyAction::quickZarrowCapture));
    try {
        manager.registerHotkey(kCommandQ, HotkeyAction::quickZarrowCapture, {});
        FAIL() << "a reserved shortcut was registered";
    } catch (const HotkeyError &error) {
        EXPECT_EQ(error.kind(), HotkeyErrorKind::systemReservedShortcut);
        EXPECT_EQ(error.localizedDescription(), "Shortcut Super+Q is reserved by the system");
    }
    EXPECT_TRUE(grabber.holds(37, 0x300));
    EXPECT_FALSE(grabber.holds(12, 0x100));
    grabber.press(37, 0x300);
    drainEvents();
    EXPECT_EQ(runs[HotkeyAction::quickZarrowCapture], 1);
}

TEST_F(HotkeyManagerTest, RegisteringAgainReplacesCombinationAndCallback)
{
    HotkeyManager manager(grabber);
    int first = 0;
    int second = 0;
    manager.registerHotkey(kShiftCommandL, HotkeyAction::scanCode, [&] { ++first; });
    manager.registerHotkey(kOptionCommandH, HotkeyAction::scanCode, [&] { ++second; });
    EXPECT_EQ(grabber.held.size(), 1u);
    EXPECT_TRUE(grabber.holds(4, 0x900));
    EXPECT_EQ(manager.registeredShortcut(HotkeyAction::scanCode), kOptionCommandH);

    grabber.press(4, 0x900);
    drainEvents();
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);

    // Registering the same combination again is no conflict with itself.
    EXPECT_NO_THROW(manager.registerHotkey(kOptionCommandH, HotkeyAction::scanCode, [&] { ++second; }));
}

TEST_F(HotkeyManagerTest, CombinationTakenElsewhereLeavesTheActionUnregistered)
{
    HotkeyManager manager(grabber);
    manager.registerHotkey(kOptionCommandH, HotkeyAction::openHistory, counting(HotkeyAction::openHistory));
    grabber.takenElsewhere.insert({37, 0x300});
    try {
        manager.registerHotkey(kShiftCommandL, HotkeyAction::openHistory, counting(HotkeyAction::openHistory));
        FAIL() << "a combination held elsewhere was registered";
    } catch (const HotkeyError &error) {
        EXPECT_EQ(error.kind(), HotkeyErrorKind::registrationFailed);
        EXPECT_EQ(error.localizedDescription(),
                  "Failed to register global shortcut: Shift+Super+L is already taken by another program");
    }
    // The old registration went first, so the action now has none at all.
    EXPECT_TRUE(grabber.held.empty());
    EXPECT_FALSE(manager.registeredShortcut(HotkeyAction::openHistory).has_value());
    EXPECT_FALSE(manager.isEnabled());
}

TEST_F(HotkeyManagerTest, PressRunsCallbackAfterTheKeyEventNotDuringIt)
{
    HotkeyManager manager(grabber);
    manager.registerHotkey(kShiftCommandL, HotkeyAction::quickZarrowCapture, counting(HotkeyAction::quickZarrowCapture));
    grabber.press(37, 0x300);
    EXPECT_EQ(runs[HotkeyAction::quickZarrowCapture], 0);
    drainEvents();
    EXPECT_EQ(runs[HotkeyAction::quickZarrowCapture], 1);
}

TEST_F(HotkeyManagerTest, ExtraFlagBitsDoNotStopTheShortcutFromFiring)
{
    HotkeyManager manager(grabber);
    manager.registerHotkey(Shortcut{37, 0x300 | 0x400}, HotkeyAction::codeMode, counting(HotkeyAction::codeMode));
    grabber.press(37, 0x300);
    drainEvents();
    EXPECT_EQ(runs[HotkeyAction::codeMode], 1);
}

TEST_F(HotkeyManagerTest, EachOfFiveActionsRunsOnlyItsOwnCallback)
{
    HotkeyManager manager(grabber);
    const UserSettings &defaults = UserSettings::defaults();
    std::map<HotkeyAction, HotkeyManager::Callback> callbacks;
    for (HotkeyAction action : kAllHotkeyActions)
        callbacks[action] = counting(action);
    manager.registerAll(defaults, callbacks);
    EXPECT_EQ(grabber.held.size(), 5u);

    for (HotkeyAction action : kAllHotkeyActions) {
        const Shortcut s = defaults.shortcut(shortcutAction(action));
        // Desktops that bind shortcuts themselves list each under its action.
        const GrabPurpose &purpose = grabber.purposes[{s.keyCode, KeyTable::modifierBits(s.modifierFlags)}];
        EXPECT_EQ(purpose.id, rawValue(action));
        EXPECT_EQ(purpose.description, displayName(shortcutAction(action)));
        grabber.press(s.keyCode, s.modifierFlags);
        drainEvents();
        for (HotkeyAction other : kAllHotkeyActions)
            EXPECT_EQ(runs[other], other <= action ? 1 : 0) << rawValue(action).toStdString();
    }
}

TEST_F(HotkeyManagerTest, RegisterAllAcceptsSwappedShortcuts)
{
    HotkeyManager manager(grabber);
    UserSettings swapped = UserSettings::defaults();
    swapped.quickZarrowShortcut = kOptionCommandL;
    swapped.repeatZarrowShortcut = kShiftCommandL;
    manager.registerAll(swapped, {});
    // Back to the defaults: quick capture takes the combination repeat still holds.
    EXPECT_NO_THROW(manager.registerAll(UserSettings::defaults(), {}));
    EXPECT_EQ(manager.registeredShortcut(HotkeyAction::quickZarrowCapture), kShiftCommandL);
    EXPECT_EQ(manager.registeredShortcut(HotkeyAction::repeatZarrow), kOptionCommandL);
    EXPECT_EQ(grabber.held.size(), 5u);
}

TEST_F(HotkeyManagerTest, RegisterAllStopsAtTheFirstFailure)
{
    HotkeyManager manager(grabber);
    const UserSettings &defaults = UserSettings::defaults();
    grabber.takenElsewhere.insert({defaults.codeModeShortcut.keyCode, defaults.codeModeShortcut.modifierFlags});
    EXPECT_THROW(manager.registerAll(defaults, {}), HotkeyError);
    EXPECT_TRUE(manager.registeredShortcut(HotkeyAction::repeatZarrow).has_value());
    EXPECT_FALSE(manager.registeredShortcut(HotkeyAction::codeMode).has_value());
    EXPECT_FALSE(manager.registeredShortcut(HotkeyAction::openHistory).has_value());
    EXPECT_FALSE(manager.registeredShortcut(HotkeyAction::scanCode).has_value());
}

TEST_F(HotkeyManagerTest, UnregisteringEverythingDisablesAndReleases)
{
    HotkeyManager manager(grabber);
    manager.registerHotkey(kShiftCommandL, HotkeyAction::quickZarrowCapture, {});
    manager.registerHotkey(kOptionCommandH, HotkeyAction::openHistory, {});
    manager.unregisterHotkey(HotkeyAction::quickZarrowCapture);
    EXPECT_TRUE(manager.isEnabled());
    manager.unregisterHotkey(HotkeyAction::scanCode); // never registered
    EXPECT_TRUE(manager.isEnabled());
    manager.unregisterHotkey(HotkeyAction::openHistory);
    EXPECT_FALSE(manager.isEnabled());
    EXPECT_TRUE(grabber.held.empty());
}

TEST_F(HotkeyManagerTest, PressQueuedBeforeUnregisteringRunsNothing)
{
    HotkeyManager manager(grabber);
    manager.registerHotkey(kShiftCommandL, HotkeyAction::quickZarrowCapture, counting(HotkeyAction::quickZarrowCapture));
    grabber.press(37, 0x300);
    manager.unregisterHotkey(HotkeyAction::quickZarrowCapture);
    drainEvents();
    EXPECT_EQ(runs[HotkeyAction::quickZarrowCapture], 0);
}

TEST_F(HotkeyManagerTest, CallbackMayRegisterItsOwnActionAgain)
{
    HotkeyManager manager(grabber);
    int runsSeen = 0;
    std::function<void()> reRegister = [&] {
        ++runsSeen;
        manager.registerHotkey(kShiftCommandL, HotkeyAction::quickZarrowCapture, reRegister);
    };
    manager.registerHotkey(kShiftCommandL, HotkeyAction::quickZarrowCapture, reRegister);
    grabber.press(37, 0x300);
    drainEvents();
    grabber.press(37, 0x300);
    drainEvents();
    EXPECT_EQ(runsSeen, 2);
}

TEST_F(HotkeyManagerTest, DestructionReleasesEveryCombination)
{
    {
        HotkeyManager manager(grabber);
        manager.registerAll(UserSettings::defaults(), {});
        EXPECT_EQ(grabber.held.size(), 5u);
    }
    EXPECT_TRUE(grabber.held.empty());
}

TEST_F(HotkeyManagerTest, PermissionWatchAnnouncesAGrantOnce)
{
    grabber.permitted = false;
    HotkeyManager manager(grabber);
    ASSERT_NE(manager.permissionMonitorTimer(), nullptr);
    EXPECT_TRUE(manager.permissionMonitorTimer()->isActive());
    EXPECT_EQ(manager.permissionMonitorTimer()->interval(), 5000);

    int granted = 0;
    QObject::connect(&manager, &HotkeyManager::accessibilityPermissionGranted, [&] { ++granted; });
    manager.checkAccessibilityPermission();
    EXPECT_EQ(granted, 0);
    grabber.permitted = true;
    manager.checkAccessibilityPermission();
    manager.checkAccessibilityPermission();
    EXPECT_EQ(granted, 1);
    EXPECT_TRUE(manager.hasAccessibilityPermission());
    // Nothing is registered by the grant itself.
    EXPECT_FALSE(manager.isEnabled());
}

TEST(HotkeyErrorTest, DescriptionsCarryTheirValue)
{
    EXPECT_EQ(HotkeyError(HotkeyErrorKind::hotkeyConflict, Shortcut{4, 0x900}).localizedDescription(),
              "Shortcut Alt+Super+H conflicts with another registered shortcut");
    EXPECT_EQ(HotkeyError(HotkeyErrorKind::accessibilityPermissionDenied).localizedDescription(),
              "Permission for global shortcuts is required. Please grant access in your desktop's privacy settings.");
    EXPECT_EQ(HotkeyError(HotkeyErrorKind::invalidShortcut).localizedDescription(), "Invalid shortcut configuration");
}

TEST_F(HotkeyManagerTest, SuspensionGivesTheCombinationsBackUntilTheLastResume)
{
    HotkeyManager manager(grabber);
    manager.registerHotkey(kShiftCommandL, HotkeyAction::quickZarrowCapture, counting(HotkeyAction::quickZarrowCapture));
    manager.suspend();
    manager.suspend();
    EXPECT_TRUE(grabber.held.empty());
    // A registration made meanwhile waits for the resume; the probe sees only other programs.
    manager.registerHotkey(kOptionCommandH, HotkeyAction::openHistory, counting(HotkeyAction::openHistory));
    EXPECT_TRUE(grabber.held.empty());
    EXPECT_FALSE(manager.isHeldByAnotherProgram(kShiftCommandL));
    grabber.takenElsewhere.insert({kOptionCommandL.keyCode, kOptionCommandL.modifierFlags});
    EXPECT_TRUE(manager.isHeldByAnotherProgram(kOptionCommandL));
    EXPECT_TRUE(grabber.held.empty());

    manager.resume();
    EXPECT_TRUE(grabber.held.empty());
    manager.resume();
    EXPECT_TRUE(grabber.holds(kShiftCommandL.keyCode, kShiftCommandL.modifierFlags));
    EXPECT_TRUE(grabber.holds(kOptionCommandH.keyCode, kOptionCommandH.modifierFlags));
    grabber.press(kOptionCommandH.keyCode, kOptionCommandH.modifierFlags);
    drainEvents();
    EXPECT_EQ(runs[HotkeyAction::openHistory], 1);
}

TEST_F(HotkeyManagerTest, ACombinationTakenWhileSuspendedIsReportedLost)
{
    HotkeyManager manager(grabber);
    manager.registerHotkey(kShiftCommandL, HotkeyAction::quickZarrowCapture, counting(HotkeyAction::quickZarrowCapture));
    manager.suspend();
    grabber.takenElsewhere.insert({kShiftCommandL.keyCode, kShiftCommandL.modifierFlags});
    std::vector<std::pair<HotkeyAction, Shortcut>> lost;
    QObject::connect(&manager, &HotkeyManager::registrationLost,
                     [&](HotkeyAction action, const Shortcut &shortcut) { lost.emplace_back(action, shortcut); });
    manager.resume();
    ASSERT_EQ(lost.size(), 1u);
    EXPECT_EQ(lost[0].first, HotkeyAction::quickZarrowCapture);
    EXPECT_EQ(lost[0].second, kShiftCommandL);
    EXPECT_FALSE(manager.registeredShortcut(HotkeyAction::quickZarrowCapture));
    EXPECT_FALSE(manager.isEnabled());
}
