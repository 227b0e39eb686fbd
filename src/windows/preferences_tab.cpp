#include "windows/preferences_tab.h"

#include "platform/l10n.h"

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
        return L10n::text("preferences.tab.general", "General", "General preferences tab");
    case PreferencesTab::shortcuts:
        return L10n::text("preferences.tab.shortcuts", "Shortcuts", "Shortcuts preferences tab");
    case PreferencesTab::textFormatting:
        return L10n::text("preferences.tab.text_formatting", "Text & Formatting", "Text formatting preferences tab");
    case PreferencesTab::languages:
        return L10n::text("preferences.tab.languages", "Languages", "Languages preferences tab");
    case PreferencesTab::history:
        return L10n::text("preferences.tab.history", "History", "History preferences tab");
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
