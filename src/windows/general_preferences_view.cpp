#include "windows/general_preferences_view.h"

#include "core/language_manager.h"
#include "core/settings_store.h"
#include "platform/activation_policy.h"
#include "platform/l10n.h"
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
        const char *key;
        const char *title;
        const char *titleComment;
        const char *description;
        const char *descriptionComment;
    };
    static const RowText texts[] = {
        {"preferences.general.launch_at_login", "Launch at login", "Launch at login toggle",
         "Automatically start Quorvane when you log in", "Launch at login description"},
        {"preferences.general.show_dock_icon", "Show pins in the taskbar", "Show dock icon toggle",
         "List pinned captures in the taskbar and window switcher. Windows you open are always listed",
         "Show dock icon description"},
        {"preferences.general.play_sound", "Play sound on capture", "Play sound toggle",
         "Play a confirmation sound when text is successfully captured", "Play sound description"},
        {"preferences.general.use_system_notifications", "Use system notifications",
         "Use system notifications toggle",
         "Announce each result with a desktop notification as well as the toast overlay",
         "Use system notifications description"},
        {"preferences.general.show_pin_widget", "Show pin widget after capture", "Show pin widget toggle",
         "Automatically display a floating widget with the captured content after each OCR capture",
         "Show pin widget description"},
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
        const QByteArray descriptionKey = QByteArray(t.key) + ".description";
        m_rows[i] = new SwitchRow(L10n::text(t.key, t.title, t.titleComment),
                                  L10n::text(descriptionKey.constData(), t.description, t.descriptionComment),
                                  section);
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
        L10n::text("preferences.general.app_language", "App Language", "App language picker label"),
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
        L10n::text("preferences.general.app_language", "App Language", "App language picker label"));
    connect(m_languagePicker, &QComboBox::currentIndexChanged, this, &GeneralPreferencesView::selectLanguage);
    layout->addWidget(m_languagePicker, 0, Qt::AlignLeft);

    QLabel *description = FormStyle::makeLabel(
        L10n::text("preferences.general.app_language.description", "Select the display language for Quorvane interface",
                   "App language description"),
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
