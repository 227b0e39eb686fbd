// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/shortcuts_preferences_view.h"

#include "core/diagnostics.h"
#include "core/global_shortcut_gate.h"
#include "core/localized_error.h"
#include "core/settings_store.h"
#include "core/settings_store_error.h"
#include "platform/language_change.h"
#include "windows/desktop_shortcuts_note.h"
#include "windows/error_banner.h"
#include "windows/form_section.h"
#include "windows/form_style.h"
#include "windows/shortcut_recorder_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <QVBoxLayout>

#include <optional>

namespace quorvane {

namespace {

// A shortcut the store refused stays refused after another change is saved; a failed save
// does not.
bool isRefusedShortcut(const std::exception_ptr &failure)
{
    if (!failure)
        return false;
    try {
        std::rethrow_exception(failure);
    } catch (const SettingsStoreError &error) {
        return error.kind() != SettingsStoreError::Kind::persistenceFailed;
    } catch (...) {
        return true;
    }
}

} // namespace

namespace {

size_t slot(ShortcutAction action)
{
    return static_cast<size_t>(action);
}

struct RowText {
    ShortcutAction action;
    const char *description;
};
// Scan Code is shown before Open History.
const RowText kRows[] = {
    //: Quick capture shortcut description
    //% "Activate screen capture overlay and select region"
    {ShortcutAction::quickZarrow, QT_TRID_NOOP("preferences.shortcuts.quick_zarrow.description")},
    //: Repeat capture shortcut description
    //% "Capture the same region as last time without showing overlay"
    {ShortcutAction::repeatZarrow, QT_TRID_NOOP("preferences.shortcuts.repeat_zarrow.description")},
    //: Code mode shortcut description
    //% "Capture text in code mode (preserves formatting)"
    {ShortcutAction::codeMode, QT_TRID_NOOP("preferences.shortcuts.code_mode.description")},
    //: Scan Code shortcut description
    //% "Scan QR codes and barcodes from the screen"
    {ShortcutAction::scanCode, QT_TRID_NOOP("preferences.shortcuts.scan_code.description")},
    //: History shortcut description
    //% "Open capture history window"
    {ShortcutAction::openHistory, QT_TRID_NOOP("preferences.shortcuts.open_history.description")},
};
} // namespace

Shortcut ShortcutsPreferencesView::defaultShortcut(ShortcutAction action)
{
    return UserSettings::defaults().shortcut(action);
}

ShortcutsPreferencesView::ShortcutsPreferencesView(SettingsStore &settingsStore, GlobalShortcutGate *globalShortcuts,
                                                   QWidget *parent)
    : QWidget(parent), m_settingsStore(settingsStore), m_globalShortcuts(globalShortcuts)
{
    for (ShortcutAction action : kAllShortcutActions)
        m_shortcuts[slot(action)] = defaultShortcut(action);

    // Long translations of the descriptions may need more than the window's height.
    QWidget *page = FormStyle::makeScrollingPage(this);
    auto *form = new QVBoxLayout(page);
    form->setContentsMargins(20, 16, 20, 16);
    form->setSpacing(12);

    auto *section = new FormSection(16, page);
    m_header = FormStyle::makeLabel(QString(), FormStyle::Text::subheadline, section);
    FormStyle::makeSecondary(m_header);
    m_header->setContentsMargins(0, 0, 0, 8);
    section->content()->addWidget(m_header);
    m_desktopNote = new DesktopShortcutsNote(m_globalShortcuts, section);
    section->content()->addWidget(m_desktopNote);

    bool first = true;
    for (const RowText &text : kRows) {
        if (!first)
            section->content()->addWidget(FormStyle::makeDivider(section));
        first = false;

        auto *row = new QWidget(section);
        auto *line = new QHBoxLayout(row);
        line->setContentsMargins(0, 0, 0, 0);
        line->setSpacing(16);

        auto *labels = new QWidget(row);
        labels->setFixedWidth(280);
        auto *stack = new QVBoxLayout(labels);
        stack->setContentsMargins(0, 0, 0, 0);
        stack->setSpacing(4);
        // The label is the action's own name.
        QLabel *name = FormStyle::makeLabel(QString(), FormStyle::Text::body, labels);
        stack->addWidget(name);
        QLabel *description = FormStyle::makeLabel(QString(), FormStyle::Text::caption, labels);
        FormStyle::makeSecondary(description);
        stack->addWidget(description);
        m_rowLabels[slot(text.action)] = {name, description};
        line->addWidget(labels, 0, Qt::AlignVCenter);
        line->addStretch(1);

        auto *recorder = new ShortcutRecorderView(m_settingsStore, text.action, m_shortcuts[slot(text.action)],
                                                  m_globalShortcuts, row);
        m_recorders[slot(text.action)] = recorder;
        const ShortcutAction action = text.action;
        connect(recorder, &ShortcutRecorderView::shortcutRecorded, this,
                [this, action](const Shortcut &recorded) { setState(action, recorded); });
        line->addWidget(recorder, 0, Qt::AlignVCenter);
        section->content()->addWidget(row);
    }
    form->addWidget(section);

    auto *resetSection = new FormSection(0, page);
    resetSection->content()->setContentsMargins(14, 10, 14, 10);
    auto *resetRow = new QHBoxLayout;
    m_resetButton = new QPushButton(resetSection);
    connect(m_resetButton, &QPushButton::clicked, this, &ShortcutsPreferencesView::resetToDefaults);
    resetRow->addWidget(m_resetButton);
    resetRow->addStretch(1);
    resetSection->content()->addLayout(resetRow);
    form->addWidget(resetSection);
    m_errorBanner = new ErrorBanner(page);
    form->addWidget(m_errorBanner);
    // The pane's shortcuts are saved with the whole record: a save made from any pane
    // says whether they are stored too.
    connect(&m_settingsStore, &SettingsStore::saveFailed, this, [this](const QString &reason) {
        m_failure = nullptr;
        m_errorBanner->showMessage(reason);
    });
    connect(&m_settingsStore, &SettingsStore::settingsDidChange, this, [this] {
        if (isRefusedShortcut(m_failure))
            return;
        m_failure = nullptr;
        m_errorBanner->hide();
    });
    form->addStretch(1);
    onLanguageChange(this, [this] { retranslate(); });
}

void ShortcutsPreferencesView::retranslate()
{
    if (m_recordable) {
        //: Shortcuts header
        //% "Configure global keyboard shortcuts for Quorvane actions"
        m_header->setText(qtTrId("preferences.shortcuts.header"));
    } else {
        //: Shortcuts header where the desktop lets no program take global shortcuts (the key fields below are greyed out)
        //% "The keyboard shortcuts Quorvane would use, which this desktop does not let programs take"
        m_header->setText(qtTrId("preferences.shortcuts.header_unavailable"));
    }
    for (const RowText &text : kRows) {
        // The label is the action's own name.
        m_rowLabels[slot(text.action)].name->setText(displayName(text.action));
        m_rowLabels[slot(text.action)].description->setText(qtTrId(text.description));
    }
    //: Reset shortcuts button
    //% "Reset to Defaults"
    m_resetButton->setText(qtTrId("preferences.shortcuts.reset"));
    if (m_failure)
        m_errorBanner->showMessage(describeError(m_failure));
}

Shortcut ShortcutsPreferencesView::shortcut(ShortcutAction action) const
{
    return m_shortcuts[slot(action)];
}

ShortcutRecorderView *ShortcutsPreferencesView::recorder(ShortcutAction action) const
{
    return m_recorders[slot(action)];
}

void ShortcutsPreferencesView::showEvent(QShowEvent *event)
{
    m_desktopNote->refresh();
    // Where the desktop lets no program take shortcuts, recording one would promise what
    // cannot be: the note above says why and which commands to bind instead.
    m_recordable = !m_globalShortcuts || m_globalShortcuts->ownership() != ShortcutOwnership::unavailable;
    for (ShortcutRecorderView *recorder : m_recorders)
        recorder->setEnabled(m_recordable);
    m_resetButton->setEnabled(m_recordable);
    retranslate();
    loadShortcuts();
    // The changes the load itself makes are not sent back to the store; from the next
    // turn of the event loop on, every change is.
    QTimer::singleShot(0, this, [this] { m_isInitialLoad = false; });
    QWidget::showEvent(event);
}

void ShortcutsPreferencesView::loadShortcuts()
{
    const UserSettings &settings = m_settingsStore.settings();
    for (ShortcutAction action : kAllShortcutActions)
        setState(action, settings.shortcut(action));
}

void ShortcutsPreferencesView::setState(ShortcutAction action, const Shortcut &shortcut)
{
    if (m_shortcuts[slot(action)] == shortcut)
        return;
    m_shortcuts[slot(action)] = shortcut;
    m_recorders[slot(action)]->setShortcut(shortcut);
    stateChanged(action, shortcut);
}

void ShortcutsPreferencesView::stateChanged(ShortcutAction action, const Shortcut &shortcut)
{
    if (action == ShortcutAction::quickZarrow) {
        diag(lcHotkeys(), QStringLiteral("[ShortcutsPreferencesView] onChange quickZarrowShortcut: %1, isInitialLoad=%2")
                 .arg(shortcut.displayString(), m_isInitialLoad ? QStringLiteral("true") : QStringLiteral("false")));
        if (m_isInitialLoad) {
            diag(lcHotkeys(), QStringLiteral("[ShortcutsPreferencesView] Skipping - initial load"));
            return;
        }
        diag(lcHotkeys(), QStringLiteral("[ShortcutsPreferencesView] Calling updateShortcut for quickZarrow..."));
    }
    if (!m_isInitialLoad)
        updateShortcut(shortcut, action);
}

void ShortcutsPreferencesView::updateShortcut(const Shortcut &shortcut, ShortcutAction action)
{
    diag(lcHotkeys(), QStringLiteral("[ShortcutsPreferencesView] updateShortcut called: %1 for %2")
             .arg(shortcut.displayString(), displayName(action)));
    try {
        m_settingsStore.updateShortcut(shortcut, action);
        diag(lcHotkeys(), QStringLiteral("[ShortcutsPreferencesView] settingsStore.updateShortcut succeeded"));
    } catch (const std::exception &error) {
        diagWarning(lcHotkeys(), QStringLiteral("[ShortcutsPreferencesView] Failed to update shortcut: %1").arg(logDescription(error)));
        // The field shows the shortcut still in force, and the banner why.
        m_failure = std::current_exception();
        reloadWithoutStoring();
        m_errorBanner->showMessage(describeError(m_failure));
        return;
    }
    m_failure = nullptr;
    m_errorBanner->hide();
}

void ShortcutsPreferencesView::resetToDefaults()
{
    // The rows show the defaults first; the store is told afterwards.
    std::array<bool, 5> changed{};
    for (ShortcutAction action : kAllShortcutActions) {
        const Shortcut value = defaultShortcut(action);
        changed[slot(action)] = m_shortcuts[slot(action)] != value;
        m_shortcuts[slot(action)] = value;
        m_recorders[slot(action)]->setShortcut(value);
    }

    std::exception_ptr failure;
    for (ShortcutAction action : kAllShortcutActions) {
        try {
            m_settingsStore.updateShortcut(defaultShortcut(action), action);
        } catch (const std::exception &) {
            failure = std::current_exception();
        }
    }
    if (failure) {
        // Slot by slot, a default can collide with another slot's not yet reset value
        // (two actions holding each other's defaults); the five defaults never collide
        // with each other, so they are stored together.
        UserSettings defaults = m_settingsStore.settings();
        for (ShortcutAction action : kAllShortcutActions)
            defaults.setShortcut(action, defaultShortcut(action));
        try {
            if (defaults != m_settingsStore.settings())
                m_settingsStore.setSettings(defaults);
            m_settingsStore.save();
            failure = nullptr;
            diag(lcHotkeys(), QStringLiteral("[ShortcutsPreferencesView] Stored the five default shortcuts together"));
        } catch (const std::exception &error) {
            failure = std::current_exception();
            diagWarning(lcHotkeys(), QStringLiteral("[ShortcutsPreferencesView] Failed to reset shortcuts: %1").arg(logDescription(error)));
        }
    }

    m_failure = failure;
    if (failure) {
        // Half a reset: the rows show what the store holds, not what was asked of it.
        reloadWithoutStoring();
        m_errorBanner->showMessage(describeError(failure));
        return;
    }
    m_errorBanner->hide();
    for (ShortcutAction action : kAllShortcutActions) {
        if (changed[slot(action)])
            stateChanged(action, m_shortcuts[slot(action)]);
    }
}

void ShortcutsPreferencesView::reloadWithoutStoring()
{
    const QScopedValueRollback<bool> loading(m_isInitialLoad, true);
    loadShortcuts();
}

} // namespace quorvane
