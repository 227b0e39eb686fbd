// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/error_banner.h"

namespace quorvane {

class SettingsStore;

// Says that the settings could not be saved, from a failed save (a delayed one too, which
// nobody waits for) until one succeeds: until then changes last for this session only.
class SaveFailureBanner : public ErrorBanner {
    Q_OBJECT
public:
    explicit SaveFailureBanner(SettingsStore &settingsStore, QWidget *parent = nullptr);
};

} // namespace quorvane
