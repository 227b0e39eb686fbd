// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace quorvane {

class AlertPresenter;
class FeedbackContactButton;
class FeedbackUrlOpener;
class Pasteboard;

// The feedback window's content: a header, the support address with a copy button, the
// maker's X / Twitter profile and a Close button. The address row opens a prepared mail
// message; every failure ends in one alert that repeats the address. Main thread only.
class FeedbackDialogView : public QWidget {
    Q_OBJECT
public:
    static constexpr int viewWidth = 400;

    static inline const QString twitterHandle = QStringLiteral("@corvantis");
    static inline const QString twitterURL = QStringLiteral("https://x.com/corvantis");
    static inline const QString mailSubject = QStringLiteral("Quorvane Feedback");

    // `dismiss` closes the window around the view.
    FeedbackDialogView(FeedbackUrlOpener &urlOpener, Pasteboard &pasteboard, AlertPresenter &alerts,
                       std::function<void()> dismiss, QWidget *parent = nullptr);

    // The recipient: the maker's support address.
    static QString emailAddress();

    // The button actions.
    void sendEmail();
    void copyEmail();
    void openTwitter();
    // A modal notice with one "OK" button.
    void showAlert(const QString &title, const QString &message);

    // The feedback message's link: "mailto:", the address as it is, then the subject and
    // the body (the version details) percent-encoded.
    static QString mailtoLink(const QString &address, const QString &version, const QString &build,
                              const QString &osVersion);
    // Whether a mail handler found at `location` is a web browser, which cannot take mail.
    static bool isWebBrowser(const QString &location);

    FeedbackContactButton *emailButton() const { return m_emailButton; }
    FeedbackContactButton *copyButton() const { return m_copyButton; }
    FeedbackContactButton *twitterButton() const { return m_twitterButton; }
    QPushButton *closeButton() const { return m_closeButton; }

private:
    // Sets every text in the interface language.
    void retranslate();

    FeedbackUrlOpener &m_urlOpener;
    Pasteboard &m_pasteboard;
    AlertPresenter &m_alerts;
    std::function<void()> m_dismiss;
    FeedbackContactButton *m_emailButton = nullptr;
    FeedbackContactButton *m_copyButton = nullptr;
    FeedbackContactButton *m_twitterButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_subtitle = nullptr;
    QLabel *m_emailLabel = nullptr;
    QLabel *m_twitterLabel = nullptr;
};

} // namespace quorvane
