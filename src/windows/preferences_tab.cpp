// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/preferences_tab.h"


namespace quorvane {

int rawValue(PreferencesTab tab)
{
    return static_cast<int>(tab);
}

std::optional<PreferencesTab> preferencesTabFromRawValue(qint64 raw)
{
    for (PreferencesTab tab : kAllPreferencesTabs) {
        if (rawValue(tab) == raw)
            return tab;
    }
    return std::nullopt;
}

QString title(PreferencesTab tab)
{
    switch (tab) {
    case PreferencesTab::general:
        //: General preferences tab
        //% "General"
        return qtTrId("preferences.tab.general");
    case PreferencesTab::shortcuts:
        //: Shortcuts preferences tab
        //% "Shortcuts"
        return qtTrId("preferences.tab.shortcuts");
    case PreferencesTab::textFormatting:
        //: Text formatting preferences tab
        //% "Text & Formatting"
        return qtTrId("preferences.tab.text_formatting");
    case PreferencesTab::languages:
        //: Languages preferences tab
        //% "Languages"
        return qtTrId("preferences.tab.languages");
    case PreferencesTab::history:
        //: History preferences tab
        //% "History"
        return qtTrId("preferences.tab.history");
    }
    return {};
}

PaneSymbol symbol(PreferencesTab tab)
{
    switch (tab) {
    case PreferencesTab::general: return PaneSymbol::gearshape;
    case PreferencesTab::shortcuts: return PaneSymbol::keyboard;
    case PreferencesTab::textFormatting: return PaneSymbol::textAlignLeft;
    case PreferencesTab::languages: return PaneSymbol::globe;
    case PreferencesTab::history: return PaneSymbol::clock;
    }
    return PaneSymbol::gearshape;
}

} // namespace quorvane
