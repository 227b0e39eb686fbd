// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell_windows.h"

#include "app/app_services.h"
#include "app/service_factory.h"
#include "core/diagnostics.h"
#include "core/hotkey_manager.h"
#include "core/settings_store.h"
#include "history/history_empty_state_view.h"
#include "history/history_store.h"
#include "history/history_view.h"
#include "history/history_view_model.h"
#include "platform/language_change.h"
#include "platform/window_presenter.h"
#include "windows/about_window_controller.h"
#include "windows/feedback_window_controller.h"
#include "windows/preferences_services.h"
#include "windows/preferences_view.h"


namespace quorvane {

ShellWindows::ShellWindows(ServiceFactory &factory, AppServices &services) : m_factory(factory), m_services(services) {}

ShellWindows::~ShellWindows()
{
    delete m_historyWindow.data();
    delete m_preferencesWindow.data();
}

QWidget *ShellWindows::historyWindow() const
{
    return m_historyWindow.data();
}

void ShellWindows::openHistory()
{
    if (!m_services.historyStore())
        return;
    // A window closed by the user is on its way out even before it is deleted.
    if (!m_historyWindow || m_historyWindow->isHidden()) {
        // Deleted now for the same reason as a closed preferences window.
        delete m_historyWindow.data();
        auto *view = new HistoryView(std::make_unique<HistoryViewModel>(*m_services.historyStore(), m_factory.pasteboard(),
                                                                         m_factory.savePanel()),
                                     *m_services.pinWidgetManager(), m_factory.alertPresenter());
        view->setAttribute(Qt::WA_DeleteOnClose);
        onLanguageChange(view, [view] {
            //: History window title
            //% "Capture History"
            view->setWindowTitle(qtTrId("history.window.title"));
        });
        view->resize(900, 600);
        m_historyWindow = view;
        if (m_services.settingsStore())
            setShortcuts(m_services.settingsStore()->settings());
        presentWindow(*view, WindowPlacement::centred);
        return;
    }
    presentWindow(*m_historyWindow, WindowPlacement::asItIs);
}

void ShellWindows::setShortcuts(const UserSettings &settings)
{
    if (m_historyWindow)
        m_historyWindow->emptyState()->setShortcuts(settings.quickZarrowShortcut, settings.repeatZarrowShortcut,
                                                    settings.codeModeShortcut);
}

void ShellWindows::openPreferences()
{
    diag(lcApp(), QStringLiteral("Open Preferences requested"));
    if (!m_services.settingsStore())
        return;
    if (!m_preferencesWindow || m_preferencesWindow->isHidden()) {
        // A closed window is only deleted later; it goes now, so that none of its answers
        // from the shared history arrives after the services are gone.
        delete m_preferencesWindow.data();
        ServiceFactory &factory = m_factory;
        // The panes read and write through the application's own stores and its database.
        auto *view = new PreferencesView(PreferencesServices{
            *m_services.settingsStore(), factory.userDefaults(),
            factory.activationPolicy(), factory.languageManager(), factory.alertPresenter(),
            m_services.historyStore(), m_services.hotkeyManager()});
        // Titled, closable and minimisable; the view has a fixed size.
        view->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                             | Qt::WindowMinimizeButtonHint);
        view->setAttribute(Qt::WA_DeleteOnClose);
        onLanguageChange(view, [view] {
            //: Preferences window title
            //% "Preferences"
            view->setWindowTitle(qtTrId("preferences.window.title"));
        });
        m_preferencesWindow = view;
        presentWindow(*view, WindowPlacement::centred);
        return;
    }
    presentWindow(*m_preferencesWindow, WindowPlacement::asItIs);
}

void ShellWindows::openShortcutsPreferences()
{
    openPreferences();
    if (auto *preferences = qobject_cast<PreferencesView *>(m_preferencesWindow.data()))
        preferences->setSelectedTab(PreferencesTab::shortcuts);
}

void ShellWindows::openFeedback()
{
    diag(lcApp(), QStringLiteral("Send Feedback dialog opening"));
    // Closing the window only hides it: the same window comes back, centred again.
    if (!m_feedbackWindowController)
        m_feedbackWindowController = std::make_unique<FeedbackWindowController>();
    presentWindow(*m_feedbackWindowController->window(), WindowPlacement::centred);
}

void ShellWindows::openAbout()
{
    AboutWindowController::show();
}

} // namespace quorvane
