// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pins/pin_widget_manager.h"
#include "platform/alert_presenter.h"
#include "platform/motion_preference.h"
#include "platform/pasteboard.h"

#include <QBuffer>
#include <QImage>
#include <QList>
#include <QTemporaryDir>

#include <memory>

namespace quorvane::test {

inline QByteArray pngOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Answers each alert with the next scripted button (-1 once the script runs out).
struct ScriptedAlerts : AlertPresenter {
    QList<int> answers;
    QList<Alert> shown;
    int runModal(const Alert &alert) override
    {
        shown.append(alert);
        return answers.isEmpty() ? -1 : answers.takeFirst();
    }
};

struct RecordingPasteboard : Pasteboard {
    QList<QList<Representation>> writes;
    bool refuse = false; // as a clipboard that another program holds on to
    QStringList write(const QList<Representation> &representations) override
    {
        writes.append(representations);
        return refuse ? QStringList() : QStringList{QStringLiteral("text/plain")};
    }
};

struct FixedMotion : MotionPreference {
    bool reduce = false;
    bool reduceMotion() const override { return reduce; }
};

// A pin manager over fakes and a private folder, counting what it posts.
struct PinRig {
    QTemporaryDir home;
    QString folder = home.path() + QStringLiteral("/Quorvane/PinnedCapture");
    ScriptedAlerts alerts;
    RecordingPasteboard pasteboard;
    FixedMotion motion;
    // What every manager made here announced.
    int created = 0;
    int updated = 0;
    int closed = 0;

    std::unique_ptr<PinWidgetManager> makeManager()
    {
        auto manager = std::make_unique<PinWidgetManager>(folder, alerts, pasteboard, motion);
        QObject::connect(manager.get(), &PinWidgetManager::pinWidgetCreated, [this] { ++created; });
        QObject::connect(manager.get(), &PinWidgetManager::pinWidgetUpdated, [this] { ++updated; });
        QObject::connect(manager.get(), &PinWidgetManager::pinWidgetClosed, [this] { ++closed; });
        return manager;
    }

    QString path(const char *fileName) const { return folder + QLatin1Char('/') + QLatin1String(fileName); }
};

inline QImage solidImage(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

} // namespace quorvane::test
