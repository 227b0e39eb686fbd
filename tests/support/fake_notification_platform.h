// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small stand-ins for the desktop facilities the notification service uses, shared by
// every test binary that builds a NotificationService.

#include "platform/accessibility_announcer.h"
#include "platform/display_list.h"
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

// Monitors as a test lays them out; no pixels to read.
class FakeDisplayList : public DisplayList {
public:
    QList<DisplayInfo> all;
    quint32 mainID = 0;  // none

    QList<DisplayInfo> activeDisplays() const override { return all; }
    quint32 mainDisplayId() const override { return mainID; }
    QImage grab(quint32, const QRect &) const override { return {}; }
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
