// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/about_view.h"

#include "build_commit.h"
#include "build_config.h"
#include "platform/language_change.h"
#include "platform/phrase_breaks.h"
#include "windows/onboarding_style.h"

#include <QFile>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvane {

namespace {

QPixmap roundedIcon(const QIcon &icon, int side, qreal radius, qreal devicePixelRatio)
{
    const QPixmap source = icon.pixmap(QSize(side, side), devicePixelRatio);
    QPixmap clipped(source.size());
    clipped.setDevicePixelRatio(source.devicePixelRatio());
    clipped.fill(Qt::transparent);
    QPainter p(&clipped);
    p.setRenderHint(QPainter::Antialiasing);
    const QSizeF logical = source.deviceIndependentSize();
    QPainterPath shape;
    shape.addRoundedRect(QRectF(QPointF(0, 0), logical), radius, radius);
    p.setClipPath(shape);
    p.drawPixmap(0, 0, source);
    return clipped;
}

void setLinkText(QLabel *link, const QString &label, const QUrl &target)
{
    link->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                      .arg(target.toString(QUrl::FullyEncoded).toHtmlEscaped(), label.toHtmlEscaped()));
}

QLabel *link(const QString &label, const QUrl &target, int pixelSize)
{
    auto *l = new QLabel;
    l->setTextFormat(Qt::RichText);
    setLinkText(l, label, target);
    l->setOpenExternalLinks(true);
    l->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    QFont font = l->font();
    font.setPixelSize(pixelSize);
    l->setFont(font);
    l->setAlignment(Qt::AlignHCenter);
    return l;
}

// The stack's spacing, a 4 px spacer, and the stack's spacing again.
constexpr int kSpacerGap = 12 + 4 + 12;

} // namespace

AboutView::AboutView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AboutView"));

    // The listed gaps are the whole distance between neighbours; the content sits centred
    // in the fixed frame.
    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    stack->addStretch();
    stack->addSpacing(28);

    const QIcon icon = appIcon();
    if (!icon.isNull()) {
        auto *iconLabel = new QLabel;
        iconLabel->setObjectName(QStringLiteral("appIcon"));
        iconLabel->setFixedSize(128, 128);
        iconLabel->setAlignment(Qt::AlignCenter);
        iconLabel->setPixmap(roundedIcon(icon, 128, 28, devicePixelRatioF()));
        auto *shadow = new QGraphicsDropShadowEffect(iconLabel);
        shadow->setColor(QColor(0, 0, 0, qRound(255 * 0.15)));
        shadow->setBlurRadius(16);
        shadow->setOffset(0, 4);
        iconLabel->setGraphicsEffect(shadow);
        stack->addWidget(iconLabel, 0, Qt::AlignHCenter);
        stack->addSpacing(12);
    }

    m_name = styledLabel(QString(), 24, QFont::DemiBold);
    stack->addWidget(m_name, 0, Qt::AlignHCenter);
    stack->addSpacing(12);
    m_subtitle = styledLabel(QString(), 13, QFont::Normal, TextTone::secondary);
    stack->addWidget(m_subtitle, 0, Qt::AlignHCenter);
    stack->addSpacing(12);
    m_version = styledLabel(QString(), 11, QFont::Normal, TextTone::secondary);
    m_version->setObjectName(QStringLiteral("versionLabel"));
    stack->addWidget(m_version, 0, Qt::AlignHCenter);
    // A 4 px spacer between the stack's 12 px gaps on both sides.
    stack->addSpacing(kSpacerGap);

    m_description = styledLabel(QString(), 12, QFont::Normal, TextTone::secondary, true);
    m_description->setAlignment(Qt::AlignHCenter);
    m_description->setContentsMargins(20, 0, 20, 0);
    stack->addWidget(m_description);
    stack->addSpacing(kSpacerGap);

    auto *legal = new QVBoxLayout;
    legal->setSpacing(4);
    m_legalNotice = styledLabel(QString(), 11, QFont::Normal, TextTone::secondary);
    legal->addWidget(m_legalNotice, 0, Qt::AlignHCenter);
    QLabel *mail = link(supportEmailAddress, QUrl(QStringLiteral("mailto:") + supportEmailAddress), 11);
    mail->setObjectName(QStringLiteral("supportLink"));
    legal->addWidget(mail, 0, Qt::AlignHCenter);
    stack->addLayout(legal);
    stack->addSpacing(12);

    auto *links = new QHBoxLayout;
    links->setSpacing(16);
    links->addStretch();
    m_privacyLink = link(QString(), privacyPolicyUrl, 10);
    links->addWidget(m_privacyLink);
    m_termsLink = link(QString(), termsOfServiceUrl, 10);
    links->addWidget(m_termsLink);
    links->addStretch();
    stack->addLayout(links);
    stack->addSpacing(16);
    stack->addStretch();
    onLanguageChange(this, [this] { retranslate(); });
}

void AboutView::retranslate()
{
    //: The program name in the About window (usually kept as is)
    //% "Quorvane"
    m_name->setText(qtTrId("about.app_name"));
    //: Subtitle under the program name in the About window
    //% "Screen Text Capture"
    m_subtitle->setText(qtTrId("about.subtitle"));
    m_version->setText(versionLine(appVersion(), sourceCommit()));
    //: One-sentence description in the About window
    //% "Capture text from anywhere on your screen using OCR."
    m_description->setText(withInterfaceLineBreaks(qtTrId("about.description")));
    //: Copyright and licence line in the About window; GPL-3.0-or-later is the licence's identifier and stays as is
    //% "© 2025 Corvantis. Licence: GPL-3.0-or-later"
    m_legalNotice->setText(qtTrId("about.legal_notice"));
    //: Link in the About window
    //% "Privacy Policy"
    setLinkText(m_privacyLink, qtTrId("about.privacy_policy"), privacyPolicyUrl);
    //: Link in the About window
    //% "Terms of Service"
    setLinkText(m_termsLink, qtTrId("about.terms_of_service"), termsOfServiceUrl);
    // The frame holds the rows with the design's fonts; taller lines (the desktop's font, a
    // long translation) make it taller, never make rows overlap.
    setFixedSize(viewWidth, std::max(viewHeight, layout()->totalHeightForWidth(viewWidth)));
}

QString AboutView::valueOrUnknown(const char *value)
{
    if (value == nullptr || *value == '\0')
        return QStringLiteral("Unknown");
    return QString::fromUtf8(value);
}

QString AboutView::appVersion()
{
#ifdef QUORVANE_VERSION
    return valueOrUnknown(QUORVANE_VERSION);
#else
    return valueOrUnknown(nullptr);
#endif
}

QString AboutView::sourceCommit()
{
    return QStringLiteral(QUORVANE_COMMIT);
}

QString AboutView::buildNumber()
{
    // A build from git is told apart by its commit; a release's build is its version.
    const QString commit = sourceCommit();
    return commit.isEmpty() ? appVersion() : commit;
}

QString AboutView::versionLine(const QString &version, const QString &commit)
{
    if (commit.isEmpty()) {
        //: Version line in the About window: %1 version number
        //% "Version %1"
        return qtTrId("about.version").arg(version);
    }
    //: Version line in the About window of a program built from a development copy: %1 version
    //: number, %2 the short identifier of the source revision (such as a1b2c3d)
    //% "Version %1 (%2)"
    return qtTrId("about.version_with_commit").arg(version, commit);
}

QIcon AboutView::appIcon()
{
    if (!QFile::exists(appIconPath))
        return {};
    return QIcon(appIconPath);
}

} // namespace quorvane
