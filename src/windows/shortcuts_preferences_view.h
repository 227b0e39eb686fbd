// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/shortcut.h"

#include <QWidget>

#include <array>
#include <exception>

class QLabel;
class QPushButton;

namespace quorvane {

class DesktopShortcutsNote;
class ErrorBanner;
class GlobalShortcutGate;
class SettingsStore;
class ShortcutRecorderView;

// The Shortcuts pane: one recorder per global action and a button that puts all five
// back to their defaults. It keeps its own copy of the five shortcuts, loaded from the
// shared store whenever it comes on screen, and sends every later change of the copy to
// the store, which saves at once (the hotkeys are then registered anew).
class ShortcutsPreferencesView : public QWidget {
    Q_OBJECT
public:
    // `globalShortcuts` (optional) is what the recorders suspend while they record.
    explicit ShortcutsPreferencesView(SettingsStore &settingsStore, GlobalShortcutGate *globalShortcuts = nullptr,
                                      QWidget *parent = nullptr);

    // The pane's copy of one slot.
    Shortcut shortcut(ShortcutAction action) const;
    ShortcutRecorderView *recorder(ShortcutAction action) const;
    QPushButton *resetButton() const { return m_resetButton; }
    // Says why the last reset could not be stored; hidden after one that was.
    ErrorBanner *errorBanner() const { return m_errorBanner; }
    // Who holds the shortcuts, where the desktop does.
    DesktopShortcutsNote *desktopNote() const { return m_desktopNote; }
    bool isInitialLoad() const { return m_isInitialLoad; }

    // Copies the five stored shortcuts into the pane's copy.
    void loadShortcuts();
    // Asks the store to take `shortcut` for `action` and logs how that went.
    void updateShortcut(const Shortcut &shortcut, ShortcutAction action);
    void resetToDefaults();

    static Shortcut defaultShortcut(ShortcutAction action);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Sets every text of the pane in the interface language.
    void retranslate();
    // Sets the copy of `action`; a different value runs the change handler.
    void setState(ShortcutAction action, const Shortcut &shortcut);
    void stateChanged(ShortcutAction action, const Shortcut &shortcut);
    // Shows the stored shortcuts without sending them back to the store.
    void reloadWithoutStoring();

    SettingsStore &m_settingsStore;
    GlobalShortcutGate *m_globalShortcuts;
    DesktopShortcutsNote *m_desktopNote = nullptr;
    std::array<Shortcut, 5> m_shortcuts;
    bool m_isInitialLoad = true;
    // Whether the desktop lets the program take the shortcuts (as last shown).
    bool m_recordable = true;
    std::array<ShortcutRecorderView *, 5> m_recorders{};
    struct RowLabels {
        QLabel *name = nullptr;
        QLabel *description = nullptr;
    };
    std::array<RowLabels, 5> m_rowLabels{};
    QLabel *m_header = nullptr;
    QPushButton *m_resetButton = nullptr;
    ErrorBanner *m_errorBanner = nullptr;
    // The failure the banner shows, described anew in the interface language.
    std::exception_ptr m_failure;
};

} // namespace quorvane
