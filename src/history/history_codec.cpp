// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_codec.h"

#include "core/json_util.h"
#include "history/history_store_error.h"

#include <QtConcurrent/QtConcurrentMap>

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

namespace {

constexpr std::string_view elementIndent = "  ";

bool isJsonSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

[[noreturn]] void notAnArray(const char *why)
{
    throw HistoryStoreError::corruptedFile(QStringLiteral("the data is not a JSON array (%1)")
                                               .arg(QLatin1String(why)));
}

// The text of each element of a top-level JSON array. Only the array's own grammar is
// checked here (brackets, commas, strings with escapes); each element is read strictly
// later, so the pieces are valid exactly when the whole text is.
QList<std::string_view> splitArray(std::string_view text)
{
    std::size_t at = 0;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        at = 3;
    const auto skipSpace = [&] {
        while (at < text.size() && isJsonSpace(text[at]))
            ++at;
    };

    skipSpace();
    if (at >= text.size() || text[at] != '[')
        notAnArray("no opening bracket");
    ++at;
    QList<std::string_view> elements;
    skipSpace();
    if (at < text.size() && text[at] == ']') {
        ++at;
    } else {
        for (;;) {
            skipSpace();
            const std::size_t start = at;
            int depth = 0;
            bool inString = false;
            for (; at < text.size(); ++at) {
                const char c = text[at];
                if (inString) {
                    if (c == '\\')
                        ++at;
                    else if (c == '"')
                        inString = false;
                    continue;
                }
                if (c == '"') {
                    inString = true;
                } else if (c == '{' || c == '[') {
                    ++depth;
                } else if (c == '}' || c == ']') {
                    if (depth == 0)
                        break;
                    --depth;
                } else if (depth == 0 && (c == ',' || isJsonSpace(c))) {
                    break;
                }
            }
            if (at >= text.size() || at == start)
                notAnArray("an element is cut off");
            elements.append(text.substr(start, at - start));
            skipSpace();
            if (at >= text.size())
                notAnArray("no closing bracket");
            if (text[at] == ']') {
                ++at;
                break;
            }
            if (text[at] != ',')
                notAnArray("elements are not separated by commas");
            ++at;
        }
    }
    skipSpace();
    if (at != text.size())
        notAnArray("text follows the closing bracket");
    return elements;
}

struct DecodedElement {
    std::optional<EncodedEntry> encoded;
    QString error;
    std::string_view text;
};

DecodedElement decodeElement(std::string_view text)
{
    try {
        json::Json object = json::parse(QByteArray::fromRawData(text.data(), qsizetype(text.size())));
        // The thumbnail is most of a record's bytes: decode it straight from the parsed
        // UTF-8 rather than through the record's QString path. Same rules: a string of
        // standard Base64, or the record fails.
        std::string thumbnail;
        json::Json *member = object.is_object() && object.contains("thumbnailData")
                                 ? &object["thumbnailData"]
                                 : nullptr;
        const bool fastThumbnail = member && member->is_string();
        if (fastThumbnail) {
            thumbnail = std::move(member->get_ref<std::string &>());
            *member = std::string();
        }
        CaptureHistoryEntry entry = CaptureHistoryEntry::fromJson(object);
        if (fastThumbnail) {
            auto bytes = QByteArray::fromBase64Encoding(
                QByteArray::fromRawData(thumbnail.data(), qsizetype(thumbnail.size())),
                QByteArray::AbortOnBase64DecodingErrors);
            if (!bytes)
                return {std::nullopt, QStringLiteral("thumbnailData: not Base64"), text};
            entry.thumbnailData = *bytes;
            entry.thumbnailData.detach(); // own the bytes; `thumbnail` dies here
        }
        return {EncodedEntry{std::move(entry), {}}, {}, text};
    } catch (const std::exception &error) {
        return {std::nullopt, QString::fromUtf8(error.what()), text};
    }
}

QByteArray encodeElement(const CaptureHistoryEntry &entry)
{
    const std::string text = entry.toJson().dump(2, ' ', false, json::Json::error_handler_t::replace);
    // Indent the element one level, as it sits inside the array. Strings never hold a
    // raw line break (JSON escapes it), so every line break here is layout.
    QByteArray indented;
    indented.reserve(qsizetype(text.size() + text.size() / 16 + 8));
    indented.append(elementIndent.data(), qsizetype(elementIndent.size()));
    for (const char c : text) {
        indented.append(c);
        if (c == '\n')
            indented.append(elementIndent.data(), qsizetype(elementIndent.size()));
    }
    return indented;
}

} // namespace

QByteArray HistoryCodec::encode(QList<EncodedEntry> &entries)
{
    QList<EncodedEntry *> missing;
    for (EncodedEntry &e : entries) {
        if (e.json.isEmpty())
            missing.append(&e);
    }
    if (missing.size() == 1)
        missing.first()->json = encodeElement(missing.first()->entry);
    else if (!missing.isEmpty())
        QtConcurrent::blockingMap(missing, [](EncodedEntry *e) { e->json = encodeElement(e->entry); });

    if (entries.isEmpty())
        return QByteArrayLiteral("[]");
    qsizetype size = 4;
    for (const EncodedEntry &e : entries)
        size += e.json.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    bytes.append("[\n");
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (i > 0)
            bytes.append(",\n");
        bytes.append(entries[i].json);
    }
    bytes.append("\n]");
    return bytes;
}

QList<EncodedEntry> HistoryCodec::decode(const QByteArray &bytes, QList<QByteArray> *rejected)
{
    const QList<std::string_view> elements =
        splitArray(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    const QList<DecodedElement> decoded = QtConcurrent::blockingMapped(elements, decodeElement);
    QList<EncodedEntry> entries;
    entries.reserve(decoded.size());
    for (const DecodedElement &element : decoded) {
        if (element.encoded) {
            entries.append(*element.encoded);
        } else if (rejected) {
            rejected->append(QByteArray(element.text.data(), qsizetype(element.text.size())));
        } else {
            throw HistoryStoreError::corruptedFile(element.error);
        }
    }
    return entries;
}

QByteArray HistoryCodec::joinRejected(const QList<QByteArray> &rejected)
{
    QByteArray bytes("[\n");
    for (qsizetype i = 0; i < rejected.size(); ++i) {
        if (i > 0)
            bytes.append(",\n");
        bytes.append(elementIndent.data(), qsizetype(elementIndent.size()));
        bytes.append(rejected[i]);
    }
    bytes.append("\n]");
    return bytes;
}

} // namespace quorvane
