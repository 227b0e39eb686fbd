// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>
#include <QUrl>
#include <QWidget>

class QLabel;

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

    // The application's version as configured at build time; "Unknown" when the build left
    // it out. The build is the commit when built from git, otherwise the version.
    static QString appVersion();
    static QString buildNumber();
    // The short commit id the program was built from; empty outside a git checkout.
    static QString sourceCommit();
    // The About window's version line: the version, and the commit when there is one.
    static QString versionLine(const QString &version, const QString &commit);
    // `value` as text, or "Unknown" when it is null or empty.
    static QString valueOrUnknown(const char *value);
    // The application icon, or a null icon when the program carries none.
    static QIcon appIcon();

private:
    // Sets every text in the interface language and fits the height to them.
    void retranslate();

    QLabel *m_name = nullptr;
    QLabel *m_subtitle = nullptr;
    QLabel *m_version = nullptr;
    QLabel *m_description = nullptr;
    QLabel *m_legalNotice = nullptr;
    QLabel *m_privacyLink = nullptr;
    QLabel *m_termsLink = nullptr;
};

} // namespace quorvane
