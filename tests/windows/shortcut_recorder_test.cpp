// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/hotkey_manager.h"
#include "core/settings_store.h"
#include "platform/global_key_grabber.h"
#include "platform/key_table.h"
#include "platform/login_item.h"
#include "platform/user_defaults.h"
#include "windows/key_event.h"
#include "windows/shortcut_recorder_view.h"

#include "support/event_loop.h"
#include "support/x_other_client.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorvane;
using State = ShortcutRecordingState;

namespace {

struct NoLoginItem : LoginItem {
    Status status() const override { return Status::notRegistered; }
    void registerItem() override {}
    void unregisterItem() override {}
};

constexpr quint32 kCommand = 0x100;
constexpr quint32 kShift = 0x200;
constexpr quint32 kControl = 0x1000;
constexpr quint16 kKeyL = 37;
constexpr quint16 kKeyQ = 12;
constexpr quint16 kKeyA = 0;

// A recorder for the repeat slot (default ⌥⌘L) over a store with the default shortcuts.
struct RecorderRig {
    QTemporaryDir dir;
    UserDefaults defaults{dir.filePath("defaults.json")};
    NoLoginItem loginItem;
    SettingsStore store{defaults, loginItem};
    ShortcutRecorderView recorder{store, ShortcutAction::repeatZarrow, store.settings().repeatZarrowShortcut};
    QSignalSpy recorded{&recorder, &ShortcutRecorderView::shortcutRecorded};

    // A press as the X server delivers it: the key's X keycode and the X modifier state.
    void press(quint16 keyCode, quint16 xState)
    {
        const quint8 xKeycode = *KeyTable::xKeycode(keyCode);
        QKeyEvent event(QEvent::KeyPress, 0, Qt::NoModifier, xKeycode, 0, xState);
        QCoreApplication::sendEvent(recorder.field(), &event);
    }
};

} // namespace

TEST(KeyEventTest, ReadsThePhysicalKeyAndOnlyTheFourModifiers)
{
    const quint16 lockShiftSuper = KeyTable::xLockMask | KeyTable::xShiftMask | KeyTable::xMod4Mask | KeyTable::xMod2Mask;
    QKeyEvent l(QEvent::KeyPress, Qt::Key_L, Qt::ShiftModifier, *KeyTable::xKeycode(kKeyL), 0, lockShiftSuper);
    EXPECT_EQ(KeyEvent::from(l), (KeyEvent{kKeyL, kCommand | kShift}));

    // Left Shift on its own (X keycode 50) is no key a shortcut can hold.
    QKeyEvent shiftAlone(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier, 50, 0, 0);
    EXPECT_FALSE(KeyEvent::from(shiftAlone));
}

TEST(ShortcutRecorderTest, RecordsAnAvailableShortcutThroughTheField)
{
    RecorderRig rig;
    rig.recorder.startRecording();
    EXPECT_EQ(rig.recorder.recordingState(), State::recording);

    // Caps Lock is dropped.
    rig.press(kKeyA, KeyTable::xControlMask | KeyTable::xShiftMask | KeyTable::xLockMask);
    ASSERT_EQ(rig.recorded.count(), 1);
    EXPECT_EQ(rig.recorded.at(0).at(0).value<Shortcut>(), (Shortcut{kKeyA, kControl | kShift}));
    EXPECT_EQ(rig.recorder.shortcut(), (Shortcut{kKeyA, kControl | kShift}));
    EXPECT_EQ(rig.recorder.recordingState(), State::idle);
    EXPECT_TRUE(rig.recorder.isValid());
    // The recorder never saves; its owner does.
    EXPECT_EQ(rig.store.settings().repeatZarrowShortcut, (Shortcut{kKeyL, 0x900}));

    // Once idle, presses reaching the field are dropped.
    EXPECT_FALSE(rig.recorder.handleKeyDown({kKeyL, kCommand}));
    EXPECT_EQ(rig.recorded.count(), 1);
}

TEST(ShortcutRecorderTest, RefusesReservedAndConflictingShortcutsAndKeepsRecording)
{
    RecorderRig rig;
    rig.recorder.startRecording();

    EXPECT_TRUE(rig.recorder.handleKeyDown({kKeyQ, kCommand}));
    EXPECT_EQ(rig.recorder.validationError(), "This shortcut is reserved by the system");
    EXPECT_FALSE(rig.recorder.isValid());
    EXPECT_EQ(rig.recorder.recordingState(), State::recording);

    // ⇧⌘L belongs to quick capture.
    EXPECT_TRUE(rig.recorder.handleKeyDown({kKeyL, kCommand | kShift}));
    EXPECT_EQ(rig.recorder.validationError(), "This shortcut conflicts with another action");
    EXPECT_EQ(rig.recorder.recordingState(), State::recording);
    EXPECT_EQ(rig.recorded.count(), 0);
    EXPECT_EQ(rig.recorder.shortcut(), (Shortcut{kKeyL, 0x900}));

    // A key without modifiers is swallowed; Escape with modifiers cancels, and the
    // message goes with the refused candidate.
    EXPECT_TRUE(rig.recorder.handleKeyDown({kKeyA, 0}));
    EXPECT_EQ(rig.recorder.recordingState(), State::recording);
    EXPECT_TRUE(rig.recorder.handleKeyDown({ShortcutRecorderView::escapeKeyCode, kCommand}));
    EXPECT_EQ(rig.recorder.recordingState(), State::idle);
    EXPECT_TRUE(rig.recorder.isValid());
    EXPECT_FALSE(rig.recorder.validationError());
    EXPECT_EQ(rig.recorded.count(), 0);

    // ⌘⇧Q is not reserved, and the slot's own present shortcut is no conflict.
    rig.recorder.startRecording();
    EXPECT_TRUE(rig.recorder.handleKeyDown({kKeyQ, kCommand | kShift}));
    EXPECT_TRUE(rig.recorder.isValid());
    EXPECT_FALSE(rig.recorder.validationError());
    rig.recorder.startRecording();
    EXPECT_TRUE(rig.recorder.handleKeyDown({kKeyL, 0x900}));
    EXPECT_EQ(rig.recorded.count(), 2);
}

TEST(ShortcutRecorderTest, WhileRecordingShiftTabIsAShortcutNotFocusNavigation)
{
    RecorderRig rig;
    QLineEdit elsewhere(&rig.recorder); // somewhere for focus to go
    rig.recorder.show();
    rig.recorder.startRecording();
    QKeyEvent backtab(QEvent::KeyPress, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier,
                      *KeyTable::xKeycode(48), 0, KeyTable::xControlMask | KeyTable::xShiftMask);
    QCoreApplication::sendEvent(rig.recorder.field(), &backtab);
    ASSERT_EQ(rig.recorded.count(), 1);
    EXPECT_EQ(rig.recorder.shortcut(), (Shortcut{48, kControl | kShift}));
}

TEST(ShortcutRecorderTest, ComingOnScreenFlagsAReservedPresentShortcut)
{
    RecorderRig rig;
    rig.recorder.setShortcut({kKeyQ, kCommand});
    rig.recorder.show();
    ASSERT_TRUE(test::waitUntil([&] { return !rig.recorder.isValid(); }));
    EXPECT_EQ(rig.recorder.validationError(), "Current shortcut is invalid");
}

namespace {

// A recorder for the repeat slot in a window on the display, with the global shortcuts
// taken on the display too; keys are typed by another X client.
struct LiveRecorderRig {
    LiveRecorderRig()
    {
        manager.registerHotkey(store.settings().quickZarrowShortcut, HotkeyAction::quickZarrowCapture,
                               [this] { ++actionsRun; });
        manager.registerHotkey(store.settings().repeatZarrowShortcut, HotkeyAction::repeatZarrow,
                               [this] { ++actionsRun; });
        window.resize(400, 100);
        window.show();
    }

    // Keys typed on the display reach the window with the focus only.
    bool recordingOnScreen()
    {
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        recorder->startRecording();
        return recorder->field()->hasFocus();
    }

    QTemporaryDir dir;
    UserDefaults defaults{dir.filePath("defaults.json")};
    NoLoginItem loginItem;
    SettingsStore store{defaults, loginItem};
    std::unique_ptr<GlobalKeyGrabber> grabber = createGlobalKeyGrabber();
    HotkeyManager manager{*grabber};
    int actionsRun = 0;
    QWidget window;
    ShortcutRecorderView *recorder = new ShortcutRecorderView(store, ShortcutAction::repeatZarrow,
                                                              store.settings().repeatZarrowShortcut, &manager, &window);
    QSignalSpy recorded{recorder, &ShortcutRecorderView::shortcutRecorded};
    test::OtherClient keyboard;
};

} // namespace

TEST(ShortcutRecorderLiveTest, TypedCombinationsAreRefusedAsReservedOrConflictingAndNeverRunAnAction)
{
    LiveRecorderRig rig;
    ASSERT_TRUE(rig.recordingOnScreen());
    const QString reserved = "This shortcut is reserved by the system";
    const QString conflict = "This shortcut conflicts with another action";

    rig.keyboard.pressShortcut({8, kControl}); // Ctrl+C
    ASSERT_TRUE(test::waitUntil([&] { return rig.recorder->validationError() == reserved; }));
    rig.keyboard.pressShortcut({kKeyL, kCommand | kShift}); // quick capture's
    ASSERT_TRUE(test::waitUntil([&] { return rig.recorder->validationError() == conflict; }));
    // The slot's own shortcut reaches the recorder too, and is accepted.
    rig.keyboard.pressShortcut({kKeyL, kCommand | 0x800});
    ASSERT_TRUE(test::waitUntil([&] { return rig.recorder->recordingState() == State::idle; }));
    EXPECT_TRUE(rig.recorder->isValid());
    EXPECT_EQ(rig.actionsRun, 0);

    // Recording over, the shortcuts work again.
    rig.keyboard.pressShortcut({kKeyL, kCommand | kShift});
    EXPECT_TRUE(test::waitUntil([&] { return rig.actionsRun == 1; }));
}

TEST(ShortcutRecorderLiveTest, AnotherWindowTakingTheFocusEndsRecordingAndGetsTheKeys)
{
    LiveRecorderRig rig;
    ASSERT_TRUE(rig.recordingOnScreen());
    rig.keyboard.pressShortcut({8, kControl}); // Ctrl+C: refused
    ASSERT_TRUE(test::waitUntil([&] { return !rig.recorder->isValid(); }));

    // The user clicks into another program's window (a terminal, say).
    QLineEdit terminal;
    terminal.show();
    terminal.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&terminal));
    ASSERT_TRUE(test::waitUntil([&] { return rig.recorder->recordingState() == State::idle; }));
    EXPECT_TRUE(rig.recorder->isValid()); // the refusal went with the recording
    EXPECT_FALSE(rig.recorder->validationError());

    // What is typed there is its own, not a shortcut.
    const quint16 keyR = 15;
    rig.keyboard.chord({test::kControlL}, *KeyTable::xKeycode(keyR));
    rig.keyboard.chord({}, *KeyTable::xKeycode(keyR));
    ASSERT_TRUE(test::waitUntil([&] { return terminal.text() == "r"; }));
    EXPECT_EQ(rig.recorded.count(), 0);
    EXPECT_EQ(rig.recorder->shortcut(), rig.store.settings().repeatZarrowShortcut);
    // And the global shortcuts work again at once.
    rig.keyboard.pressShortcut({kKeyL, kCommand | kShift});
    EXPECT_TRUE(test::waitUntil([&] { return rig.actionsRun == 1; }));
}

TEST(ShortcutRecorderLiveTest, StartingAnotherFieldEndsTheFirstsRecording)
{
    LiveRecorderRig rig;
    auto *quick = new ShortcutRecorderView(rig.store, ShortcutAction::quickZarrow,
                                           rig.store.settings().quickZarrowShortcut, &rig.manager, &rig.window);
    quick->move(0, 50);
    quick->show();
    ASSERT_TRUE(rig.recordingOnScreen());
    QTest::mouseClick(quick->field(), Qt::LeftButton);
    EXPECT_EQ(quick->recordingState(), State::recording);
    EXPECT_EQ(rig.recorder->recordingState(), State::idle);
    rig.keyboard.chord({}, rig.keyboard.keycodeOf(0xff1b)); // Escape
    ASSERT_TRUE(test::waitUntil([&] { return quick->recordingState() == State::idle; }));
    // Neither records: the shortcuts are back.
    rig.keyboard.pressShortcut({kKeyL, kCommand | kShift});
    EXPECT_TRUE(test::waitUntil([&] { return rig.actionsRun == 1; }));
}

TEST(ShortcutRecorderTest, ThePromptFitsTheField)
{
    RecorderRig rig;
    rig.recorder.show();
    rig.recorder.startRecording();
    const QFontMetrics metrics(rig.recorder.field()->font());
    // Padding, the prompt and the spinner beside it.
    EXPECT_GE(rig.recorder.field()->width(), metrics.horizontalAdvance("Press keys… (ESC to cancel)") + 2 * 8 + 16 + 6);
}
