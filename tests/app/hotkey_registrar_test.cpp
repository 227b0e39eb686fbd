// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/hotkey_registrar.h"
#include "core/settings_store.h"
#include "platform/login_item.h"
#include "platform/user_defaults.h"

#include "support/event_loop.h"
#include "support/fake_key_grabber.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

struct NoLoginItem : LoginItem {
    Status status() const override { return Status::notRegistered; }
    void registerItem() override {}
    void unregisterItem() override {}
};

// The registrar over a real hotkey manager whose keys are taken by an in-memory grabber.
struct Rig {
    Rig()
        : defaults(dir.filePath("defaults.json")),
          store(defaults, loginItem),
          manager(grabber),
          registrar(manager, store)
    {
    }

    HotkeyRegistrar::Callbacks countingCallbacks()
    {
        HotkeyRegistrar::Callbacks callbacks;
        for (HotkeyAction action : kAllHotkeyActions)
            callbacks[action] = [this, action] { fired << rawValue(action); };
        return callbacks;
    }

    QTemporaryDir dir;
    UserDefaults defaults;
    NoLoginItem loginItem;
    SettingsStore store;
    test::FakeKeyGrabber grabber;
    HotkeyManager manager;
    HotkeyRegistrar registrar;
    QStringList fired;
};

} // namespace

TEST(HotkeyRegistrarTest, RefusedRepeatShortcutLeavesTheOtherFourWorking)
{
    Rig rig;
    const UserSettings settings = UserSettings::defaults();
    rig.grabber.takenElsewhere.insert({settings.repeatZarrowShortcut.keyCode, 0x900});

    const auto outcome = rig.registrar.registerAll(rig.countingCallbacks());
    EXPECT_TRUE(outcome.permitted);
    EXPECT_EQ(outcome.registered, (QList<HotkeyAction>{HotkeyAction::quickZarrowCapture, HotkeyAction::codeMode,
                                                        HotkeyAction::openHistory, HotkeyAction::scanCode}));
    ASSERT_EQ(outcome.failures.size(), 1);
    EXPECT_EQ(outcome.failures[0].first, HotkeyAction::repeatZarrow);

    rig.grabber.press(settings.scanCodeShortcut.keyCode, settings.scanCodeShortcut.modifierFlags);
    rig.grabber.press(settings.quickZarrowShortcut.keyCode, settings.quickZarrowShortcut.modifierFlags);
    EXPECT_TRUE(test::waitUntil([&] { return rig.fired.size() == 2; }));
    EXPECT_EQ(rig.fired, (QStringList{"scanCode", "quickZarrowCapture"}));
}

TEST(HotkeyRegistrarTest, ReservedShortcutIsSkippedWithoutStoppingTheRest)
{
    Rig rig;
    UserSettings settings = UserSettings::defaults();
    settings.quickZarrowShortcut = Shortcut{12, 0x100}; // ⌘Q: reserved
    rig.store.setSettings(settings);

    const auto outcome = rig.registrar.registerAll(rig.countingCallbacks());
    EXPECT_EQ(outcome.registered.size(), 4);
    EXPECT_FALSE(rig.manager.registeredShortcut(HotkeyAction::quickZarrowCapture));
    EXPECT_EQ(rig.manager.registeredShortcut(HotkeyAction::scanCode), settings.scanCodeShortcut);
}

TEST(HotkeyRegistrarTest, WithoutPermissionNothingIsTakenAndEarlierBindingsStay)
{
    Rig rig;
    rig.registrar.registerAll(rig.countingCallbacks());
    ASSERT_TRUE(rig.manager.isEnabled());

    rig.grabber.permitted = false;
    const int grabsBefore = rig.grabber.grabCalls;
    const auto outcome = rig.registrar.registerAll(rig.countingCallbacks());
    EXPECT_FALSE(outcome.permitted);
    EXPECT_TRUE(outcome.registered.isEmpty());
    EXPECT_EQ(rig.grabber.grabCalls, grabsBefore);
    EXPECT_FALSE(rig.manager.hasAccessibilityPermission());
}

TEST(HotkeyRegistrarTest, RegisteringAgainFollowsSwappedShortcuts)
{
    Rig rig;
    rig.registrar.registerAll(rig.countingCallbacks());
    UserSettings swapped = rig.store.settings();
    std::swap(swapped.quickZarrowShortcut, swapped.repeatZarrowShortcut);
    rig.store.setSettings(swapped);

    const auto outcome = rig.registrar.registerAll(rig.countingCallbacks());
    EXPECT_TRUE(outcome.failures.isEmpty());
    rig.grabber.press(swapped.quickZarrowShortcut.keyCode, swapped.quickZarrowShortcut.modifierFlags);
    EXPECT_TRUE(test::waitUntil([&] { return !rig.fired.isEmpty(); }));
    EXPECT_EQ(rig.fired, QStringList{"quickZarrowCapture"});
}

TEST(HotkeyRegistrarTest, UnregisteringReleasesEveryCombination)
{
    Rig rig;
    rig.grabber.takenElsewhere.insert({37, 0x900}); // one was never registered
    rig.registrar.registerAll(rig.countingCallbacks());
    rig.registrar.unregisterAll();
    EXPECT_TRUE(rig.grabber.held.empty());
    EXPECT_FALSE(rig.manager.isEnabled());
}
