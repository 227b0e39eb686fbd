// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/general_preferences_view.h"

#include "core/language_manager.h"
#include "core/settings_store.h"
#include "platform/activation_policy.h"
#include "platform/language_change.h"
#include "platform/session_type.h"
#include "windows/error_banner.h"
#include "windows/form_section.h"
#include "windows/form_style.h"
#include "windows/save_failure_banner.h"
#include "windows/switch_row.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <functional>

namespace quorvane {

namespace {

constexpr int kNativeNameRole = Qt::UserRole + 1;
constexpr int kEnglishNameRole = Qt::UserRole + 2;

// A picker entry: the native name, then the English name in parentheses in the
// secondary colour (none for the system default).
class LanguageEntryDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString english = index.data(kEnglishNameRole).toString();
        // The entry as the style draws it, but with the native name alone (the base class
        // would take the whole text from the index again).
        opt.text = index.data(kNativeNameRole).toString();
        const QWidget *widget = option.widget;
        const QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        if (english.isEmpty())
            return;
        // Where the style put the native name (as wide as the name, aligned in the row).
        const QRect nativeRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        painter->save();
        const bool selected = opt.state & QStyle::State_Selected;
        painter->setPen(selected ? opt.palette.color(QPalette::HighlightedText)
                                 : FormStyle::secondaryColor(opt.palette));
        painter->setFont(opt.font);
        // After the native name in reading order: to its left in a right-to-left layout.
        const bool rightToLeft = opt.direction == Qt::RightToLeft;
        const QRect englishRect =
            rightToLeft ? QRect(QPoint(opt.rect.left(), nativeRect.top()), QPoint(nativeRect.left() - 6, nativeRect.bottom()))
                        : QRect(QPoint(nativeRect.right() + 6, nativeRect.top()), QPoint(opt.rect.right(), nativeRect.bottom()));
        painter->drawText(englishRect, Qt::AlignVCenter | (rightToLeft ? Qt::AlignRight : Qt::AlignLeft),
                          QStringLiteral("(%1)").arg(english));
        painter->restore();
    }

};

// The five switches, in the order of GeneralPreferencesView::Row.
struct RowText {
    const char *title;
    const char *description;
};
const RowText kRowTexts[] = {
    //: Launch at login toggle
    //% "Launch at login"
    {QT_TRID_NOOP("preferences.general.launch_at_login"),
     //: Launch at login description
     //% "Automatically start Quorvane when you log in"
     QT_TRID_NOOP("preferences.general.launch_at_login.description")},
    //: Switch that lists pinned captures in the taskbar
    //% "Show pins in the taskbar"
    {QT_TRID_NOOP("preferences.general.show_dock_icon"),
     //: Description of the switch that lists pinned captures in the taskbar
     //% "List pinned captures in the taskbar and window switcher. Windows you open are always listed"
     QT_TRID_NOOP("preferences.general.show_dock_icon.description")},
    //: Play sound toggle
    //% "Play sound on capture"
    {QT_TRID_NOOP("preferences.general.play_sound"),
     //: Play sound description
     //% "Play a confirmation sound when text is successfully captured"
     QT_TRID_NOOP("preferences.general.play_sound.description")},
    //: Use system notifications toggle
    //% "Use system notifications"
    {QT_TRID_NOOP("preferences.general.use_system_notifications"),
     //: Use system notifications description
     //% "Announce each result with a desktop notification as well as the toast overlay"
     QT_TRID_NOOP("preferences.general.use_system_notifications.description")},
    //: Show pin widget toggle
    //% "Show pin widget after capture"
    {QT_TRID_NOOP("preferences.general.show_pin_widget"),
     //: Show pin widget description
     //% "Automatically display a floating widget with the captured content after each OCR capture"
     QT_TRID_NOOP("preferences.general.show_pin_widget.description")},
};

} // namespace

GeneralPreferencesView::GeneralPreferencesView(SettingsStore &settingsStore, ActivationPolicy &activationPolicy,
                                               LanguageManager &languageManager, QWidget *parent)
    : QWidget(parent),
      m_settingsStore(settingsStore),
      m_activationPolicy(activationPolicy),
      m_languageManager(languageManager),
      m_selectedLanguage(languageManager.currentLanguage())
{
    // The pane scrolls when its content is taller than the window.
    QWidget *page = FormStyle::makeScrollingPage(this);

    auto *form = new QVBoxLayout(page);
    form->setContentsMargins(20, 16, 20, 16);
    form->setSpacing(12);

    auto *section = new FormSection(20, page);
    for (size_t i = 0; i < m_rows.size(); ++i) {
        m_rows[i] = new SwitchRow(QString(), QString(), section);
        section->content()->addWidget(m_rows[i]);
        section->content()->addWidget(FormStyle::makeDivider(section));
    }
    section->content()->addWidget(makeLanguageBlock());
    form->addWidget(section);

    m_errorBanner = new ErrorBanner(page);
    form->addWidget(m_errorBanner);
    form->addWidget(new SaveFailureBanner(m_settingsStore, page));
    form->addStretch(1);

    connect(row(Row::launchAtLogin), &SwitchRow::toggledByUser, this, &GeneralPreferencesView::changeLaunchAtLogin);
    connect(row(Row::showDockIcon), &SwitchRow::toggledByUser, this, &GeneralPreferencesView::changeShowDockIcon);
    connect(row(Row::playSound), &SwitchRow::toggledByUser, this, [this](bool on) {
        applyOrShowRefusal([&] { m_settingsStore.setPlaySoundOnCapture(on); });
        refreshSwitches();
    });
    connect(row(Row::useSystemNotifications), &SwitchRow::toggledByUser, this, [this](bool on) {
        applyOrShowRefusal([&] { m_settingsStore.setUseSystemNotifications(on); });
        refreshSwitches();
    });
    connect(row(Row::showPinWidget), &SwitchRow::toggledByUser, this, [this](bool on) {
        applyOrShowRefusal([&] { m_settingsStore.setShowPinWidgetAfterCapture(on); });
        refreshSwitches();
    });
    // The switches show what the store holds, whoever changed it.
    connect(&m_settingsStore, &SettingsStore::settingsChanged, this, &GeneralPreferencesView::refreshSwitches);
    refreshSwitches();
    onLanguageChange(this, [this] { retranslate(); });
}

void GeneralPreferencesView::retranslate()
{
    for (size_t i = 0; i < m_rows.size(); ++i)
        m_rows[i]->setTexts(qtTrId(kRowTexts[i].title), qtTrId(kRowTexts[i].description));
    if (newWindowsTakeTheKeyboard()) {
        const RowText &pin = kRowTexts[static_cast<size_t>(Row::showPinWidget)];
        row(Row::showPinWidget)
            ->setTexts(qtTrId(pin.title),
                       //: Under the switch for pins after a capture, on a desktop (Wayland) where every new window takes the keyboard
                       //% "On this desktop a new window takes the keyboard from the one you are typing in, so no pin comes up after a capture"
                       qtTrId("preferences.general.show_pin_widget.unavailable"));
    }
    //: App language picker label
    //% "App Language"
    const QString languageLabel = qtTrId("preferences.general.app_language");
    m_languageLabel->setText(languageLabel);
    m_languagePicker->setAccessibleName(languageLabel);
    //: App language description
    //% "Select the display language for Quorvane interface"
    m_languageDescription->setText(qtTrId("preferences.general.app_language.description"));
    // Only the system default's name is in the interface language.
    const int system = static_cast<int>(AppLanguage::system);
    const QString systemName = nativeName(AppLanguage::system);
    m_languagePicker->setItemText(system, systemName);
    m_languagePicker->setItemData(system, systemName, kNativeNameRole);
    m_languagePicker->setItemData(system, systemName, Qt::AccessibleTextRole);
    if (m_launchError) {
        m_errorMessage = m_launchError->localizedDescription();
        m_errorBanner->showMessage(m_errorMessage);
    }
}

QWidget *GeneralPreferencesView::makeLanguageBlock()
{
    auto *block = new QWidget;
    auto *layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    m_languageLabel = FormStyle::makeLabel(QString(), FormStyle::Text::body, block);
    layout->addWidget(m_languageLabel);

    m_languagePicker = new QComboBox(block);
    m_languagePicker->setFixedWidth(280);
    m_languagePicker->setItemDelegate(new LanguageEntryDelegate(m_languagePicker));
    for (AppLanguage language : kAllAppLanguages) {
        // A language whose own name is its English name is named once ("English").
        const bool nativeOnly = language == AppLanguage::system || nativeName(language) == displayName(language);
        // The closed picker shows the entry as one text.
        const QString shown = nativeOnly ? nativeName(language)
                                         : QStringLiteral("%1 (%2)").arg(nativeName(language), displayName(language));
        m_languagePicker->addItem(shown, rawValue(language));
        const int index = m_languagePicker->count() - 1;
        m_languagePicker->setItemData(index, nativeName(language), kNativeNameRole);
        m_languagePicker->setItemData(index, nativeOnly ? QString() : displayName(language), kEnglishNameRole);
        m_languagePicker->setItemData(index, shown, Qt::AccessibleTextRole);
    }
    m_languagePicker->setCurrentIndex(static_cast<int>(m_selectedLanguage));
    connect(m_languagePicker, &QComboBox::currentIndexChanged, this, &GeneralPreferencesView::selectLanguage);
    layout->addWidget(m_languagePicker, 0, Qt::AlignLeft);

    m_languageDescription = FormStyle::makeLabel(QString(), FormStyle::Text::caption, block);
    FormStyle::makeSecondary(m_languageDescription);
    layout->addWidget(m_languageDescription);
    return block;
}

void GeneralPreferencesView::showEvent(QShowEvent *event)
{
    refreshSwitches();
    QWidget::showEvent(event);
}

void GeneralPreferencesView::refreshSwitches()
{
    const UserSettings &s = m_settingsStore.settings();
    row(Row::launchAtLogin)->setChecked(s.launchAtLogin);
    row(Row::showDockIcon)->setChecked(s.showDockIcon);
    row(Row::playSound)->setChecked(s.playSoundOnCapture);
    row(Row::useSystemNotifications)->setChecked(s.useSystemNotifications);
    row(Row::showPinWidget)->setChecked(s.showPinWidgetAfterCapture);
}

void GeneralPreferencesView::changeLaunchAtLogin(bool enabled)
{
    try {
        m_settingsStore.setLaunchAtLogin(enabled);
        m_showError = false;
        m_launchError.reset();
    } catch (const SettingsStoreError &error) {
        m_launchError = error;
        m_errorMessage = error.localizedDescription();
        m_showError = true;
    }
    if (m_showError)
        m_errorBanner->showMessage(m_errorMessage);
    else
        m_errorBanner->hide();
    refreshSwitches();
}

void GeneralPreferencesView::applyOrShowRefusal(const std::function<void()> &update)
{
    try {
        update();
    } catch (const SettingsStoreError &error) {
        // The store keeps its value and the switch shows it again; the banner says why.
        m_errorMessage = error.localizedDescription();
        m_showError = true;
        m_errorBanner->showMessage(m_errorMessage);
    }
}

void GeneralPreferencesView::changeShowDockIcon(bool show)
{
    // The taskbar entry follows the stored setting, so a refused change leaves it as it is.
    applyOrShowRefusal([&] {
        m_settingsStore.setShowDockIcon(show);
        m_activationPolicy.setActivationPolicy(show ? ActivationPolicyKind::regular : ActivationPolicyKind::accessory);
    });
    refreshSwitches();
}

void GeneralPreferencesView::selectLanguage(int index)
{
    if (index < 0 || index >= int(kAllAppLanguages.size()))
        return;
    m_selectedLanguage = kAllAppLanguages[size_t(index)];
    m_languageManager.setLanguage(m_selectedLanguage);
}

} // namespace quorvane
