// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/ocr_language.h"
#include "core/user_settings.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace quorvane {

class LanguageRow;
class SettingsStore;
class SwitchRow;

// The Languages pane: automatic language detection, or, while that is off, the
// recognition languages to use in priority order (ticked in a list of every supported
// language, reordered by dragging). It edits copies of the two settings, reloaded from
// the shared store whenever it comes on screen, and writes every change through the store.
class LanguagesPreferencesView : public QWidget {
    Q_OBJECT
public:
    static constexpr int listHeight = 260;

    // `seed` gives the copies until the pane first comes on screen.
    LanguagesPreferencesView(SettingsStore &settingsStore, const UserSettings &seed, QWidget *parent = nullptr);

    bool autoDetectLanguage() const { return m_autoDetectLanguage; }
    const QStringList &selectedLanguages() const { return m_selectedLanguages; }
    // The languages listed; empty until the pane has first come on screen.
    const QList<OCRLanguage> &allLanguages() const { return m_allLanguages; }

    // What the switch does.
    void setAutoDetectLanguage(bool enabled);
    // What the checkbox of `id`'s row does: a ticked language goes last, an unticked one leaves.
    void setLanguageChosen(const QString &id, bool chosen);
    void selectAll();
    void deselectAll();
    // Replaces the priority list, as a reordering does.
    void setSelectedLanguages(const QStringList &languages);

    SwitchRow *autoDetectRow() const { return m_autoDetectRow; }
    QWidget *languageBlock() const { return m_languageBlock; }
    LanguageRow *row(const QString &id) const;
    QLabel *countLabel() const { return m_countLabel; }
    // Shown while the switch is off and no language is ticked: what recognition uses meanwhile.
    QLabel *inForceNotice() const { return m_inForceNotice; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Sets every text of the pane in the interface language.
    void retranslate();
    void loadLanguageTable();
    void autoDetectChanged(bool enabled);
    void selectionChanged(const QStringList &languages);
    void refresh();
    // What recognition uses while the pane shows detection off and no language ticked.
    QString inForceText() const;

    SettingsStore &m_settingsStore;
    bool m_autoDetectLanguage;
    QStringList m_selectedLanguages;
    QList<OCRLanguage> m_allLanguages;

    QLabel *m_header = nullptr;
    SwitchRow *m_autoDetectRow = nullptr;
    QLabel *m_preferredLabel = nullptr;
    QPushButton *m_selectAllButton = nullptr;
    QPushButton *m_deselectAllButton = nullptr;
    QWidget *m_languageBlock = nullptr;
    QWidget *m_divider = nullptr;
    QVBoxLayout *m_rowsLayout = nullptr;
    QList<LanguageRow *> m_rows;
    QLabel *m_countLabel = nullptr;
    QLabel *m_inForceNotice = nullptr;
};

} // namespace quorvane
