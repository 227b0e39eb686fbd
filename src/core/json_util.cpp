// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/json_util.h"

#include "platform/bounded_json.h"

#include <QRegularExpression>
#include <QTimeZone>

#include <cmath>

namespace quorvane::json {

namespace {
[[noreturn]] void fail(std::string_view what, const char *expected)
{
    throw DecodeError(std::string(what) + ": expected " + expected);
}
} // namespace

Json parse(const QByteArray &text, qsizetype maxBytes)
{
    Json value = parseBoundedJson(text, maxBytes);
    if (value.is_discarded())
        throw DecodeError(text.size() > maxBytes ? "the data is too large"
                                                 : "the data is not valid JSON of bounded depth");
    return value;
}

QByteArray dump(const Json &value)
{
    return QByteArray::fromStdString(value.dump(2, ' ', false, Json::error_handler_t::replace));
}

const Json &requireObject(const Json &value, std::string_view what)
{
    if (!value.is_object())
        fail(what, "an object");
    return value;
}

bool readBool(const Json &value, std::string_view what)
{
    if (!value.is_boolean())
        fail(what, "a Boolean");
    return value.get<bool>();
}

qint64 readInteger(const Json &value, qint64 min, qint64 max, std::string_view what)
{
    if (value.is_number_integer() && !value.is_number_unsigned()) {
        const qint64 n = value.get<qint64>();
        if (n < min || n > max)
            fail(what, "an integer in range");
        return n;
    }
    if (value.is_number_unsigned()) {
        const quint64 n = value.get<quint64>();
        if (max < 0 || n > quint64(max) || (min > 0 && n < quint64(min)))
            fail(what, "an integer in range");
        return qint64(n);
    }
    if (value.is_number_float()) {
        const double d = value.get<double>();
        // Compare as doubles first: converting an out-of-range double to an integer is undefined.
        if (std::isfinite(d) && std::trunc(d) == d && d >= double(min) && d <= double(max)
            && d < 9.2233720368547758e18)
            return qint64(d);
        fail(what, "an integer in range");
    }
    fail(what, "an integer");
}

double readNumber(const Json &value, std::string_view what)
{
    if (!value.is_number())
        fail(what, "a number");
    return value.get<double>();
}

QString readString(const Json &value, std::string_view what)
{
    if (!value.is_string())
        fail(what, "a string");
    return QString::fromStdString(value.get_ref<const std::string &>());
}

QStringList readStringList(const Json &value, std::string_view what)
{
    if (!value.is_array())
        fail(what, "an array of strings");
    QStringList list;
    list.reserve(qsizetype(value.size()));
    for (const Json &item : value)
        list << readString(item, what);
    return list;
}

const Json *member(const Json &object, std::string_view key)
{
    if (!object.is_object())
        return nullptr;
    const auto it = object.find(key);
    if (it == object.end() || it->is_null())
        return nullptr;
    return &*it;
}

const Json &requireMember(const Json &object, std::string_view key)
{
    const Json *value = member(object, key);
    if (!value)
        throw DecodeError("missing member \"" + std::string(key) + "\"");
    return *value;
}

QString isoDateString(const QDateTime &date)
{
    return date.toUTC().toString(Qt::ISODate);
}

std::optional<QDateTime> parseIsoDate(const QString &text)
{
    // Qt reads a missing offset as local time; a stored date always names its zone.
    static const QRegularExpression shape(QStringLiteral(
        R"(^\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}(\.\d+)?(Z|[+-]\d{2}:?\d{2})$)"));
    if (!shape.match(text).hasMatch())
        return std::nullopt;
    QDateTime date = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!date.isValid())
        return std::nullopt;
    return date.toUTC();
}

QString uuidString(const QUuid &uuid)
{
    return uuid.toString(QUuid::WithoutBraces).toUpper();
}

std::optional<QUuid> parseUuid(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral(
        "^[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}$"));
    if (!shape.match(text).hasMatch())
        return std::nullopt;
    return QUuid::fromString(text);
}

} // namespace quorvane::json
