// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/preferences_services.h"
#include "windows/preferences_tab.h"

#include <QWidget>

class QShowEvent;
class QTabWidget;

namespace quorvane {

class GeneralPreferencesView;
class HistoryPreferencesView;
class LanguagesPreferencesView;
class ShortcutsPreferencesView;
class TextFormattingPreferencesView;

// The preferences: five panes behind a tab bar, 600 by 580 points, or as much more as the
// interface language's tabs and longest pane need (it is never resized by hand, and never
// scrolls a pane or hides a tab behind arrows). Opens on the pane last chosen (stored under "preferences.selected_tab") and stores every change of pane at
// once. The host makes it a window: title, centring, closing.
class PreferencesView : public QWidget {
    Q_OBJECT
public:
    static constexpr const char *selectedTabKey = "preferences.selected_tab";
    static constexpr int viewWidth = 600;
    static constexpr int viewHeight = 580;

    explicit PreferencesView(PreferencesServices services, QWidget *parent = nullptr);
    ~PreferencesView() override;

    PreferencesTab selectedTab() const;
    // Shows the pane of `tab`, as a click on its tab does.
    void setSelectedTab(PreferencesTab tab);

    QTabWidget *tabWidget() const { return m_tabs; }
    GeneralPreferencesView *generalPane() const { return m_general; }
    ShortcutsPreferencesView *shortcutsPane() const { return m_shortcuts; }
    TextFormattingPreferencesView *textFormattingPane() const { return m_textFormatting; }
    LanguagesPreferencesView *languagesPane() const { return m_languages; }
    HistoryPreferencesView *historyPane() const { return m_history; }

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate();
    // Sizes the window to its tabs and its tallest pane, for the texts now shown.
    void fitToContent();
    // The same on the next turn of the event loop, once for any number of calls: after every
    // view has taken a change that reaches them all in one go (a language, a font), and when
    // a pane grows while shown (a banner that appears).
    void scheduleFit();
    void storeSelectedTab(int index);

    PreferencesServices m_services;
    QTabWidget *m_tabs = nullptr;
    GeneralPreferencesView *m_general = nullptr;
    ShortcutsPreferencesView *m_shortcuts = nullptr;
    TextFormattingPreferencesView *m_textFormatting = nullptr;
    LanguagesPreferencesView *m_languages = nullptr;
    HistoryPreferencesView *m_history = nullptr;
    bool m_fitScheduled = false;
};

} // namespace quorvane
