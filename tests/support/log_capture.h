// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Collects every message the program logs while it lives, under the logging rules it is
// given (none: the program's defaults), and puts the previous handler and rules back.
#include <QLoggingCategory>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>

namespace quorvane::test {

class LogCapture {
public:
    explicit LogCapture(const QString &rules = QString())
    {
        QLoggingCategory::setFilterRules(rules);
        {
            QMutexLocker lock(&mutex());
            lines().clear();
        }
        m_previous = qInstallMessageHandler(&LogCapture::record);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        QLoggingCategory::setFilterRules(QString());
    }
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    // Each message as "category: text".
    QStringList messages() const
    {
        QMutexLocker lock(&mutex());
        return lines();
    }
    // The messages that quote `text`.
    QStringList quoting(const QString &text) const { return messages().filter(text); }

private:
    static void record(QtMsgType, const QMessageLogContext &context, const QString &message)
    {
        QMutexLocker lock(&mutex());
        lines().append(QString::fromLatin1(context.category ? context.category : "default") + QStringLiteral(": ") +
                       message);
    }
    static QMutex &mutex()
    {
        static QMutex m;
        return m;
    }
    static QStringList &lines()
    {
        static QStringList l;
        return l;
    }

    QtMessageHandler m_previous = nullptr;
};

} // namespace quorvane::test
