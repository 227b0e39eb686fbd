// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/languages_preferences_view.h"

#include "core/diagnostics.h"
#include "core/settings_store.h"
#include "platform/language_change.h"
#include "windows/form_section.h"
#include "windows/save_failure_banner.h"
#include "windows/form_style.h"
#include "windows/language_drop_delegate.h"
#include "windows/language_row.h"
#include "windows/switch_row.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvane {

namespace {

// The list's frame: control background, rounded, outlined.
class ListFrame : public QWidget {
public:
    explicit ListFrame(QWidget *parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(FormStyle::separatorColor(palette()), 1));
        p.setBrush(FormStyle::controlBackgroundColor(palette()));
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    }
};

} // namespace

LanguagesPreferencesView::LanguagesPreferencesView(SettingsStore &settingsStore, const UserSettings &seed,
                                                   QWidget *parent)
    : QWidget(parent),
      m_settingsStore(settingsStore),
      m_autoDetectLanguage(seed.autoDetectLanguage),
      m_selectedLanguages(seed.preferredLanguages)
{
    auto *form = new QVBoxLayout(this);
    form->setContentsMargins(20, 16, 20, 16);
    form->setSpacing(12);

    auto *section = new FormSection(20, this);
    m_header = FormStyle::makeLabel(QString(), FormStyle::Text::subheadline, section);
    FormStyle::makeSecondary(m_header);
    m_header->setContentsMargins(0, 0, 0, 8);
    section->content()->addWidget(m_header);

    m_autoDetectRow = new SwitchRow(QString(), QString(), section);
    connect(m_autoDetectRow, &SwitchRow::toggledByUser, this, &LanguagesPreferencesView::setAutoDetectLanguage);
    section->content()->addWidget(m_autoDetectRow);

    m_divider = FormStyle::makeDivider(section);
    section->content()->addWidget(m_divider);

    m_languageBlock = new QWidget(section);
    auto *block = new QVBoxLayout(m_languageBlock);
    block->setContentsMargins(0, 0, 0, 0);
    block->setSpacing(12);

    auto *headerRow = new QHBoxLayout;
    m_preferredLabel = FormStyle::makeLabel(QString(), FormStyle::Text::boldBody, m_languageBlock);
    headerRow->addWidget(m_preferredLabel, 1);
    const QFont caption = FormStyle::font(font(), FormStyle::Text::caption);
    m_selectAllButton = new QPushButton(m_languageBlock);
    m_deselectAllButton = new QPushButton(m_languageBlock);
    for (QPushButton *button : {m_selectAllButton, m_deselectAllButton}) {
        button->setFont(caption);
        headerRow->addWidget(button, 0, Qt::AlignVCenter);
    }
    connect(m_selectAllButton, &QPushButton::clicked, this, &LanguagesPreferencesView::selectAll);
    connect(m_deselectAllButton, &QPushButton::clicked, this, &LanguagesPreferencesView::deselectAll);
    block->addLayout(headerRow);

    auto *frame = new ListFrame(m_languageBlock);
    frame->setFixedHeight(listHeight);
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    auto *scroll = new QScrollArea(frame);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroll->viewport()->setAutoFillBackground(false);
    auto *list = new QWidget;
    m_rowsLayout = new QVBoxLayout(list);
    m_rowsLayout->setContentsMargins(0, 4, 0, 4);
    m_rowsLayout->setSpacing(4);
    m_rowsLayout->addStretch(1);
    scroll->setWidget(list);
    // The list shows the frame's control background, not the window's.
    list->setAutoFillBackground(false);
    frameLayout->addWidget(scroll);
    block->addWidget(frame);

    m_countLabel = FormStyle::makeLabel(QString(), FormStyle::Text::caption, m_languageBlock);
    FormStyle::makeSecondary(m_countLabel);
    block->addWidget(m_countLabel);
    m_inForceNotice = FormStyle::makeLabel(QString(), FormStyle::Text::caption, m_languageBlock);
    m_inForceNotice->setObjectName(QStringLiteral("inForceNotice"));
    m_inForceNotice->setWordWrap(true);
    block->addWidget(m_inForceNotice);
    section->content()->addWidget(m_languageBlock);

    form->addWidget(section);
    form->addWidget(new SaveFailureBanner(m_settingsStore, this));
    form->addStretch(1);

    onLanguageChange(this, [this] { retranslate(); });
}

void LanguagesPreferencesView::retranslate()
{
    //: Languages header
    //% "Configure which languages Quorvane should recognize in captured text"
    m_header->setText(qtTrId("preferences.languages.header"));
    m_autoDetectRow->setTexts(
        //: Auto-detect language toggle
        //% "Auto-detect language (recommended)"
        qtTrId("preferences.languages.auto_detect"),
        //: Auto-detect description
        //% "Automatically detect the language based on system locale and text content. For best results, enable this option"
        qtTrId("preferences.languages.auto_detect.description"));
    //: Preferred languages label
    //% "Preferred Languages (drag to reorder priority)"
    m_preferredLabel->setText(qtTrId("preferences.languages.preferred_languages"));
    //: Select all button
    //% "Select All"
    m_selectAllButton->setText(qtTrId("preferences.languages.select_all"));
    //: Deselect all button
    //% "Deselect All"
    m_deselectAllButton->setText(qtTrId("preferences.languages.deselect_all"));
    // The count, the badges and the notice.
    refresh();
}

LanguageRow *LanguagesPreferencesView::row(const QString &id) const
{
    for (LanguageRow *r : m_rows) {
        if (r->language().id == id)
            return r;
    }
    return nullptr;
}

void LanguagesPreferencesView::showEvent(QShowEvent *event)
{
    loadLanguageTable();
    const UserSettings &settings = m_settingsStore.settings();
    m_autoDetectLanguage = settings.autoDetectLanguage;
    m_selectedLanguages = settings.preferredLanguages;
    refresh();
    QWidget::showEvent(event);
}

void LanguagesPreferencesView::loadLanguageTable()
{
    const QList<OCRLanguage> &table = OCRLanguage::supportedLanguages();
    if (table == m_allLanguages)
        return;
    m_allLanguages = table;
    qDeleteAll(m_rows);
    m_rows.clear();
    for (const OCRLanguage &language : m_allLanguages) {
        auto *r = new LanguageRow(language, m_rowsLayout->parentWidget());
        m_rowsLayout->insertWidget(m_rowsLayout->count() - 1, r);
        connect(r, &LanguageRow::chosenToggled, this,
                [this, id = language.id](bool chosen) { setLanguageChosen(id, chosen); });
        const LanguageDropDelegate drop(
            language, [this] { return m_selectedLanguages; },
            [this](const QStringList &languages) { setSelectedLanguages(languages); }, m_allLanguages);
        r->onDragEntered = [drop](const QMimeData &data) { drop.dropEntered(data); };
        m_rows.append(r);
    }
}

void LanguagesPreferencesView::setAutoDetectLanguage(bool enabled)
{
    if (enabled == m_autoDetectLanguage) {
        refresh();
        return;
    }
    m_autoDetectLanguage = enabled;
    autoDetectChanged(enabled);
    refresh();
}

void LanguagesPreferencesView::setLanguageChosen(const QString &id, bool chosen)
{
    QStringList languages = m_selectedLanguages;
    if (chosen) {
        if (!languages.contains(id))
            languages.append(id);
    } else {
        languages.removeAll(id);
    }
    setSelectedLanguages(languages);
}

void LanguagesPreferencesView::selectAll()
{
    QStringList all;
    for (const OCRLanguage &language : m_allLanguages)
        all.append(language.id);
    setSelectedLanguages(all);
}

void LanguagesPreferencesView::deselectAll()
{
    setSelectedLanguages({});
}

void LanguagesPreferencesView::setSelectedLanguages(const QStringList &languages)
{
    if (languages == m_selectedLanguages) {
        refresh();
        return;
    }
    m_selectedLanguages = languages;
    selectionChanged(languages);
    refresh();
}

void LanguagesPreferencesView::autoDetectChanged(bool enabled)
{
    if (!enabled && m_settingsStore.settings().preferredLanguages.isEmpty()) {
        // Detection may only go off once a language is chosen. The switch stays off so
        // the list shows; the store keeps detection on until the first language is ticked.
        diag(lcSettings(), QStringLiteral("ℹ️ [LanguagesPreferencesView] Auto-detect stays on until a language is chosen"));
        return;
    }
    try {
        m_settingsStore.setAutoDetectLanguage(enabled);
    } catch (const SettingsStoreError &) {
        m_autoDetectLanguage = m_settingsStore.settings().autoDetectLanguage;
    }
}

void LanguagesPreferencesView::selectionChanged(const QStringList &languages)
{
    const UserSettings &stored = m_settingsStore.settings();
    // Detection off with no language would recognise nothing: the store keeps its list.
    if (!stored.autoDetectLanguage && languages.isEmpty())
        return;
    try {
        m_settingsStore.setPreferredLanguages(languages);
        // The first language chosen after the switch went off turns detection off.
        if (!m_autoDetectLanguage && !languages.isEmpty() && m_settingsStore.settings().autoDetectLanguage)
            m_settingsStore.setAutoDetectLanguage(false);
    } catch (const SettingsStoreError &) {
        // Refused while two stored shortcuts are equal; the pane's copy stays until it next shows.
    }
}

void LanguagesPreferencesView::refresh()
{
    m_autoDetectRow->setChecked(m_autoDetectLanguage);
    m_divider->setVisible(!m_autoDetectLanguage);
    m_languageBlock->setVisible(!m_autoDetectLanguage);
    for (LanguageRow *r : m_rows) {
        const qsizetype position = m_selectedLanguages.indexOf(r->language().id);
        r->setPriority(position < 0 ? std::nullopt : std::optional<int>(int(position) + 1));
    }
    //: Language selection count
    //% "%n language(s) selected"
    m_countLabel->setText(qtTrId("preferences.languages.selection_count", int(m_selectedLanguages.size())));
    // The switch may show off while nothing is ticked, but the store never keeps detection
    // off without a language: the pane says what recognition goes on using.
    const bool nothingTicked = !m_autoDetectLanguage && m_selectedLanguages.isEmpty();
    m_inForceNotice->setVisible(nothingTicked);
    if (nothingTicked)
        m_inForceNotice->setText(inForceText());
}

QString LanguagesPreferencesView::inForceText() const
{
    const UserSettings &stored = m_settingsStore.settings();
    if (stored.autoDetectLanguage || stored.preferredLanguages.isEmpty()) {
        //: Notice while no language is ticked and detection stays on
        //% "Choose at least one language; until then languages are chosen automatically"
        return qtTrId("preferences.languages.none_chosen.automatic");
    }
    QStringList names;
    for (const QString &id : stored.preferredLanguages) {
        const auto found = std::find_if(m_allLanguages.cbegin(), m_allLanguages.cend(),
                                        [&id](const OCRLanguage &language) { return language.id == id; });
        names << (found != m_allLanguages.cend() ? found->displayName : id);
    }
    //: Notice while no language is ticked and the stored languages stay in use
    //% "Choose at least one language; until then recognition keeps using %1"
    return qtTrId("preferences.languages.none_chosen.stored").arg(names.join(QStringLiteral(", ")));
}

} // namespace quorvane
