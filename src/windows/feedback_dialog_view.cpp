// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/feedback_dialog_view.h"

#include "core/diagnostics.h"
#include "platform/alert_presenter.h"
#include "platform/language_change.h"
#include "platform/pasteboard.h"
#include "windows/about_view.h"
#include "windows/feedback_contact_button.h"
#include "windows/feedback_url_opener.h"
#include "windows/onboarding_style.h"

#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSysInfo>
#include <QUrl>
#include <QVBoxLayout>

namespace quorvane {

namespace {

// Percent-encodes one header value of a mail link. Characters that would end or split the
// value ("&", "=", "#", "+", "%") are always encoded, so any text arrives whole.
QString encodeMailField(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value, QByteArrayLiteral("!$'()*,;:@/?")));
}

QFrame *divider()
{
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// A section's caption: a small symbol (or glyph) and a word, in the secondary colour.
QWidget *sectionLabel(QLabel *text, const QPixmap &symbol, const QString &glyph)
{
    auto *caption = new QWidget;
    auto *row = new QHBoxLayout(caption);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    QLabel *icon = glyph.isEmpty() ? new QLabel : styledLabel(glyph, 13, QFont::DemiBold, TextTone::secondary);
    if (glyph.isEmpty())
        icon->setPixmap(symbol);
    row->addWidget(icon);
    row->addWidget(text);
    row->addStretch();
    return caption;
}

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

FeedbackDialogView::FeedbackDialogView(FeedbackUrlOpener &urlOpener, Pasteboard &pasteboard, AlertPresenter &alerts,
                                       std::function<void()> dismiss, QWidget *parent)
    : QWidget(parent), m_urlOpener(urlOpener), m_pasteboard(pasteboard), m_alerts(alerts), m_dismiss(std::move(dismiss))
{
    setObjectName(QStringLiteral("FeedbackDialogView"));
    setFixedWidth(viewWidth);

    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(24, 24, 24, 24);
    stack->setSpacing(24);

    auto *header = new QVBoxLayout;
    header->setContentsMargins(0, 8, 0, 0);
    header->setSpacing(8);
    auto *envelope = new QLabel;
    envelope->setFixedSize(48, 48);
    envelope->setPixmap(symbolPixmap(Symbol::envelopeCircle, 48, accentColour(palette()), devicePixelRatioF()));
    header->addWidget(envelope, 0, Qt::AlignHCenter);
    m_title = centredHeading(22, QFont::DemiBold);
    header->addWidget(m_title);
    m_subtitle = centredHeading(15, QFont::Normal, TextTone::secondary);
    header->addWidget(m_subtitle);
    stack->addLayout(header);
    stack->addWidget(divider());

    auto *sections = new QVBoxLayout;
    sections->setContentsMargins(4, 0, 4, 0);
    sections->setSpacing(16);

    auto *mailSection = new QVBoxLayout;
    mailSection->setSpacing(8);
    m_emailLabel = styledLabel(QString(), 13, QFont::DemiBold, TextTone::secondary);
    mailSection->addWidget(sectionLabel(m_emailLabel,
                                        symbolPixmap(Symbol::envelope, 13, secondaryColour(palette()), devicePixelRatioF()),
                                        QString()));
    auto *mailRow = new QHBoxLayout;
    mailRow->setSpacing(8);
    m_emailButton = new FeedbackContactButton(emailAddress(), Symbol::externalLink);
    m_emailButton->setObjectName(QStringLiteral("emailButton"));
    connect(m_emailButton, &QAbstractButton::clicked, this, &FeedbackDialogView::sendEmail);
    mailRow->addWidget(m_emailButton);
    m_copyButton = new FeedbackContactButton(QString(), Symbol::copy);
    m_copyButton->setObjectName(QStringLiteral("copyButton"));
    connect(m_copyButton, &QAbstractButton::clicked, this, &FeedbackDialogView::copyEmail);
    mailRow->addWidget(m_copyButton);
    mailSection->addLayout(mailRow);
    sections->addLayout(mailSection);

    auto *profileSection = new QVBoxLayout;
    profileSection->setSpacing(8);
    m_twitterLabel = styledLabel(QString(), 13, QFont::DemiBold, TextTone::secondary);
    profileSection->addWidget(sectionLabel(m_twitterLabel, QPixmap(), QStringLiteral("#")));
    m_twitterButton = new FeedbackContactButton(twitterHandle, Symbol::externalLink);
    m_twitterButton->setObjectName(QStringLiteral("twitterButton"));
    connect(m_twitterButton, &QAbstractButton::clicked, this, &FeedbackDialogView::openTwitter);
    profileSection->addWidget(m_twitterButton);
    sections->addLayout(profileSection);
    stack->addLayout(sections);
    stack->addWidget(divider());

    auto *footer = new QHBoxLayout;
    footer->setContentsMargins(0, 4, 0, 0);
    footer->addStretch();
    auto *close = new QPushButton;
    close->setObjectName(QStringLiteral("closeButton"));
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(close, &QPushButton::clicked, this, [this] {
        if (m_dismiss)
            m_dismiss();
    });
    footer->addWidget(close);
    m_closeButton = close;
    stack->addLayout(footer);
    onLanguageChange(this, [this] { retranslate(); });
}

void FeedbackDialogView::retranslate()
{
    //: Heading of the Feedback window
    //% "Send Feedback"
    m_title->setText(qtTrId("feedback.title"));
    //: Subtitle of the Feedback window
    //% "We'd love to hear from you!"
    m_subtitle->setText(qtTrId("feedback.subtitle"));
    //: Section label for the support e-mail address
    //% "Email"
    m_emailLabel->setText(qtTrId("feedback.email"));
    //: Tooltip of the e-mail address button
    //% "Click to open email client"
    m_emailButton->setToolTip(qtTrId("feedback.email.open_tooltip"));
    //: Tooltip of the copy button beside the e-mail address
    //% "Copy email address"
    m_copyButton->setToolTip(qtTrId("feedback.email.copy_tooltip"));
    m_copyButton->setAccessibleName(m_copyButton->toolTip());
    //: Section label for the social profile (brand name, usually kept)
    //% "X / Twitter"
    m_twitterLabel->setText(qtTrId("feedback.twitter"));
    //: Tooltip of the social profile button
    //% "Click to open Twitter profile"
    m_twitterButton->setToolTip(qtTrId("feedback.twitter.open_tooltip"));
    //: Button that closes the Feedback window
    //% "Close"
    setTextKeepingShortcut(m_closeButton, qtTrId("feedback.close"));
}

QString FeedbackDialogView::emailAddress()
{
    return AboutView::supportEmailAddress;
}

QString FeedbackDialogView::mailtoLink(const QString &address, const QString &version, const QString &build,
                                       const QString &osVersion)
{
    const QString body = QStringLiteral("\n\n---\nQuorvane Version: ") + version + QStringLiteral("\nBuild: ") + build +
                         QStringLiteral("\nOS: ") + osVersion;
    return QStringLiteral("mailto:") + address + QStringLiteral("?subject=") + encodeMailField(mailSubject) +
           QStringLiteral("&body=") + encodeMailField(body);
}

bool FeedbackDialogView::isWebBrowser(const QString &location)
{
    const QString name = QFileInfo(location).fileName().toLower();
    // Matched against the desktop entry's name, which for the browsers Debian ships reads
    // e.g. "chromium.desktop", "org.gnome.Epiphany.desktop" or "kfmclient_html.desktop".
    for (const char *browser : {"chrome", "chromium", "safari", "firefox", "edge", "epiphany", "brave", "vivaldi",
                                "falkon", "konqueror", "kfmclient", "qutebrowser", "opera", "midori", "librewolf",
                                "torbrowser", "netsurf", "dillo"}) {
        if (name.contains(QLatin1String(browser)))
            return true;
    }
    return false;
}

void FeedbackDialogView::sendEmail()
{
    diag(lcWindows(), QStringLiteral("sendEmail() called"));
    const QString address = emailAddress();
    const QString handler = m_urlOpener.mailHandlerLocation();
    diag(lcWindows(), QStringLiteral("mailto handler: ") + (handler.isEmpty() ? QStringLiteral("none") : handler));

    if (!handler.isEmpty() && isWebBrowser(handler)) {
        diag(lcWindows(), QStringLiteral("Browser detected as mailto handler"));
        //: Alert title when e-mail links open in a web browser
        //% "Browser Cannot Handle Email"
        showAlert(qtTrId("feedback.alert.browser.title"),
                  //: Alert when e-mail links open in a web browser; %1 is the support address
                  //% "Your system is configured to open email links with a web browser, which cannot handle them properly.\n\nPlease either:\n• Use the Copy button (📋) to copy the email address\n• Configure an email application as your default email handler in your desktop's settings\n\nEmail: %1"
                  qtTrId("feedback.alert.browser.message").arg(address));
        return;
    }

    const QString link = mailtoLink(address, AboutView::appVersion(), AboutView::buildNumber(),
                                    QSysInfo::prettyProductName());
    diag(lcWindows(), QStringLiteral("mailto URL: ") + link);
    const QUrl url(link, QUrl::StrictMode);
    if (!url.isValid()) {
        diagWarning(lcWindows(), QStringLiteral("Failed to create mailto URL"));
        //: Title of an error alert in the Feedback window
        //% "Error"
        showAlert(qtTrId("feedback.alert.error"),
                  //: The e-mail link could not be made
                  //% "Failed to create email URL"
                  qtTrId("feedback.alert.mail_link_failed"));
        return;
    }

    diag(lcWindows(), QStringLiteral("Opening the mail link..."));
    m_urlOpener.openUrl(url, [self = QPointer(this), address](bool opened) {
        diag(lcWindows(), QStringLiteral("Opening the mail link returned: ") + boolText(opened));
        if (opened) {
            diag(lcWindows(), QStringLiteral("Email client opened successfully"));
            return;
        }
        diagWarning(lcWindows(), QStringLiteral("Opening the mail link failed"));
        if (!self)
            return;
        //: Alert title when no e-mail program opened
        //% "Cannot Open Mail"
        const QString title = qtTrId("feedback.alert.cannot_open_mail.title");
        //: Alert when no e-mail program opened; %1 is the support address
        //% "Please ensure you have a default email app configured in your desktop's settings.\n\nYou can use the Copy button (📋) to copy: %1"
        self->showAlert(title, qtTrId("feedback.alert.cannot_open_mail.message").arg(address));
    });
}

void FeedbackDialogView::copyEmail()
{
    diag(lcWindows(), QStringLiteral("copyEmail() called"));
    const QString address = emailAddress();
    m_pasteboard.write({{QStringLiteral("text/plain"), address.toUtf8()}});
    diag(lcWindows(), QStringLiteral("Email address copied to clipboard"));
    //: Alert title after the support address was copied
    //% "Email Copied"
    showAlert(qtTrId("feedback.alert.copied.title"),
              //: Alert after the support address was copied; %1 is the address
              //% "Email address copied to clipboard:\n\n%1"
              qtTrId("feedback.alert.copied.message").arg(address));
}

void FeedbackDialogView::openTwitter()
{
    diag(lcWindows(), QStringLiteral("openTwitter() called"));
    diag(lcWindows(), QStringLiteral("Twitter URL: ") + twitterURL);
    const QUrl url(twitterURL, QUrl::StrictMode);
    if (!url.isValid()) {
        diagWarning(lcWindows(), QStringLiteral("Failed to create Twitter URL"));
        //: Title of an error alert in the Feedback window
        //% "Error"
        showAlert(qtTrId("feedback.alert.error"),
                  //: The social profile link could not be made
                  //% "Failed to open Twitter URL"
                  qtTrId("feedback.alert.twitter_link_failed"));
        return;
    }
    m_urlOpener.openUrl(url, [self = QPointer(this)](bool opened) {
        diag(lcWindows(), QStringLiteral("Opening the profile link returned: ") + boolText(opened));
        if (opened) {
            diag(lcWindows(), QStringLiteral("Twitter profile opened successfully"));
            return;
        }
        diagWarning(lcWindows(), QStringLiteral("Failed to open Twitter URL"));
        if (!self)
            return;
        //: Alert title when the social profile did not open
        //% "Cannot Open Twitter"
        const QString title = qtTrId("feedback.alert.cannot_open_twitter.title");
        //: Alert when the social profile did not open; %1 is its address
        //% "Please visit: %1"
        self->showAlert(title, qtTrId("feedback.alert.cannot_open_twitter.message").arg(twitterURL));
    });
}

void FeedbackDialogView::showAlert(const QString &title, const QString &message)
{
    Alert alert;
    alert.style = Alert::Style::informational;
    alert.messageText = title;
    alert.informativeText = message;
    //: OK button
    //% "OK"
    alert.buttons = {qtTrId("general.ok")};
    alert.window = window();
    m_alerts.runModal(alert);
}

} // namespace quorvane
