// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/save_failure_banner.h"

#include "core/settings_store.h"

namespace quorvane {

SaveFailureBanner::SaveFailureBanner(SettingsStore &settingsStore, QWidget *parent) : ErrorBanner(parent)
{
    connect(&settingsStore, &SettingsStore::saveFailed, this, &ErrorBanner::showMessage);
    connect(&settingsStore, &SettingsStore::settingsDidChange, this, &QWidget::hide);
}

} // namespace quorvane
