#include "core/settings_store.h"
#include "platform/key_table.h"
#include "platform/login_item.h"
#include "platform/notification_center.h"
#include "platform/user_defaults.h"
#include "windows/key_event.h"
#include "windows/shortcut_recorder_view.h"

#include "support/event_loop.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>

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
    NotificationCenter center;
    NoLoginItem loginItem;
    SettingsStore store{defaults, center, loginItem};
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
    // message stays until the next accepted candidate.
    EXPECT_TRUE(rig.recorder.handleKeyDown({kKeyA, 0}));
    EXPECT_EQ(rig.recorder.recordingState(), State::recording);
    EXPECT_TRUE(rig.recorder.handleKeyDown({ShortcutRecorderView::escapeKeyCode, kCommand}));
    EXPECT_EQ(rig.recorder.recordingState(), State::idle);
    EXPECT_FALSE(rig.recorder.isValid());
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
