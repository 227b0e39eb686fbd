// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sway_window_rules.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <atomic>
#include <mutex>
#include <thread>

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

// sway's IPC socket, on a thread of its own (the client waits for its answer): records each
// command and answers that it succeeded.
class FakeSway {
public:
    FakeSway()
    {
        m_thread = std::thread([this] {
            QLocalServer server;
            if (!server.listen(path()))
                return;
            m_listening = true;
            while (!m_stop) {
                if (!server.waitForNewConnection(20))
                    continue;
                QLocalSocket *client = server.nextPendingConnection();
                QByteArray message;
                // The 14-byte header tells the payload's length.
                while (client->waitForReadyRead(1000)) {
                    message += client->readAll();
                    if (message.size() >= 14 && message.size() >= 14 + *reinterpret_cast<const quint32 *>(message.constData() + 6))
                        break;
                }
                {
                    std::lock_guard lock(m_mutex);
                    m_commands.append(QString::fromUtf8(message.mid(14)));
                }
                const QByteArray reply = "[{\"success\": true}]";
                const quint32 header[] = {quint32(reply.size()), 0};
                client->write(QByteArray("i3-ipc") + QByteArray(reinterpret_cast<const char *>(header), sizeof header) + reply);
                client->waitForBytesWritten(1000);
                delete client;
            }
        });
        while (!m_listening && m_thread.joinable() && !m_stop)
            std::this_thread::yield();
    }
    ~FakeSway()
    {
        m_stop = true;
        m_thread.join();
    }
    QString path() const { return m_dir.filePath(QStringLiteral("sway.sock")); }
    QStringList commands()
    {
        std::lock_guard lock(m_mutex);
        return m_commands;
    }

private:
    QTemporaryDir m_dir;
    std::atomic<bool> m_listening = false;
    std::atomic<bool> m_stop = false;
    std::mutex m_mutex;
    QStringList m_commands;
    std::thread m_thread;
};

} // namespace

TEST(SwayWindowRules, EachRuleIsSentOnceAndMatchesItsTitleLiterallyWithoutEndingTheCommand)
{
    FakeSway sway;
    SwayWindowRules rules(SwayIpc(sway.path()), 4242);
    const QString title = QStringLiteral("Notice \"a\", [b]; c.* \u2014 \u00fc");
    EXPECT_TRUE(rules.floatBorderless(title, SwayWindowRules::Keyboard::left, SwayWindowRules::Place::byCompositor));
    EXPECT_TRUE(rules.floatBorderless(title, SwayWindowRules::Keyboard::left, SwayWindowRules::Place::byCompositor));
    EXPECT_TRUE(rules.floatBorderless(QStringLiteral("Menu"), SwayWindowRules::Keyboard::taken,
                                      SwayWindowRules::Place::atPointer));
    // An untitled window's rule would match every untitled window of the program.
    EXPECT_FALSE(rules.floatBorderless(QString(), SwayWindowRules::Keyboard::left, SwayWindowRules::Place::byCompositor));

    const QStringList commands = sway.commands();
    ASSERT_EQ(commands.size(), 2) << commands.join(u'\n').toStdString();
    const QString pattern = SwayWindowRules::titlePattern(title);
    EXPECT_TRUE(commands[0].contains(QStringLiteral("no_focus [pid=4242 title=\"^%1\"]").arg(pattern)))
        << commands[0].toStdString();
    EXPECT_FALSE(commands[1].contains(QStringLiteral("no_focus"))) << commands[1].toStdString();
    EXPECT_TRUE(commands[1].contains(QStringLiteral("move position cursor"))) << commands[1].toStdString();
    for (const QChar mark : {u'"', u',', u';', u']', u'['})
        EXPECT_FALSE(pattern.contains(mark)) << pattern.toStdString();
    const QRegularExpression matches(QStringLiteral("^") + pattern);
    EXPECT_TRUE(matches.match(title + QStringLiteral(" \u2014 Quorvane")).hasMatch());
    EXPECT_FALSE(matches.match(QStringLiteral("Notice \"a\", [b]; cx")).hasMatch());
}
