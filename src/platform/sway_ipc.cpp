// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sway_ipc.h"

#include "platform/log_categories.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>

#include <algorithm>
#include <cstring>

namespace quorvane {

namespace {

constexpr int kReplyTimeoutMs = 1000;
constexpr quint32 kRunCommand = 0;
const QByteArray kMagic = QByteArrayLiteral("i3-ipc");
// The magic, then the payload's length and the message type, each in native byte order.
constexpr qsizetype kHeaderSize = 6 + 4 + 4;

QByteArray message(quint32 type, const QByteArray &payload)
{
    QByteArray bytes = kMagic;
    const quint32 header[] = {quint32(payload.size()), type};
    bytes.append(reinterpret_cast<const char *>(header), sizeof header);
    return bytes + payload;
}

bool readExactly(QLocalSocket &socket, qsizetype size, QByteArray &into)
{
    while (socket.bytesAvailable() < size) {
        if (!socket.waitForReadyRead(kReplyTimeoutMs))
            return false;
    }
    into = socket.read(size);
    return true;
}

} // namespace

SwayIpc::SwayIpc(QString socketPath) : m_socketPath(std::move(socketPath)) {}

std::optional<SwayIpc> SwayIpc::fromEnvironment()
{
    const QString socket = qEnvironmentVariable("SWAYSOCK");
    if (socket.isEmpty())
        return std::nullopt;
    return SwayIpc(socket);
}

bool SwayIpc::run(const QString &commands) const
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(kReplyTimeoutMs)) {
        qCWarning(lcPlatform) << "sway's IPC socket did not answer:" << socket.errorString();
        return false;
    }
    socket.write(message(kRunCommand, commands.toUtf8()));
    if (!socket.waitForBytesWritten(kReplyTimeoutMs))
        return false;
    QByteArray header;
    QByteArray payload;
    if (!readExactly(socket, kHeaderSize, header) || !header.startsWith(kMagic))
        return false;
    quint32 length = 0;
    std::memcpy(&length, header.constData() + kMagic.size(), sizeof length);
    if (!readExactly(socket, qsizetype(length), payload))
        return false;
    // One result per command: all must have succeeded.
    const QJsonArray results = QJsonDocument::fromJson(payload).array();
    const bool done = !results.isEmpty() && std::all_of(results.begin(), results.end(), [](const QJsonValue &result) {
        return result.toObject().value(QStringLiteral("success")).toBool();
    });
    if (!done)
        qCWarning(lcPlatform) << "sway refused a command:" << payload;
    return done;
}

} // namespace quorvane
