#include "windows/general_preferences_view.h"

#include "core/language_manager.h"
#include "core/settings_store.h"
#include "platform/activation_policy.h"
#include "windows/error_banner.h"
#include "windows/form_section.h"
#include "windows/form_style.h"
#include "windows/switch_row.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
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
        opt.text = index.data(kNativeNameRole).toString();
        QStyledItemDelegate::paint(painter, opt, index);
        if (english.isEmpty())
            return;
        const QWidget *widget = option.widget;
        const QRect textRect = (widget ? widget->style() : QApplication::style())
                                   ->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        const int nativeWidth = opt.fontMetrics.horizontalAdvance(opt.text);
        painter->save();
        const bool selected = opt.state & QStyle::State_Selected;
        painter->setPen(selected ? opt.palette.color(QPalette::HighlightedText)
                                 : FormStyle::secondaryColor(opt.palette));
        painter->setFont(opt.font);
        const QRect englishRect = textRect.adjusted(nativeWidth + 6, 0, 0, 0);
        painter->drawText(englishRect, Qt::AlignVCenter | Qt::AlignLeft,
                          QStringLiteral("(%1)").arg(english));
        painter->restore();
    }

};

void ignoreRefusal(const std::function<void()> &update)
{
    try {
        update();
    } catch (const SettingsStoreError &) {
        // The store keeps its value; the switch shows it again.
    }
}

} // namespace

GeneralPreferencesView::GeneralPreferencesView(SettingsStore &settingsStore, ActivationPolicy &activationPolicy,
                                               LanguageManager &languageManager, QWidget *parent)
    : QWidget(parent),
      m_settingsStore(settingsStore),
      m_activationPolicy(activationPolicy),
      m_languageManager(languageManager),
      m_selectedLanguage(languageManager.currentLanguage())
{
    struct RowText {
        const char *title;
        const char *description;
    };
    static const RowText texts[] = {
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

    // The pane scrolls when its content is taller than the window.
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *page = new QWidget;
    scroll->setWidget(page);
    page->setAutoFillBackground(false);
    scroll->viewport()->setAutoFillBackground(false);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    auto *form = new QVBoxLayout(page);
    form->setContentsMargins(20, 16, 20, 16);
    form->setSpacing(12);

    auto *section = new FormSection(20, page);
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const RowText &t = texts[i];
        m_rows[i] = new SwitchRow(qtTrId(t.title), qtTrId(t.description), section);
        section->content()->addWidget(m_rows[i]);
        section->content()->addWidget(FormStyle::makeDivider(section));
    }
    section->content()->addWidget(makeLanguageBlock());
    form->addWidget(section);

    m_errorBanner = new ErrorBanner(page);
    form->addWidget(m_errorBanner);
    form->addStretch(1);

    connect(row(Row::launchAtLogin), &SwitchRow::toggledByUser, this, &GeneralPreferencesView::changeLaunchAtLogin);
    connect(row(Row::showDockIcon), &SwitchRow::toggledByUser, this, &GeneralPreferencesView::changeShowDockIcon);
    connect(row(Row::playSound), &SwitchRow::toggledByUser, this, [this](bool on) {
        ignoreRefusal([&] { m_settingsStore.setPlaySoundOnCapture(on); });
        refreshSwitches();
    });
    connect(row(Row::useSystemNotifications), &SwitchRow::toggledByUser, this, [this](bool on) {
        ignoreRefusal([&] { m_settingsStore.setUseSystemNotifications(on); });
        refreshSwitches();
    });
    connect(row(Row::showPinWidget), &SwitchRow::toggledByUser, this, [this](bool on) {
        ignoreRefusal([&] { m_settingsStore.setShowPinWidgetAfterCapture(on); });
        refreshSwitches();
    });
    // The switches show what the store holds, whoever changed it.
    connect(&m_settingsStore, &SettingsStore::settingsChanged, this, &GeneralPreferencesView::refreshSwitches);
    refreshSwitches();
}

QWidget *GeneralPreferencesView::makeLanguageBlock()
{
    auto *block = new QWidget;
    auto *layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(FormStyle::makeLabel(
        //: App language picker label
        //% "App Language"
        qtTrId("preferences.general.app_language"),
        FormStyle::Text::body, block));

    m_languagePicker = new QComboBox(block);
    m_languagePicker->setFixedWidth(280);
    m_languagePicker->setItemDelegate(new LanguageEntryDelegate(m_languagePicker));
    for (AppLanguage language : kAllAppLanguages) {
        const bool isSystem = language == AppLanguage::system;
        // The closed picker shows the entry as one text.
        const QString shown = isSystem ? nativeName(language)
                                       : QStringLiteral("%1 (%2)").arg(nativeName(language), displayName(language));
        m_languagePicker->addItem(shown, rawValue(language));
        const int index = m_languagePicker->count() - 1;
        m_languagePicker->setItemData(index, nativeName(language), kNativeNameRole);
        m_languagePicker->setItemData(index, isSystem ? QString() : displayName(language), kEnglishNameRole);
        m_languagePicker->setItemData(index, shown, Qt::AccessibleTextRole);
    }
    m_languagePicker->setCurrentIndex(static_cast<int>(m_selectedLanguage));
    m_languagePicker->setAccessibleName(
        //: App language picker label
        //% "App Language"
        qtTrId("preferences.general.app_language"));
    connect(m_languagePicker, &QComboBox::currentIndexChanged, this, &GeneralPreferencesView::selectLanguage);
    layout->addWidget(m_languagePicker, 0, Qt::AlignLeft);

    QLabel *description = FormStyle::makeLabel(
        //: App language description
        //% "Select the display language for Quorvane interface"
        qtTrId("preferences.general.app_language.description"),
        FormStyle::Text::caption, block);
    FormStyle::makeSecondary(description);
    layout->addWidget(description);
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
    } catch (const SettingsStoreError &error) {
        m_errorMessage = error.localizedDescription();
        m_showError = true;
    }
    if (m_showError)
        m_errorBanner->showMessage(m_errorMessage);
    else
        m_errorBanner->hide();
    refreshSwitches();
}

void GeneralPreferencesView::changeShowDockIcon(bool show)
{
    // The taskbar entry follows the stored setting, so a refused change leaves it as it is.
    ignoreRefusal([&] {
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
