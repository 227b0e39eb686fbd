// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/pane_symbol.h"

#include <QString>

#include <array>
#include <optional>

namespace quorvane {

// The panes of the preferences window, in the order of its tabs; the raw value is what
// "preferences.selected_tab" stores.
enum class PreferencesTab { general = 0, shortcuts = 1, textFormatting = 2, languages = 3, history = 4 };

inline constexpr std::array<PreferencesTab, 5> kAllPreferencesTabs{
    PreferencesTab::general, PreferencesTab::shortcuts, PreferencesTab::textFormatting,
    PreferencesTab::languages, PreferencesTab::history};

int rawValue(PreferencesTab tab);
// The tab of a raw value; none outside 0...4.
std::optional<PreferencesTab> preferencesTabFromRawValue(qint64 raw);
// The localised tab title ("General", "Text & Formatting", ...).
QString title(PreferencesTab tab);
// The symbol beside the title.
PaneSymbol symbol(PreferencesTab tab);

} // namespace quorvane
