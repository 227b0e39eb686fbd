// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_store.h"
#include "platform/login_item.h"
#include "platform/user_defaults.h"
#include "platform/xdg_autostart_login_item.h"
#include "support/child_process.h"
#include "support/event_loop.h"
#include "support/scoped_interface_language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <sys/stat.h>

using namespace quorvane;
using Kind = SettingsStoreError::Kind;

namespace {

// A login item that records what it was asked and can fail or run code mid-registration.
class FakeLoginItem : public LoginItem {
public:
    Status current = Status::notRegistered;
    QStringList calls;
    std::optional<std::string> failure;
    std::function<void()> whileRegistering;

    Status status() const override { return current; }
    void registerItem() override
    {
        calls << "register";
        if (failure)
            throw LoginItemError(QString::fromStdString(*failure));
        current = Status::enabled;
        if (whileRegistering)
            whileRegistering();
    }
    void unregisterItem() override
    {
        calls << "unregister";
        current = Status::notRegistered;
    }
};

const Shortcut kOptionCommandL{37, 0x900};
const Shortcut kShiftCommandC{8, 0x300};

// Lets pending timers run for a while without expecting anything to happen.
void idle(int ms)
{
    test::waitUntil([] { return false; }, ms);
}

template <typename Operation>
SettingsStoreError errorOf(Operation &&operation)
{
    try {
        operation();
    } catch (const SettingsStoreError &error) {
        return error;
    }
    throw std::runtime_error("the operation did not fail");
}

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
    }

    // Counts the saves `s` announces.
    void watch(SettingsStore &s)
    {
        QObject::connect(&s, &SettingsStore::settingsDidChange, &context, [this] {
            ++posts;
            if (onPost)
                onPost();
        });
    }

    QString path() const { return dir.filePath("defaults.json"); }

    void storeBytes(const QByteArray &bytes)
    {
        UserDefaults writer(path());
        writer.setData(SettingsStore::settingsKey, bytes);
        ASSERT_TRUE(writer.synchronize());
    }

    SettingsStore &openStore()
    {
        store.reset();
        defaults = std::make_unique<UserDefaults>(path());
        store = std::make_unique<SettingsStore>(*defaults, loginItem);
        watch(*store);
        return *store;
    }

    // What another process would read from the disk now.
    std::optional<QByteArray> storedData(const char *key) const { return UserDefaults(path()).dataValue(key); }
    UserSettings storedSettings() const
    {
        return UserSettings::fromJson(UserDefaults(path()).objectValue(SettingsStore::settingsKey).value());
    }
    QByteArray fileBytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    FakeLoginItem loginItem;
    QObject context;
    int posts = 0;
    std::function<void()> onPost;
    std::unique_ptr<UserDefaults> defaults;
    std::unique_ptr<SettingsStore> store;
};

} // namespace

TEST_F(SettingsStoreTest, LoadSanitisesWithoutWritingUntilTheNextSave)
{
    SettingsStore &fresh = openStore();
    EXPECT_TRUE(fresh.isLoaded());
    EXPECT_EQ(fresh.settings(), UserSettings::defaults());
    idle(100);
    EXPECT_FALSE(QFile::exists(path()));

    const QByteArray stored = R"({"maxHistoryEntries": 5000, "autoDetectLanguage": false, "showDockIcon": true})";
    storeBytes(stored);
    SettingsStore &s = openStore();
    EXPECT_EQ(s.settings().maxHistoryEntries, 1000);
    EXPECT_TRUE(s.settings().autoDetectLanguage);
    EXPECT_TRUE(s.settings().showDockIcon);
    idle(50);
    EXPECT_EQ(storedData(SettingsStore::settingsKey), stored);
    EXPECT_EQ(posts, 0);

    s.save();
    EXPECT_EQ(storedSettings().maxHistoryEntries, 1000);
    EXPECT_TRUE(storedSettings().showDockIcon);

    storeBytes(R"({"maxHistoryEntries": 0})");
    EXPECT_EQ(openStore().settings().maxHistoryEntries, 1);
}

TEST_F(SettingsStoreTest, UndecodableRecordIsKeptAsideBeforeDefaultsTakeOver)
{
    for (const QByteArray &bad : {QByteArray("not json at all"), QByteArray("[1, 2]")}) {
        storeBytes(bad);
        SettingsStore &s = openStore();
        EXPECT_EQ(s.settings(), UserSettings::defaults()) << bad.constData();
        EXPECT_EQ(s.resetKeys().size(), 14) << "every setting was reset, and each is named";
        EXPECT_TRUE(test::waitUntil([&] { return storedData(SettingsStore::unreadableSettingsKey) == bad; }));

        // The next save replaces the record but never the kept bytes.
        s.save();
        EXPECT_EQ(storedSettings(), UserSettings::defaults());
        EXPECT_EQ(storedData(SettingsStore::unreadableSettingsKey), bad);
    }

    // A record stored as text is no record either, and its text is kept the same way.
    const QByteArray text = R"({"showDockIcon": true})";
    {
        UserDefaults writer(path());
        writer.setString(SettingsStore::settingsKey, QString::fromUtf8(text));
        ASSERT_TRUE(writer.synchronize());
    }
    EXPECT_EQ(openStore().settings(), UserSettings::defaults());
    EXPECT_TRUE(test::waitUntil([&] { return storedData(SettingsStore::unreadableSettingsKey) == text; }));
}

TEST_F(SettingsStoreTest, OneBadValueTakesItsDefaultAloneAndIsNamed)
{
    const QByteArray good = R"("showDockIcon": true, "codeModeShortcut": {"keyCode": 9, "modifierFlags": 768})";
    struct Case {
        QByteArray bad;
        QString key;
    };
    for (const Case &c : {Case{R"("maxHistoryEntries": "1000")", "maxHistoryEntries"},
                          Case{R"("quickZarrowShortcut": {"keyCode": -1, "modifierFlags": 768})", "quickZarrowShortcut"},
                          Case{R"("quickZarrowShortcut": {"keyCode": 37})", "quickZarrowShortcut"},
                          Case{R"("textProcessing": {"collapseSpaces": 1})", "textProcessing"},
                          Case{R"("preferredLanguages": ["eng", 7])", "preferredLanguages"},
                          Case{R"("playSoundOnCapture": "yes")", "playSoundOnCapture"}}) {
        const QByteArray record = "{" + good + ", " + c.bad + "}";
        storeBytes(record);
        SettingsStore &s = openStore();
        EXPECT_EQ(s.resetKeys(), QStringList{c.key}) << record.constData();
        EXPECT_TRUE(s.settings().showDockIcon) << record.constData();
        EXPECT_EQ(s.settings().codeModeShortcut, (Shortcut{9, 0x300})) << record.constData();
        EXPECT_EQ(UserSettings::defaults().toJson()[c.key.toStdString()],
                  s.settings().toJson()[c.key.toStdString()]);
        EXPECT_TRUE(test::waitUntil([&] { return storedData(SettingsStore::unreadableSettingsKey) == record; }));
    }

    storeBytes(R"({"maxHistoryEntries": 1000})");
    EXPECT_TRUE(openStore().resetKeys().isEmpty());
}

TEST_F(SettingsStoreTest, CutShortFileKeepsWhatItHeldBeforeTheCutAndNamesTheRest)
{
    {
        UserDefaults writer(path());
        UserSettings settings;
        settings.maxHistoryEntries = 700;
        settings.preferredLanguages = {"deu"};
        settings.autoDetectLanguage = false;
        writer.setObject(SettingsStore::settingsKey, settings.toJson());
        ASSERT_TRUE(writer.synchronize());
    }
    const QByteArray whole = fileBytes();
    // Members are sorted: the cut falls inside "quickZarrowShortcut", after "maxHistoryEntries".
    const qsizetype cut = whole.indexOf("\"keyCode\"", whole.indexOf("quickZarrowShortcut"));
    ASSERT_GT(cut, 0);
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(whole.left(cut));
    file.close();

    SettingsStore &s = openStore();
    EXPECT_FALSE(defaults->setAsidePath().isEmpty()) << "the damaged file is kept as it was";
    EXPECT_EQ(s.settings().maxHistoryEntries, 700);
    EXPECT_EQ(s.settings().preferredLanguages, QStringList{"deu"});
    EXPECT_FALSE(s.settings().autoDetectLanguage);
    EXPECT_EQ(s.resetKeys(), (QStringList{"quickZarrowShortcut", "repeatZarrowShortcut", "scanCodeShortcut",
                                          "showDockIcon", "showPinWidgetAfterCapture", "textProcessing",
                                          "useSystemNotifications"}));
}

TEST_F(SettingsStoreTest, SaveWritesRecordAndVersionBeforeAnnouncingIt)
{
    SettingsStore &s = openStore();
    UserSettings wanted = UserSettings::defaults();
    wanted.preferredLanguages = {"fr-FR", "de-DE"};
    wanted.autoDetectLanguage = false;
    wanted.maxHistoryEntries = 5000; // assigned directly, so nothing has clamped it yet
    s.setSettings(wanted);

    UserSettings onDisk;
    std::optional<qint64> versionOnDisk;
    qint64 publishedAtPost = 0;
    onPost = [&] {
        onDisk = storedSettings();
        versionOnDisk = UserDefaults(path()).integerValue(SettingsStore::versionKey);
        publishedAtPost = s.settings().maxHistoryEntries;
    };
    s.save();

    ASSERT_EQ(posts, 1);
    EXPECT_EQ(versionOnDisk, 1);
    EXPECT_EQ(onDisk.maxHistoryEntries, 1000);
    EXPECT_EQ(onDisk.preferredLanguages, wanted.preferredLanguages);
    EXPECT_FALSE(onDisk.autoDetectLanguage);
    EXPECT_EQ(publishedAtPost, 1000); // the corrected copy is published before the announcement

    // The record is an object of the file, as readable and editable as the rest of it.
    const QByteArray text = fileBytes();
    EXPECT_TRUE(text.contains("\"com.corvantis.user_settings\": {\n    \"autoDetectLanguage\": false,\n"))
        << text.constData();

    // Publishing the corrected copy is a change: one more save follows and finds nothing to do.
    onPost = nullptr;
    EXPECT_TRUE(test::waitUntil([&] { return posts == 2; }));
    idle(700);
    EXPECT_EQ(posts, 2);
}

TEST_F(SettingsStoreTest, BurstOfChangesEndsInOneSaveAndExplicitSavesCancelIt)
{
    SettingsStore &s = openStore();
    s.setShowDockIcon(true);
    s.setPlaySoundOnCapture(false);
    s.setUseSystemNotifications(true);
    const QTimer *pending = s.saveDebouncer();
    ASSERT_NE(pending, nullptr);
    EXPECT_EQ(pending->interval(), 500);
    EXPECT_EQ(posts, 0);
    EXPECT_FALSE(QFile::exists(path()));

    ASSERT_TRUE(test::waitUntil([&] { return posts == 1; }));
    EXPECT_TRUE(storedSettings().showDockIcon);
    EXPECT_FALSE(storedSettings().playSoundOnCapture);
    EXPECT_TRUE(storedSettings().useSystemNotifications);
    idle(700);
    EXPECT_EQ(posts, 1);

    // An explicit save takes the pending one's place; with nothing changed it still
    // writes and announces.
    s.setShowPinWidgetAfterCapture(false);
    s.save();
    s.save();
    EXPECT_EQ(s.saveDebouncer(), nullptr);
    idle(700);
    EXPECT_EQ(posts, 3);
    EXPECT_FALSE(storedSettings().showPinWidgetAfterCapture);
}

TEST_F(SettingsStoreTest, WriteThatNeverReachesTheDiskIsAFailure)
{
    // A regular file where the folder of the defaults should be: nothing can be written.
    QFile blocker(dir.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    UserDefaults unwritable(dir.filePath("blocked/defaults.json"));
    SettingsStore s(unwritable, loginItem);
    watch(s);
    s.setShowDockIcon(true);

    const SettingsStoreError error = errorOf([&] { s.save(); });
    EXPECT_EQ(error.kind(), Kind::persistenceFailed);
    EXPECT_TRUE(error.localizedDescription().startsWith("Failed to save settings: "));
    EXPECT_EQ(posts, 0);
    EXPECT_TRUE(s.settings().showDockIcon);

    // The debounced save swallows the same failure and announces nothing.
    s.setShowDockIcon(false);
    EXPECT_TRUE(test::waitUntil([&] { return s.saveDebouncer() == nullptr; }));
    EXPECT_EQ(posts, 0);
}

TEST_F(SettingsStoreTest, ObserversHearOfAChangeBeforeItIsVisible)
{
    SettingsStore &s = openStore();
    QList<bool> announced, visibleBefore, visibleAfter;
    QObject::connect(&s, &SettingsStore::settingsWillChange, &context, [&](const UserSettings &next) {
        announced << next.showDockIcon;
        visibleBefore << s.settings().showDockIcon;
    });
    QObject::connect(&s, &SettingsStore::settingsChanged, &context,
                     [&](const UserSettings &) { visibleAfter << s.settings().showDockIcon; });

    s.setShowDockIcon(true);
    UserSettings assigned = s.settings();
    assigned.showDockIcon = false;
    s.setSettings(assigned); // as an interface binding writes it: no validation, same signals

    EXPECT_EQ(announced, (QList<bool>{true, false}));
    EXPECT_EQ(visibleBefore, (QList<bool>{false, true}));
    EXPECT_EQ(visibleAfter, (QList<bool>{true, false}));
    EXPECT_NE(s.saveDebouncer(), nullptr);
}

TEST_F(SettingsStoreTest, FieldUpdatesValidateAndSanitise)
{
    SettingsStore &s = openStore();
    for (const qint64 bad : {qint64(0), qint64(1001), qint64(-3)}) {
        const SettingsStoreError error = errorOf([&] { s.setMaxHistoryEntries(bad); });
        EXPECT_EQ(error.kind(), Kind::invalidValue);
        EXPECT_EQ(error.localizedDescription(),
                  QString("Invalid setting value: Max history entries must be between 1 and 1000, got %1").arg(bad));
    }
    EXPECT_EQ(s.settings(), UserSettings::defaults());
    EXPECT_EQ(s.saveDebouncer(), nullptr);
    s.setMaxHistoryEntries(1);
    EXPECT_EQ(s.settings().maxHistoryEntries, 1);
    s.setMaxHistoryEntries(1000);
    EXPECT_EQ(s.settings().maxHistoryEntries, 1000);

    // Automatic language detection stays on while no language is chosen.
    s.setAutoDetectLanguage(false);
    EXPECT_TRUE(s.settings().autoDetectLanguage);
    s.setPreferredLanguages({"ja-JP"});
    s.setAutoDetectLanguage(false);
    EXPECT_FALSE(s.settings().autoDetectLanguage);
    s.setPreferredLanguages({});
    EXPECT_TRUE(s.settings().autoDetectLanguage);
}

TEST_F(SettingsStoreTest, ShortcutUpdatesAreValidatedAndSavedAtOnce)
{
    SettingsStore &s = openStore();
    const SettingsStoreError reserved = errorOf([&] { s.updateShortcut({13, 0x100}, ShortcutAction::quickZarrow); });
    EXPECT_EQ(reserved.kind(), Kind::validationFailed);
    EXPECT_EQ(reserved.localizedDescription(), "Settings validation failed: Shortcut Super+W is reserved by the system");
    {
        test::ScopedInterfaceLanguage german("de");
        EXPECT_EQ(errorOf([&] { s.updateShortcut({13, 0x100}, ShortcutAction::quickZarrow); }).localizedDescription(),
                  "Die Überprüfung der Einstellungen ist fehlgeschlagen: Das Tastenkürzel Super+W ist vom System reserviert");
    }

    const SettingsStoreError taken = errorOf([&] { s.updateShortcut(kOptionCommandL, ShortcutAction::quickZarrow); });
    EXPECT_EQ(taken.kind(), Kind::shortcutConflict);
    EXPECT_EQ(taken.shortcut(), kOptionCommandL);
    EXPECT_EQ(taken.localizedDescription(), "Shortcut Alt+Super+L is already in use or conflicts with system shortcuts");
    EXPECT_EQ(s.settings(), UserSettings::defaults());
    EXPECT_EQ(posts, 0);

    // The slot's own shortcut is no conflict; the save happens without waiting.
    s.updateShortcut(UserSettings::defaults().quickZarrowShortcut, ShortcutAction::quickZarrow);
    EXPECT_EQ(posts, 1);
    const Shortcut controlOptionK{40, 0x1800};
    s.updateShortcut(controlOptionK, ShortcutAction::openHistory);
    EXPECT_EQ(posts, 2);
    EXPECT_EQ(s.saveDebouncer(), nullptr);
    EXPECT_EQ(storedSettings().historyShortcut, controlOptionK);

    // Availability asks the same questions without side effects.
    EXPECT_TRUE(s.isShortcutAvailable(kShiftCommandC, ShortcutAction::scanCode));
    EXPECT_FALSE(s.isShortcutAvailable(kShiftCommandC, ShortcutAction::codeMode));
    EXPECT_FALSE(s.isShortcutAvailable({12, 0x100}, ShortcutAction::scanCode)); // ⌘Q
    EXPECT_TRUE(s.isShortcutAvailable({12, 0x700}, ShortcutAction::scanCode));  // Shift+Super+Q, another flag bit
}

TEST_F(SettingsStoreTest, StoredDuplicateShortcutsAreResolvedAtLoadAndNamed)
{
    // Repeat and scan share one combination, code mode and history another.
    UserSettings broken = UserSettings::defaults();
    broken.scanCodeShortcut = broken.repeatZarrowShortcut;
    broken.historyShortcut = broken.codeModeShortcut;
    storeBytes(json::dump(broken.toJson()));
    SettingsStore &s = openStore();
    // The later slot of each pair gives way and takes its own default, which is free.
    EXPECT_EQ(s.settings(), UserSettings::defaults());
    EXPECT_EQ(s.resetKeys(), (QStringList{"scanCodeShortcut", "historyShortcut"}));

    // A slot reset for an unreadable value gives way to one the user set, taking the next
    // default nobody holds: here the user moved quick capture onto repeat's default.
    UserSettings chosen = UserSettings::defaults();
    chosen.quickZarrowShortcut = UserSettings::defaults().repeatZarrowShortcut;
    json::Json record = chosen.toJson();
    record["repeatZarrowShortcut"] = "unreadable";
    storeBytes(json::dump(record));
    SettingsStore &reset = openStore();
    EXPECT_EQ(reset.settings().quickZarrowShortcut, UserSettings::defaults().repeatZarrowShortcut);
    EXPECT_EQ(reset.settings().repeatZarrowShortcut, UserSettings::defaults().quickZarrowShortcut);
    EXPECT_EQ(reset.resetKeys(), QStringList{"repeatZarrowShortcut"});
    for (const ShortcutAction action : kAllShortcutActions)
        EXPECT_FALSE(reset.settings().hasConflict(reset.settings().shortcut(action)));

    // Every other change goes through.
    reset.setShowDockIcon(true);
    EXPECT_TRUE(reset.settings().showDockIcon);
    // Launch at login is refused before the login item is touched only for a clash it
    // would itself bring, which it never does.
    reset.setLaunchAtLogin(true);
    EXPECT_TRUE(reset.settings().launchAtLogin);
}

TEST_F(SettingsStoreTest, EveryValueResetOrBoundedBesideTheRecordIsNamed)
{
    struct Case {
        QByteArray json;
        QString key;
    };
    for (const Case &c : {Case{R"({"hasSeenOnboarding": "yes"})", "hasSeenOnboarding"},
                          Case{R"({"com.corvantis.hasLaunchedBefore": 1})", "com.corvantis.hasLaunchedBefore"},
                          Case{R"({"AppLanguage": 7})", "AppLanguage"},
                          Case{R"({"AppleLanguages": "de"})", "AppleLanguages"},
                          Case{R"({"RecognitionEngineReleaseSeconds": 9223372036854775807})",
                               "RecognitionEngineReleaseSeconds"},
                          Case{R"({"RecognitionEngineReleaseSeconds": 0})", "RecognitionEngineReleaseSeconds"},
                          Case{R"({"RecognitionEngineReleaseSeconds": "600"})", "RecognitionEngineReleaseSeconds"},
                          Case{R"({"com.corvantis.user_settings": {"maxHistoryEntries": -1}})", "maxHistoryEntries"},
                          Case{R"({"com.corvantis.user_settings": {"maxHistoryEntries": 5000}})", "maxHistoryEntries"}}) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.json);
        file.close();
        SettingsStore &s = openStore();
        EXPECT_EQ(s.resetKeys(), QStringList{c.key}) << c.json.constData();
        EXPECT_GE(s.settings().maxHistoryEntries, 1);
        EXPECT_LE(s.settings().maxHistoryEntries, 1000);
        if (c.key != "maxHistoryEntries") {
            // Every reader sees the default; the value is kept for whoever looks.
            EXPECT_FALSE(defaults->contains(c.key)) << c.json.constData();
            EXPECT_TRUE(defaults->objectValue(SettingsStore::unreadableValuesKey)->contains(c.key.toStdString()));
        }
    }
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(R"({"hasSeenOnboarding": true, "AppLanguage": "de", "RecognitionEngineReleaseSeconds": 5})");
    file.close();
    EXPECT_TRUE(openStore().resetKeys().isEmpty());
}

TEST_F(SettingsStoreTest, LaunchAtLoginChangesTheLoginItemOnlyWhenNeeded)
{
    SettingsStore &s = openStore();
    s.setLaunchAtLogin(true);
    s.setLaunchAtLogin(true);
    EXPECT_TRUE(s.settings().launchAtLogin);
    s.setLaunchAtLogin(false);
    s.setLaunchAtLogin(false);
    EXPECT_FALSE(s.settings().launchAtLogin);
    EXPECT_EQ(loginItem.calls, (QStringList{"register", "unregister"}));

    loginItem.failure = "the autostart folder is read-only";
    const SettingsStoreError error = errorOf([&] { s.setLaunchAtLogin(true); });
    EXPECT_EQ(error.kind(), Kind::launchItemConfigurationFailed);
    EXPECT_EQ(error.localizedDescription(), "Failed to configure launch at login: the autostart folder is read-only");
    EXPECT_FALSE(s.settings().launchAtLogin);
}

TEST_F(SettingsStoreTest, LoginItemAndFieldAgreeWhenAClashAppearsWhileRegistering)
{
    SettingsStore &s = openStore();
    // While registering, something writes a record with a duplicated shortcut: a clash
    // this change did not bring, so the field is still stored.
    loginItem.whileRegistering = [&] {
        UserSettings broken = s.settings();
        broken.scanCodeShortcut = broken.historyShortcut;
        s.setSettings(broken);
    };
    s.setLaunchAtLogin(true);
    EXPECT_EQ(loginItem.calls, QStringList{"register"});
    EXPECT_EQ(loginItem.current, LoginItem::Status::enabled);
    EXPECT_TRUE(s.settings().launchAtLogin);
}

TEST_F(SettingsStoreTest, LaunchAtLoginWritesAndRemovesTheAutostartEntry)
{
    const QString entry = dir.filePath("autostart/quorvane.desktop");
    XdgAutostartLoginItem autostart(entry, "/usr/bin/quorvane");
    UserDefaults userDefaults(path());
    SettingsStore s(userDefaults, autostart);

    s.setLaunchAtLogin(true);
    EXPECT_TRUE(QFile::exists(entry));
    s.setLaunchAtLogin(false);
    EXPECT_FALSE(QFile::exists(entry));
    EXPECT_FALSE(s.settings().launchAtLogin);
}

TEST_F(SettingsStoreTest, FullDiskFailsTheSaveAndKeepsTheStoredSettings)
{
    SettingsStore &s = openStore();
    s.setShowDockIcon(true);
    s.save();
    const QByteArray before = fileBytes();
    ASSERT_FALSE(before.isEmpty());

    s.setPlaySoundOnCapture(false);
    const int status = test::runInChild(
        [&] {
            try {
                s.save();
            } catch (const SettingsStoreError &error) {
                return error.kind() == Kind::persistenceFailed ? 0 : 2;
            }
            return 1;
        },
        64);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(fileBytes(), before);
    EXPECT_TRUE(openStore().settings().showDockIcon);
}

TEST_F(SettingsStoreTest, OnlyTheUserCanReadTheSettingsFolderAndFile)
{
    const QString folder = dir.filePath("Quorvane");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::Permissions(0x7755)));
    UserDefaults userDefaults(folder + "/defaults.json");
    userDefaults.setBool("key", true);
    ASSERT_TRUE(userDefaults.synchronize());
    constexpr auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    EXPECT_EQ(QFile::permissions(folder), ownerOnly | QFile::ExeOwner | QFile::ExeUser);
    EXPECT_EQ(QFile::permissions(folder + "/defaults.json"), ownerOnly);
}

TEST_F(SettingsStoreTest, FilesTooDeepOrTooLargeAreSetAsideLikeUnreadableOnes)
{
    const QByteArray deep = "{\"x\": " + QByteArray(200'000, '[') + QByteArray(200'000, ']') + "}";
    const QByteArray large = "{\"x\": \"" + QByteArray(20 << 20, 'a') + "\"}";
    for (const QByteArray &bytes : {deep, large}) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        UserDefaults userDefaults(path());
        ASSERT_FALSE(userDefaults.loadProblem().isEmpty());
        EXPECT_FALSE(userDefaults.contains("x"));
        EXPECT_FALSE(QFile::exists(path()));
        userDefaults.setBool("key", true);
        EXPECT_TRUE(userDefaults.synchronize());
        EXPECT_EQ(QDir(dir.path()).entryList({"defaults.json.unreadable-*"}).size(), bytes == deep ? 1 : 2);
    }
}

TEST_F(SettingsStoreTest, FilesThatAreNoRegularFileAreSetAsideUnread)
{
    // A link to an endless device would grow the program until the kernel stops it, and
    // a FIFO would hold the start until some writer came.
    for (const bool fifo : {false, true}) {
        if (fifo)
            ASSERT_EQ(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
        else
            ASSERT_TRUE(QFile::link("/dev/zero", path()));
        UserDefaults userDefaults(path());
        EXPECT_FALSE(userDefaults.loadProblem().isEmpty());
        EXPECT_FALSE(userDefaults.setAsidePath().isEmpty());
        EXPECT_FALSE(QFileInfo::exists(path()) || QFileInfo(path()).isSymLink());
        QFile::remove(userDefaults.setAsidePath());
    }
}

TEST_F(SettingsStoreTest, ALinkAtTheSettingsFileIsReplacedNeverWrittenThrough)
{
    const QString target = dir.filePath("elsewhere.json");
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(R"({"hasSeenOnboarding": true})");
    }
    ASSERT_TRUE(QFile::link(target, path()));
    UserDefaults userDefaults(path());
    EXPECT_EQ(userDefaults.boolValue("hasSeenOnboarding"), true);
    userDefaults.setBool("key", true);
    ASSERT_TRUE(userDefaults.synchronize()) << userDefaults.lastError().english().toStdString();
    EXPECT_FALSE(QFileInfo(path()).isSymLink());
    EXPECT_EQ(UserDefaults(path()).boolValue("key"), true);
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), R"({"hasSeenOnboarding": true})");
    EXPECT_EQ(QFile::permissions(path()), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
}
