// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/capture_history_entry.h"
#include "core/shortcut.h"
#include "core/text_processing_settings.h"
#include "core/user_settings.h"
#include "support/scoped_interface_language.h"

#include <QSet>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace quorvane;
using json::Json;

namespace {
CaptureHistoryEntry entryWithText(const QString &text)
{
    CaptureHistoryEntry e;
    e.text = text;
    return e;
}
} // namespace

TEST(HistoryEntryTitle, ShortensFirstLineByGraphemeClusters)
{
    const QString sixty(60, QLatin1Char('a'));
    EXPECT_EQ(entryWithText(sixty).title(), sixty);
    EXPECT_EQ(entryWithText(sixty + "b").title(), QString(57, QLatin1Char('a')) + "...");
    EXPECT_EQ(entryWithText("\nsecond").title(), "");
    EXPECT_EQ(entryWithText("first\nsecond").title(), "first");
    EXPECT_EQ(entryWithText("first\r\nsecond").title(), "first");
    EXPECT_EQ(entryWithText(QString::fromUtf8("one\u2028two")).title(), "one");

    // Sixty flags are 120 code points but sixty characters: no shortening.
    QString flags;
    for (int i = 0; i < 60; ++i)
        flags += QString::fromUtf8("🇫🇷");
    EXPECT_EQ(entryWithText(flags).title(), flags);
    // One more: cut after 57 whole flags, never inside one.
    const QString title = entryWithText(flags + QString::fromUtf8("é")).title();
    EXPECT_TRUE(title.endsWith("..."));
    EXPECT_EQ(title.size(), 57 * 4 + 3);
}

TEST(HistoryEntryJson, RoundTripsEveryField)
{
    CaptureHistoryEntry e;
    e.timestamp = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC);
    e.text = QString::fromUtf8("Grüße\nzwei");
    e.sourceRect = QRectF(10.5, 20, 300, 40.25);
    e.displayID = 4294967295u;
    e.sourceAppBundleID = "org.kde.konsole";
    e.thumbnailData = QByteArray("\x89PNG\r\n", 6);
    e.captureMode = CaptureMode::scanCode;

    const Json encoded = e.toJson();
    EXPECT_EQ(encoded["id"], json::uuidString(e.id).toStdString());
    EXPECT_EQ(encoded["timestamp"], "2026-01-02T03:04:05Z");
    EXPECT_EQ(encoded["captureMode"], "scanCode");

    const CaptureHistoryEntry d = CaptureHistoryEntry::fromJson(Json::parse(encoded.dump()));
    EXPECT_EQ(d.id, e.id);
    EXPECT_EQ(d.timestamp, e.timestamp);
    EXPECT_EQ(d.text, e.text);
    EXPECT_EQ(d.sourceRect, e.sourceRect);
    EXPECT_EQ(d.displayID, e.displayID);
    EXPECT_EQ(d.sourceAppBundleID, e.sourceAppBundleID);
    EXPECT_EQ(d.thumbnailData, e.thumbnailData);
    EXPECT_EQ(d.captureMode, e.captureMode);
}

TEST(HistoryEntryJson, OptionalMembersAreLeftOutAndReadBack)
{
    CaptureHistoryEntry e = entryWithText("x");
    e.timestamp = QDateTime::currentDateTimeUtc();
    const Json encoded = e.toJson();
    EXPECT_FALSE(encoded.contains("displayID"));
    EXPECT_FALSE(encoded.contains("sourceAppBundleID"));
    Json withNulls = encoded;
    withNulls["displayID"] = nullptr;
    withNulls["sourceAppBundleID"] = nullptr;
    const CaptureHistoryEntry d = CaptureHistoryEntry::fromJson(withNulls);
    EXPECT_FALSE(d.displayID.has_value());
    EXPECT_FALSE(d.sourceAppBundleID.has_value());
}

TEST(HistoryEntryJson, ReadsLooseRectanglesAndRejectsMalformedMembers)
{
    CaptureHistoryEntry e = entryWithText("x");
    e.timestamp = QDateTime::currentDateTimeUtc();
    Json base = e.toJson();
    base["id"] = json::uuidString(e.id).toLower().toStdString();  // either case reads

    CaptureHistoryEntry odd = e;
    odd.sourceRect = QRectF(qQNaN(), 1, qInf(), 2);
    EXPECT_EQ(CaptureHistoryEntry::fromJson(Json::parse(odd.toJson().dump())).sourceRect, QRectF(0, 1, 0, 2));

    Json partial = base;
    partial["sourceRect"] = Json{{"x", 10}, {"y", 20}, {"depth", 3}};
    EXPECT_EQ(CaptureHistoryEntry::fromJson(partial).sourceRect, QRectF(10, 20, 0, 0));

    auto fails = [&](const char *name, Json value) {
        Json broken = base;
        if (value.is_discarded())
            broken.erase(name);
        else
            broken[name] = value;
        EXPECT_THROW(CaptureHistoryEntry::fromJson(broken), json::DecodeError) << name << " " << value;
    };
    fails("captureMode", "scan");
    fails("sourceRect", Json{{"x", "10"}});
    fails("sourceRect", Json::value_t::discarded);
    fails("text", Json::value_t::discarded);
    fails("text", 5);
    fails("id", "not-a-uuid");
    fails("timestamp", "2026-01-02");
    fails("thumbnailData", "***");
    fails("displayID", -1);
    fails("displayID", 1.5);
    fails("displayID", true);
}

TEST(HistoryEntryIdentity, EqualWhenIdsMatch)
{
    CaptureHistoryEntry a = entryWithText("one");
    CaptureHistoryEntry b = a;
    b.text = "two";
    EXPECT_EQ(a, b);
    EXPECT_NE(a, entryWithText("one"));
}

TEST(TextProcessing, CodeModeLeavesTextUntouched)
{
    TextProcessingSettings s{true, true, true};
    const QString code = QString::fromUtf8("  if  x:\n\treturn “y”\n\n");
    EXPECT_EQ(s.process(code, CaptureMode::code), code);
}

TEST(TextProcessing, StepsRunInOrder)
{
    const TextProcessingSettings defaults;
    EXPECT_EQ(defaults.process(" \n\t \n", CaptureMode::normal), "");
    EXPECT_EQ(defaults.process("a  b\t\tc", CaptureMode::repeat), "a b\t\tc");

    const TextProcessingSettings join{false, false, false};
    EXPECT_EQ(join.process("one\ntwo", CaptureMode::normal), "one two");
    EXPECT_EQ(join.process("para one\n\n\n\npara two", CaptureMode::normal), "para one\n\npara two");
    EXPECT_EQ(join.process(QString::fromUtf8("a¶¶b"), CaptureMode::normal), "a\n\nb");
    EXPECT_EQ(join.process("a\r\nb", CaptureMode::normal), "a\r b");

    // Collapsing runs before the lines are joined, so "end \nnext" keeps two spaces.
    const TextProcessingSettings collapseAndJoin{false, false, true};
    EXPECT_EQ(collapseAndJoin.process("end \nnext", CaptureMode::normal), "end  next");

    const TextProcessingSettings plain{true, true, true};
    EXPECT_EQ(plain.process(QString::fromUtf8("“a” ‘b’ c—d e–f g…"), CaptureMode::scanCode),
              "\"a\" 'b' c--d e-f g...");
    EXPECT_EQ(defaults.process(QString::fromUtf8("“a”—…"), CaptureMode::normal),
              QString::fromUtf8("“a”—…"));
}

TEST(TextProcessingJson, RequiresAllThreeBooleans)
{
    const TextProcessingSettings s{false, true, false};
    EXPECT_EQ(TextProcessingSettings::fromJson(s.toJson()), s);
    EXPECT_THROW(TextProcessingSettings::fromJson(Json{{"preserveLineBreaks", true}, {"avoidSmartQuotes", true}}),
                 json::DecodeError);
    EXPECT_THROW(TextProcessingSettings::fromJson(
                     Json{{"preserveLineBreaks", 1}, {"avoidSmartQuotes", true}, {"collapseSpaces", true}}),
                 json::DecodeError);
}

TEST(ShortcutDisplay, LinuxNamesModifiersInFixedOrderThenKey)
{
    // No X display here: the keys have their US names.
    EXPECT_EQ((Shortcut{37, 0x1000 | 0x800 | 0x200 | 0x100}.displayString()), "Ctrl+Alt+Shift+Super+L");
    EXPECT_EQ((Shortcut{37, 0x300}.displayString()), "Shift+Super+L");
    EXPECT_EQ((Shortcut{4, 0x900}.displayString()), "Alt+Super+H");
    EXPECT_EQ((Shortcut{49, 0x300}.displayString()), "Shift+Super+Space");
    EXPECT_EQ((Shortcut{36, 0x300}.displayString()), "Shift+Super+Return");
    EXPECT_EQ((Shortcut{42, 0}.displayString()), "\\");
    EXPECT_EQ((Shortcut{96, 0x100}.displayString()), "Super+F5");
    EXPECT_EQ((Shortcut{116, 0x1000}.displayString()), "Ctrl+Page Up");
    EXPECT_EQ((Shortcut{83, 0x800}.displayString()), "Alt+Keypad 1");
    EXPECT_EQ((Shortcut{12, 0x500}.displayString()), "Super+Q");
    EXPECT_EQ((Shortcut{200, 0x100}.displayString()), "Super");
}

TEST(ShortcutDisplay, ModifiersAreNamedInTheInterfaceLanguage)
{
    // The toolkit's German table, as the interface language installs it.
    QTranslator german;
    ASSERT_TRUE(german.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QCoreApplication::installTranslator(&german);
    EXPECT_EQ((Shortcut{37, 0x1000 | 0x800 | 0x200 | 0x100}.displayString()), "Strg+Alt+Umschalt+Super+L");
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ((Shortcut{37, 0x1200}.displayString()), "Ctrl+Shift+L");
}

TEST(ShortcutReserved, RefusesWhatTheDesktopAndEveryProgramUse)
{
    for (quint16 key : {12, 13, 0, 8, 9, 7, 6, 1, 31, 45}) {
        EXPECT_TRUE((Shortcut{key, 0x100}.isSystemReserved())) << key;  // Super
        EXPECT_TRUE((Shortcut{key, 0x1000}.isSystemReserved())) << key; // Ctrl
        EXPECT_FALSE((Shortcut{key, 0x1100}.isSystemReserved())) << key;
    }
    EXPECT_TRUE((Shortcut{8, 0x1200}.isSystemReserved()));  // Ctrl+Shift+C
    EXPECT_TRUE((Shortcut{9, 0x1200}.isSystemReserved()));  // Ctrl+Shift+V
    EXPECT_TRUE((Shortcut{48, 0x800}.isSystemReserved()));  // Alt+Tab
    EXPECT_TRUE((Shortcut{118, 0x800}.isSystemReserved())); // Alt+F4
    EXPECT_TRUE((Shortcut{55, 0x100}.isSystemReserved()));  // the Super key itself
    EXPECT_TRUE((Shortcut{0, 0x200}.isSystemReserved()));   // Shift+A types "A"
    EXPECT_TRUE((Shortcut{96, 0}.isSystemReserved()));
    // Other bits of the word do not hide the modifiers a grab uses.
    EXPECT_TRUE((Shortcut{12, 0x500}.isSystemReserved()));
    EXPECT_FALSE((Shortcut{48, 0x1000}.isSystemReserved())); // Ctrl+Tab is no Alt+Tab
    EXPECT_NE((Shortcut{12, 0x500}), (Shortcut{12, 0x100}));
}

TEST(ShortcutJson, DecodesStrictly)
{
    EXPECT_EQ(Shortcut::fromJson(Json::parse(R"({"keyCode": 37, "modifierFlags": 768})")), (Shortcut{37, 0x300}));
    EXPECT_THROW(Shortcut::fromJson(Json::parse(R"({"keyCode": 70000, "modifierFlags": 256})")), json::DecodeError);
    EXPECT_THROW(Shortcut::fromJson(Json::parse(R"({"modifierFlags": 256})")), json::DecodeError);
    EXPECT_THROW(Shortcut::fromJson(Json::parse(R"({"keyCode": 37, "modifierFlags": 4294967296})")), json::DecodeError);
    EXPECT_THROW(Shortcut::fromJson(Json::parse(R"({"keyCode": true, "modifierFlags": 256})")), json::DecodeError);
}

TEST(ShortcutActions, EachHasItsOwnFreeDefaultAndATranslatedLabel)
{
    const UserSettings &defaults = UserSettings::defaults();
    QSet<QString> english;
    for (ShortcutAction action : kAllShortcutActions) {
        const Shortcut shortcut = defaults.shortcut(action);
        EXPECT_FALSE(defaults.hasConflict(shortcut)) << rawValue(action).toStdString();
        EXPECT_FALSE(shortcut.isSystemReserved()) << rawValue(action).toStdString();
        english.insert(displayName(action));
    }
    EXPECT_EQ(english.size(), int(kAllShortcutActions.size()));
    test::ScopedInterfaceLanguage german("de");
    for (ShortcutAction action : kAllShortcutActions)
        EXPECT_FALSE(english.contains(displayName(action))) << rawValue(action).toStdString();
}

TEST(UserSettingsJson, MissingAndNullMembersTakeDefaults)
{
    EXPECT_EQ(UserSettings::fromJson(Json::object()), UserSettings::defaults());
    EXPECT_EQ(UserSettings::fromJson(Json{{"maxHistoryEntries", nullptr}}), UserSettings::defaults());
    const UserSettings five = UserSettings::fromJson(Json{{"maxHistoryEntries", 500}, {"unknown", "x"}});
    EXPECT_EQ(five.maxHistoryEntries, 500);
    EXPECT_EQ(UserSettings::fromJson(Json{{"maxHistoryEntries", 5000}}).maxHistoryEntries, 5000);

    UserSettings changed = UserSettings::defaults();
    changed.preferredLanguages = {"de-DE", "en-US"};
    changed.scanCodeShortcut = {9, 0x1200};
    changed.textProcessing.avoidSmartQuotes = true;
    EXPECT_EQ(UserSettings::fromJson(json::parse(json::dump(changed.toJson()))), changed);
    EXPECT_EQ(changed.toJson().size(), 14u);
}

TEST(UserSettingsJson, OneMalformedMemberFailsTheRecord)
{
    for (const char *text : {R"({"showDockIcon": "yes"})", R"({"quickZarrowShortcut": {"keyCode": 37}})",
                             R"({"textProcessing": {"collapseSpaces": true}})", R"({"preferredLanguages": ["en-US", 3]})",
                             R"({"maxHistoryEntries": 5.5})", R"({"maxHistoryEntries": true})", R"([])"}) {
        EXPECT_THROW(UserSettings::fromJson(Json::parse(text)), json::DecodeError) << text;
    }
}

TEST(UserSettingsRecord, ConflictsAndEquality)
{
    UserSettings s = UserSettings::defaults();
    EXPECT_FALSE(s.hasConflict({37, 0x300}));
    s.repeatZarrowShortcut = {37, 0x300};
    EXPECT_TRUE(s.hasConflict({37, 0x300}));

    UserSettings a = UserSettings::defaults();
    UserSettings b = a;
    a.preferredLanguages = {"en-US", "de-DE"};
    b.preferredLanguages = {"de-DE", "en-US"};
    EXPECT_NE(a, b);
}
