// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <nlohmann/json.hpp>

#include <optional>
#include <stdexcept>
#include <string_view>

namespace quorvane::json {

// Objects keep their members sorted by name, so every file we write has sorted keys.
using Json = nlohmann::json;

// A value that is present but is not what the record expects.
class DecodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Parses UTF-8 JSON text; throws DecodeError on malformed text, on text longer than
// `maxBytes` and on values nested deeper than any record we write.
Json parse(const QByteArray &text, qsizetype maxBytes = qsizetype(1) << 30);
// Pretty-printed text with two-space indentation and sorted keys.
QByteArray dump(const Json &value);

// Strict readers of one value: each throws DecodeError naming `what` when the JSON type
// is wrong. nlohmann would turn true into 1 or 5.7 into 5; these never do.
const Json &requireObject(const Json &value, std::string_view what);
bool readBool(const Json &value, std::string_view what);
// An integer in [min, max]; an integral floating value such as 5.0 is accepted.
qint64 readInteger(const Json &value, qint64 min, qint64 max, std::string_view what);
double readNumber(const Json &value, std::string_view what);
QString readString(const Json &value, std::string_view what);
QStringList readStringList(const Json &value, std::string_view what);

// The member `key` of `object`, or nullptr when it is missing or null.
const Json *member(const Json &object, std::string_view key);
// The member `key`; throws DecodeError when it is missing or null.
const Json &requireMember(const Json &object, std::string_view key);

// ISO 8601 date and time in UTC with second precision, "2026-12-07T04:17:33Z".
QString isoDateString(const QDateTime &date);
// Reads ISO 8601 with or without fractional seconds and with any offset; nullopt if malformed.
std::optional<QDateTime> parseIsoDate(const QString &text);

// Canonical 36-character UUID text, upper case.
QString uuidString(const QUuid &uuid);
// Reads the 36-character 8-4-4-4-12 form in either case; nullopt for anything else.
std::optional<QUuid> parseUuid(const QString &text);

} // namespace quorvane::json
