// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "core/app_language.h"
#include "core/settings_store_error.h"

#include <QString>
#include <QWidget>

#include <array>
#include <optional>

class QComboBox;
class QLabel;

namespace quorvane {

class ActivationPolicy;
class ErrorBanner;
class LanguageManager;
class SettingsStore;
class SwitchRow;

// The General pane: five switches that show and change the shared settings as they are
// held now, and the interface-language picker. A launch-at-login change that fails
// shows a red banner until one succeeds.
class GeneralPreferencesView : public QWidget {
    Q_OBJECT
public:
    enum class Row { launchAtLogin, showDockIcon, playSound, useSystemNotifications, showPinWidget };

    GeneralPreferencesView(SettingsStore &settingsStore, ActivationPolicy &activationPolicy,
                           LanguageManager &languageManager, QWidget *parent = nullptr);

    SwitchRow *row(Row row) const { return m_rows.at(static_cast<size_t>(row)); }
    QComboBox *languagePicker() const { return m_languagePicker; }
    AppLanguage selectedLanguage() const { return m_selectedLanguage; }
    bool showError() const { return m_showError; }
    QString errorMessage() const { return m_errorMessage; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Sets every text of the pane in the interface language.
    void retranslate();
    void refreshSwitches();
    void changeLaunchAtLogin(bool enabled);
    // Runs `update`; a refusal is said in the pane's banner, where the change was made.
    void applyOrShowRefusal(const std::function<void()> &update);
    void changeShowDockIcon(bool show);
    void selectLanguage(int index);
    QWidget *makeLanguageBlock();

    SettingsStore &m_settingsStore;
    ActivationPolicy &m_activationPolicy;
    LanguageManager &m_languageManager;
    AppLanguage m_selectedLanguage;
    bool m_showError = false;
    QString m_errorMessage;
    // The failure the banner shows, described anew when the interface language changes.
    std::optional<SettingsStoreError> m_launchError;

    std::array<SwitchRow *, 5> m_rows{};
    QLabel *m_languageLabel = nullptr;
    QComboBox *m_languagePicker = nullptr;
    QLabel *m_languageDescription = nullptr;
    ErrorBanner *m_errorBanner = nullptr;
};

} // namespace quorvane
