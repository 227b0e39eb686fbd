// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/preferences_view.h"

#include "core/settings_store.h"
#include "platform/language_change.h"
#include "platform/user_defaults.h"
#include "windows/form_style.h"
#include "windows/general_preferences_view.h"
#include "windows/history_preferences_view.h"
#include "windows/languages_preferences_view.h"
#include "windows/shortcuts_preferences_view.h"
#include "windows/text_formatting_preferences_view.h"

#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvane {

PreferencesView::PreferencesView(PreferencesServices services, QWidget *parent)
    : QWidget(parent), m_services(std::move(services))
{
    setFixedSize(viewWidth, viewHeight);

    const std::optional<qint64> stored = m_services.userDefaults.integerValue(QString::fromLatin1(selectedTabKey));
    const PreferencesTab initial =
        preferencesTabFromRawValue(stored.value_or(0)).value_or(PreferencesTab::general);

    // Seeds for the panes that keep copies of the settings, as stored.
    const UserSettings seed = m_services.storedSettings();

    m_general = new GeneralPreferencesView(m_services.settingsStore, m_services.activationPolicy,
                                           m_services.languageManager);
    m_shortcuts = new ShortcutsPreferencesView(m_services.settingsStore, m_services.globalShortcuts);
    m_textFormatting = new TextFormattingPreferencesView(m_services.settingsStore, seed.textProcessing);
    m_languages = new LanguagesPreferencesView(m_services.settingsStore, seed);
    m_history = new HistoryPreferencesView(m_services.settingsStore, seed.maxHistoryEntries,
                                           m_services.historyStore, m_services.alertPresenter);

    m_tabs = new QTabWidget(this);
    m_tabs->setDocumentMode(true);
    m_tabs->setIconSize(QSize(16, 16));
    // Every tab whole: the window widens for long titles instead.
    m_tabs->setUsesScrollButtons(false);
    m_tabs->setElideMode(Qt::ElideNone);
    const QColor symbolColor = FormStyle::secondaryColor(palette());
    const QList<QWidget *> panes{m_general, m_shortcuts, m_textFormatting, m_languages, m_history};
    for (PreferencesTab tab : kAllPreferencesTabs)
        m_tabs->addTab(panes.at(rawValue(tab)), paneSymbolIcon(symbol(tab), symbolColor), QString());
    onLanguageChange(this, [this] { retranslate(); });
    m_tabs->setCurrentIndex(rawValue(initial));
    // Connected after the initial pane is chosen: opening the window writes nothing.
    connect(m_tabs, &QTabWidget::currentChanged, this, &PreferencesView::storeSelectedTab);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 6, 0, 0);
    layout->addWidget(m_tabs);

    for (const QScrollArea *scroll : findChildren<QScrollArea *>(QStringLiteral("formPageScroll")))
        scroll->widget()->installEventFilter(this);
}

PreferencesView::~PreferencesView() = default;

void PreferencesView::retranslate()
{
    for (PreferencesTab tab : kAllPreferencesTabs) {
        // "&" would otherwise mark a keyboard mnemonic ("Text & Formatting").
        QString label = title(tab);
        label.replace(QLatin1Char('&'), QLatin1String("&&"));
        m_tabs->setTabText(rawValue(tab), label);
    }
    scheduleFit();
}

void PreferencesView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    scheduleFit();
}

void PreferencesView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        scheduleFit();
}

bool PreferencesView::eventFilter(QObject *watched, QEvent *event)
{
    // A page's content changed what it needs: a banner or message shown or hidden.
    if (event->type() == QEvent::LayoutRequest)
        scheduleFit();
    return QWidget::eventFilter(watched, event);
}

void PreferencesView::scheduleFit()
{
    if (m_fitScheduled)
        return;
    m_fitScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_fitScheduled = false;
        fitToContent();
    });
}

void PreferencesView::fitToContent()
{
    if (!isVisible())
        return;
    // The pane shown is laid out; what the tab bar and margins take around it stays the
    // same for every size.
    layout()->activate();
    const QWidget *shown = m_tabs->currentWidget();
    const QSize chrome = size() - shown->size();
    const int width = std::max(viewWidth, m_tabs->minimumSizeHint().width() + layout()->contentsMargins().left()
                                              + layout()->contentsMargins().right());
    const int paneWidth = width - chrome.width();
    int paneHeight = viewHeight - chrome.height();
    for (int i = 0; i < m_tabs->count(); ++i) {
        QWidget *pane = m_tabs->widget(i);
        if (pane->layout())
            pane->layout()->activate();
        for (const QScrollArea *scroll : pane->findChildren<QScrollArea *>(QStringLiteral("formPageScroll"))) {
            // What the pane puts around its page (margins, the scroll area's frame) takes
            // the same room at every size. A scroll area that shows its bar measures the page
            // at the width left beside it, and keeps the bar unless the page fits there.
            const QSize around = pane->size() - scroll->maximumViewportSize();
            const QWidget *page = scroll->widget();
            const int pageWidth = paneWidth - around.width() - scroll->verticalScrollBar()->sizeHint().width();
            const int needed = page->hasHeightForWidth() ? page->heightForWidth(pageWidth) : page->sizeHint().height();
            paneHeight = std::max(paneHeight, needed + around.height());
        }
    }
    setFixedSize(width, paneHeight + chrome.height());
}

PreferencesTab PreferencesView::selectedTab() const
{
    return preferencesTabFromRawValue(m_tabs->currentIndex()).value_or(PreferencesTab::general);
}

void PreferencesView::setSelectedTab(PreferencesTab tab)
{
    m_tabs->setCurrentIndex(rawValue(tab));
}

void PreferencesView::storeSelectedTab(int index)
{
    if (const std::optional<PreferencesTab> tab = preferencesTabFromRawValue(index))
        m_services.userDefaults.setInteger(QString::fromLatin1(selectedTabKey), rawValue(*tab));
}

} // namespace quorvane
