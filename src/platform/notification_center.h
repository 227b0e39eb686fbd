#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <vector>

namespace quorvane {

// In-process notifications by name, delivered synchronously on the main thread.
// An observer is tied to a context object: its observation ends when the context is
// destroyed, so no observer outlives what it captured.
class NotificationCenter : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const QVariantMap &userInfo)>;

    explicit NotificationCenter(QObject *parent = nullptr);

    // The centre every subsystem posts to and observes by default.
    static NotificationCenter &defaultCenter();

    // Calls `handler` for every later post of `name` while `context` exists.
    void addObserver(const QString &name, QObject *context, Handler handler);
    // Ends every observation made with `context` (all names, or only `name`).
    void removeObserver(QObject *context, const QString &name = {});

    // Delivers to every live observer of `name`, in registration order. From another
    // thread the post is queued to the main thread and delivered there.
    void post(const QString &name, const QVariantMap &userInfo = {});

    // Number of live observers of `name` (for diagnostics and tests).
    int observerCount(const QString &name) const;

private slots:
    void contextDestroyed(QObject *gone);

private:
    struct Observer {
        quint64 id;
        QString name;
        QPointer<QObject> context;
        Handler handler;
    };
    void deliver(const QString &name, const QVariantMap &userInfo);

    std::vector<Observer> m_observers;
    quint64 m_nextId = 1;
};

} // namespace quorvane
