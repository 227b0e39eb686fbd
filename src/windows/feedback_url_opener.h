#pragma once

#include <QString>
#include <QUrl>

namespace quorvane {

// Hands links to the desktop. Behind an interface so that tests never launch a program.
class FeedbackUrlOpener {
public:
    virtual ~FeedbackUrlOpener() = default;
    // Where the program that the desktop opens "mailto:" links with is described (its
    // desktop entry's path, or its name when the entry cannot be found); empty when the
    // desktop names none.
    virtual QString mailHandlerLocation() = 0;
    // Opens `url` with the program the desktop chooses for it; false when none took it.
    virtual bool openUrl(const QUrl &url) = 0;
};

// The running desktop: xdg-mime names the mail handler, QDesktopServices opens links.
class DesktopFeedbackUrlOpener : public FeedbackUrlOpener {
public:
    QString mailHandlerLocation() override;
    bool openUrl(const QUrl &url) override;
};

} // namespace quorvane
