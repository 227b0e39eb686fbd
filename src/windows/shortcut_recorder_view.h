// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/shortcut.h"
#include "windows/key_event.h"
#include "windows/shortcut_recording_state.h"

#include <QString>
#include <QWidget>

#include <optional>

class QLabel;

namespace quorvane {

class GlobalShortcutGate;
class SettingsStore;

// The click-to-record field of one shortcut slot. A click starts recording; the next key
// pressed with at least one of command, shift, option or control becomes the candidate,
// and the settings store is asked whether the slot may take it. An accepted candidate
// becomes the shortcut (reported through `shortcutRecorded`; the recorder itself saves
// nothing); a refused one leaves the shortcut alone and shows why under the field.
// Escape, or the focus going to another field or window, ends recording without a change.
// While it records, the program's global shortcuts are suspended so that their
// combinations reach the field; the field never grabs the keyboard, so a combination
// another program holds goes to that program (and is refused as taken should it arrive).
class ShortcutRecorderView : public QWidget {
    Q_OBJECT
public:
    static constexpr quint16 escapeKeyCode = 53;
    static constexpr int minimumFieldWidth = 200;

    // `globalShortcuts` (optional) is suspended while recording and asked whether another
    // program holds a candidate.
    ShortcutRecorderView(SettingsStore &settingsStore, ShortcutAction action, const Shortcut &shortcut,
                         GlobalShortcutGate *globalShortcuts = nullptr, QWidget *parent = nullptr);
    ~ShortcutRecorderView() override;

    ShortcutAction action() const { return m_action; }
    Shortcut shortcut() const { return m_shortcut; }
    // The slot's owner changed the shortcut; the field shows it.
    void setShortcut(const Shortcut &shortcut);

    bool isValid() const { return m_isValid; }
    // Why the last combination was refused, in the interface language.
    std::optional<QString> validationError() const;
    ShortcutRecordingState recordingState() const { return m_recordingState; }
    // The field that takes the clicks and, while recording, the key presses.
    QWidget *field() const;

    // What a click on the field does.
    void startRecording();
    // Ends recording without a change, if it records.
    void cancelRecording();
    // One key press reaching the field; true exactly when the recorder was recording.
    bool handleKeyDown(const KeyEvent &event);
    // Whether the present shortcut may stay in its slot; run whenever the view comes on screen.
    void validateCurrentShortcut();

signals:
    // A recording was accepted: `shortcut` is the slot's new value.
    void shortcutRecorded(const quorvane::Shortcut &shortcut);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void setRecordingState(ShortcutRecordingState state);
    // Suspends the global shortcuts when recording starts; resumes them when it ends.
    void suspendShortcuts(bool hold);
    // The id of the text that says why `candidate` cannot be taken; none when it can.
    const char *refusal(const Shortcut &candidate);
    void refresh();
    // The field's name and the refusal in the interface language.
    void retranslate();

    SettingsStore &m_settingsStore;
    GlobalShortcutGate *m_globalShortcuts;
    bool m_suspendsShortcuts = false;
    const ShortcutAction m_action;
    Shortcut m_shortcut;
    bool m_isValid = true;
    const char *m_validationError = nullptr; // a text id
    ShortcutRecordingState m_recordingState = ShortcutRecordingState::idle;

    class KeyCaptureField;
    KeyCaptureField *m_field = nullptr;
    QWidget *m_messageRow = nullptr;
    QLabel *m_messageLabel = nullptr;
};

} // namespace quorvane
