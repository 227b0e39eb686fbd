// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/capture_history_entry.h"

#include "core/text_utils.h"

#include <cmath>

namespace quorvane {

namespace {
constexpr int kMaxTitleLength = 60;

bool isNewline(QChar c)
{
    switch (c.unicode()) {
    case 0x000A: case 0x000B: case 0x000C: case 0x000D:
    case 0x0085: case 0x2028: case 0x2029:
        return true;
    default:
        return false;
    }
}
// JSON has no NaN or infinity: such a side would be written as null and make the whole
// history file unreadable, so it is kept as 0.
double finiteOrZero(double value)
{
    return std::isfinite(value) ? value : 0.0;
}
} // namespace

QString CaptureHistoryEntry::title() const
{
    qsizetype end = 0;
    while (end < text.size() && !isNewline(text.at(end)))
        ++end;
    const QString firstLine = text.left(end);
    if (graphemeCount(firstLine) <= kMaxTitleLength)
        return firstLine;
    return graphemePrefix(firstLine, kMaxTitleLength - 3) + QStringLiteral("...");
}

json::Json CaptureHistoryEntry::toJson() const
{
    json::Json object{
        {"id", json::uuidString(id).toStdString()},
        {"timestamp", json::isoDateString(timestamp).toStdString()},
        {"text", text.toStdString()},
        {"sourceRect", {{"x", finiteOrZero(sourceRect.x())}, {"y", finiteOrZero(sourceRect.y())},
                        {"width", finiteOrZero(sourceRect.width())},
                        {"height", finiteOrZero(sourceRect.height())}}},
        {"thumbnailData", thumbnailData.toBase64().toStdString()},
        {"captureMode", rawValue(captureMode).toStdString()},
    };
    if (displayID)
        object["displayID"] = *displayID;
    if (sourceAppBundleID)
        object["sourceAppBundleID"] = sourceAppBundleID->toStdString();
    return object;
}

CaptureHistoryEntry CaptureHistoryEntry::fromJson(const json::Json &object)
{
    using namespace json;
    requireObject(object, "history record");
    CaptureHistoryEntry entry;

    const auto id = parseUuid(readString(requireMember(object, "id"), "id"));
    if (!id)
        throw DecodeError("id: not a UUID");
    entry.id = *id;

    const auto timestamp = parseIsoDate(readString(requireMember(object, "timestamp"), "timestamp"));
    if (!timestamp)
        throw DecodeError("timestamp: not an ISO 8601 date");
    entry.timestamp = *timestamp;

    entry.text = readString(requireMember(object, "text"), "text");

    const QString base64 = readString(requireMember(object, "thumbnailData"), "thumbnailData");
    auto thumbnail = QByteArray::fromBase64Encoding(base64.toLatin1(),
                                                    QByteArray::AbortOnBase64DecodingErrors);
    if (!thumbnail)
        throw DecodeError("thumbnailData: not Base64");
    entry.thumbnailData = *thumbnail;

    const auto mode = captureModeFromRawValue(readString(requireMember(object, "captureMode"), "captureMode"));
    if (!mode)
        throw DecodeError("captureMode: unknown mode");
    entry.captureMode = *mode;

    // The rectangle is read as a map of numbers: missing sides read 0, extra members are ignored.
    const Json &rect = requireObject(requireMember(object, "sourceRect"), "sourceRect");
    double side[4] = {0, 0, 0, 0};
    const char *names[4] = {"x", "y", "width", "height"};
    for (const auto &[name, value] : rect.items()) {
        const double number = readNumber(value, "sourceRect");
        for (int i = 0; i < 4; ++i) {
            if (name == names[i])
                side[i] = number;
        }
    }
    entry.sourceRect = QRectF(side[0], side[1], side[2], side[3]);

    if (const Json *display = member(object, "displayID"))
        entry.displayID = quint32(readInteger(*display, 0, 0xFFFFFFFFLL, "displayID"));
    if (const Json *app = member(object, "sourceAppBundleID"))
        entry.sourceAppBundleID = readString(*app, "sourceAppBundleID");
    return entry;
}

} // namespace quorvane
