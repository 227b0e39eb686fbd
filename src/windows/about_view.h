#pragma once

#include <QIcon>
#include <QString>
#include <QUrl>
#include <QWidget>

namespace quorvane {

// The content of the About window: icon, name, version and build, a description, the legal
// notice with the support address, and the policy links.
class AboutView : public QWidget {
    Q_OBJECT
public:
    static constexpr int viewWidth = 340;
    static constexpr int viewHeight = 380;

    // Where the maker answers users; also the feedback window's recipient.
    static inline const QString supportEmailAddress = QStringLiteral("support@corvantis.app");
    static inline const QUrl privacyPolicyUrl{QStringLiteral("https://corvantis.app/quorvane/privacy")};
    static inline const QUrl termsOfServiceUrl{QStringLiteral("https://corvantis.app/quorvane/terms")};
    // The application icon among the program's resources.
    static inline const QString appIconPath = QStringLiteral(":/icons/quorvane.svg");

    explicit AboutView(QWidget *parent = nullptr);

    // The application's version and build as configured at build time; "Unknown" when the
    // build left them out.
    static QString appVersion();
    static QString buildNumber();
    // `value` as text, or "Unknown" when it is null or empty.
    static QString valueOrUnknown(const char *value);
    // The application icon, or a null icon when the program carries none.
    static QIcon appIcon();
};

} // namespace quorvane
