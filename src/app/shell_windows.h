// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>

namespace quorvane {

class AppServices;
class FeedbackWindowController;
class HistoryView;
class ServiceFactory;
struct UserSettings;

// The program's own windows: the capture history, the preferences, the feedback form and
// the about box. Each is built when none is open and otherwise only brought forward;
// either way it then takes the focus. Main thread only.
class ShellWindows {
public:
    ShellWindows(ServiceFactory &factory, AppServices &services);
    // The windows show the services: they go before them.
    ~ShellWindows();

    // The capture history, always on the full list. Does nothing before the services exist.
    void openHistory();
    void openPreferences();
    // The preferences, on the shortcuts pane.
    void openShortcutsPreferences();
    void openFeedback();
    void openAbout();
    // The history's empty state names the user's current shortcuts.
    void setShortcuts(const UserSettings &settings);

    // The open windows; null while closed.
    QWidget *historyWindow() const;
    QWidget *preferencesWindow() const { return m_preferencesWindow.data(); }
    // Kept once made; null before the first request.
    FeedbackWindowController *feedbackWindowController() const { return m_feedbackWindowController.get(); }

private:
    ServiceFactory &m_factory;
    AppServices &m_services;
    QPointer<HistoryView> m_historyWindow;
    QPointer<QWidget> m_preferencesWindow;
    std::unique_ptr<FeedbackWindowController> m_feedbackWindowController;
};

} // namespace quorvane
