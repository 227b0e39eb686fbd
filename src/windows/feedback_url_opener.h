// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace quorvane {

// Hands links to the desktop. Behind an interface so that tests never launch a program.
class FeedbackUrlOpener {
public:
    using Outcome = std::function<void(bool opened)>;

    virtual ~FeedbackUrlOpener() = default;
    // Where the program that the desktop opens "mailto:" links with is described (its
    // desktop entry's path, or its name when the entry cannot be found); empty when the
    // desktop names none.
    virtual QString mailHandlerLocation() = 0;
    // Opens `url` with the program the desktop chooses for it, then calls `outcome` once
    // on the main thread: false when no program took it.
    virtual void openUrl(const QUrl &url, Outcome outcome) = 0;
};

// The running desktop: xdg-mime names the mail handler, xdg-open opens links. Starting
// xdg-open is not success: it fails when no program handles the link, so its exit
// status is awaited. A handler xdg-open runs in the foreground keeps it running; once it
// has run for a moment, the link counts as taken.
class DesktopFeedbackUrlOpener : public QObject, public FeedbackUrlOpener {
    Q_OBJECT
public:
    static constexpr int handOverMs = 3000;

    QString mailHandlerLocation() override;
    void openUrl(const QUrl &url, Outcome outcome) override;
};

} // namespace quorvane
