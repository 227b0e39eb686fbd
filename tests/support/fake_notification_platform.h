#pragma once

// Small stand-ins for the desktop facilities the notification service uses, shared by
// every test binary that builds a NotificationService.

#include "platform/accessibility_announcer.h"
#include "platform/display_directory.h"
#include "platform/motion_preference.h"
#include "platform/sound_player.h"
#include "platform/system_notifier.h"

#include <QPromise>
#include <QStringList>

#include <vector>

namespace quorvane::test {

class FakeSoundPlayer : public SoundPlayer {
public:
    bool available = true;
    QStringList played;

    bool canPlay(const QString &) const override { return available; }
    void play(const QString &eventID) override { played.append(eventID); }
};

class FakeAnnouncer : public AccessibilityAnnouncer {
public:
    QStringList announced;
    void announce(const QString &text) override { announced.append(text); }
};

class FakeMotionPreference : public MotionPreference {
public:
    bool reduce = false;
    bool reduceMotion() const override { return reduce; }
};

class FakeDisplayDirectory : public DisplayDirectory {
public:
    std::vector<DisplayInfo> all;
    std::optional<quint32> mainID;

    std::vector<DisplayInfo> displays() const override { return all; }
    std::optional<DisplayInfo> mainDisplay() const override
    {
        for (const DisplayInfo &display : all) {
            if (mainID && display.id == *mainID)
                return display;
        }
        return std::nullopt;
    }
};

// Records what would go to the desktop; `failWith` makes every post fail.
class FakeSystemNotifier : public SystemNotifier {
public:
    Authorization answer = Authorization::granted;
    std::optional<QString> failWith;
    std::vector<SystemNotification> posted;

    Authorization authorization() const override { return answer; }
    QFuture<void> post(const SystemNotification &notification) override
    {
        posted.push_back(notification);
        QPromise<void> promise;
        promise.start();
        if (failWith)
            promise.setException(SystemNotificationError(*failWith));
        promise.finish();
        return promise.future();
    }
    // As if the user clicked a notification that carried `userInfo`.
    void click(const QVariantMap &userInfo) { emit activated(userInfo); }
};

} // namespace quorvane::test
