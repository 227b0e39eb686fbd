// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/appcast.h"

#include "app/update_check_error.h"
#include "app/version_comparator.h"

#include <QXmlStreamReader>

namespace quorvane {

namespace {

const QString sparkleNamespace = QStringLiteral("http://www.andymatuschak.org/xml-namespaces/sparkle");

bool isSparkle(const QXmlStreamReader &xml, QStringView name)
{
    return xml.namespaceUri() == sparkleNamespace && xml.name() == name;
}

bool isPlain(const QXmlStreamReader &xml, QStringView name)
{
    return xml.namespaceUri().isEmpty() && xml.name() == name;
}

AppcastItem readItem(QXmlStreamReader &xml)
{
    AppcastItem item;
    while (xml.readNextStartElement()) {
        if (isPlain(xml, u"title")) {
            item.title = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        } else if (isPlain(xml, u"link")) {
            item.link = QUrl(xml.readElementText().trimmed(), QUrl::StrictMode);
        } else if (isSparkle(xml, u"version")) {
            item.version = xml.readElementText().trimmed();
        } else if (isSparkle(xml, u"shortVersionString")) {
            item.shortVersionString = xml.readElementText().trimmed();
        } else if (isPlain(xml, u"enclosure")) {
            const QXmlStreamAttributes attributes = xml.attributes();
            item.enclosureUrl = QUrl(attributes.value(QStringLiteral("url")).toString().trimmed(), QUrl::StrictMode);
            // Elements of the item win over the enclosure's attributes.
            if (item.version.isEmpty())
                item.version = attributes.value(sparkleNamespace, QStringLiteral("version")).toString().trimmed();
            if (item.shortVersionString.isEmpty())
                item.shortVersionString =
                    attributes.value(sparkleNamespace, QStringLiteral("shortVersionString")).toString().trimmed();
            xml.skipCurrentElement();
        } else {
            xml.skipCurrentElement();
        }
    }
    return item;
}

} // namespace

QString AppcastItem::displayVersion() const
{
    return shortVersionString.isEmpty() ? version : shortVersionString;
}

QUrl AppcastItem::downloadPage() const
{
    return link.isValid() && !link.isEmpty() ? link : enclosureUrl;
}

std::vector<AppcastItem> Appcast::parse(const QByteArray &data)
{
    QXmlStreamReader xml(data);
    std::vector<AppcastItem> items;
    bool sawChannel = false;

    if (!xml.readNextStartElement() || !isPlain(xml, u"rss")) {
        const QString why = xml.hasError() ? xml.errorString() : QStringLiteral("not an RSS document");
        throw UpdateCheckError(UpdateCheckErrorKind::malformedFeed, why);
    }
    while (xml.readNextStartElement()) {
        if (!isPlain(xml, u"channel")) {
            xml.skipCurrentElement();
            continue;
        }
        sawChannel = true;
        while (xml.readNextStartElement()) {
            if (!isPlain(xml, u"item")) {
                xml.skipCurrentElement();
                continue;
            }
            AppcastItem item = readItem(xml);
            if (VersionComparator::isReadable(item.displayVersion()))
                items.push_back(std::move(item));
        }
    }
    if (xml.hasError()) {
        throw UpdateCheckError(UpdateCheckErrorKind::malformedFeed,
                               QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString()));
    }
    if (!sawChannel)
        throw UpdateCheckError(UpdateCheckErrorKind::malformedFeed, QStringLiteral("the feed has no channel"));
    return items;
}

std::optional<AppcastItem> Appcast::newest(const std::vector<AppcastItem> &items)
{
    std::optional<AppcastItem> best;
    for (const AppcastItem &item : items) {
        if (!best || VersionComparator::compare(item.displayVersion(), best->displayVersion()) > 0)
            best = item;
    }
    return best;
}

} // namespace quorvane
