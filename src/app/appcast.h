// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>
#include <vector>

namespace quorvane {

// One release announced by an update feed.
struct AppcastItem {
    QString title;
    QString version;            // machine version ("sparkle:version")
    QString shortVersionString; // version shown to people ("sparkle:shortVersionString")
    QUrl link;                  // the release's web page
    QUrl enclosureUrl;          // the release's download

    // The version people see, and the one compared with ours.
    QString displayVersion() const;
    // Where the user is sent to get the release: its page, else its download.
    QUrl downloadPage() const;
};

// An update feed in the appcast format (RSS 2.0 with the sparkle namespace).
class Appcast {
public:
    // Reads the items of `xml`. Items without a readable version are left out.
    // Throws UpdateCheckError(malformedFeed) when `xml` is not an RSS channel.
    static std::vector<AppcastItem> parse(const QByteArray &xml);

    // The item with the highest version, or none for an empty list.
    static std::optional<AppcastItem> newest(const std::vector<AppcastItem> &items);
};

} // namespace quorvane
