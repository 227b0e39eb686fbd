#include "platform/notification_center.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <algorithm>

namespace quorvane {

NotificationCenter::NotificationCenter(QObject *parent) : QObject(parent) {}

NotificationCenter &NotificationCenter::defaultCenter()
{
    static NotificationCenter center;
    return center;
}

void NotificationCenter::addObserver(const QString &name, QObject *context, Handler handler)
{
    if (!context || !handler)
        return;
    m_observers.push_back({m_nextId++, name, context, std::move(handler)});
    connect(context, &QObject::destroyed, this, &NotificationCenter::contextDestroyed,
            Qt::UniqueConnection);
}

void NotificationCenter::contextDestroyed(QObject *gone)
{
    std::erase_if(m_observers, [gone](const Observer &o) {
        return o.context.isNull() || o.context == gone;
    });
}

void NotificationCenter::removeObserver(QObject *context, const QString &name)
{
    std::erase_if(m_observers, [&](const Observer &o) {
        return o.context == context && (name.isEmpty() || o.name == name);
    });
}

void NotificationCenter::post(const QString &name, const QVariantMap &userInfo)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (app && QThread::currentThread() != app->thread()) {
        QMetaObject::invokeMethod(app, [this, name, userInfo] { deliver(name, userInfo); },
                                  Qt::QueuedConnection);
        return;
    }
    deliver(name, userInfo);
}

void NotificationCenter::deliver(const QString &name, const QVariantMap &userInfo)
{
    // Handlers may add or remove observers: walk a snapshot of ids and look each up again.
    std::vector<quint64> ids;
    for (const Observer &o : m_observers) {
        if (o.name == name)
            ids.push_back(o.id);
    }
    for (quint64 id : ids) {
        auto it = std::find_if(m_observers.begin(), m_observers.end(),
                               [id](const Observer &o) { return o.id == id; });
        if (it == m_observers.end() || it->context.isNull())
            continue;
        Handler handler = it->handler;  // the handler may remove its own entry
        handler(userInfo);
    }
}

int NotificationCenter::observerCount(const QString &name) const
{
    return int(std::count_if(m_observers.begin(), m_observers.end(), [&](const Observer &o) {
        return o.name == name && !o.context.isNull();
    }));
}

} // namespace quorvane
