#include "windows/about_view.h"

#include "windows/onboarding_style.h"

#include "build_config.h"

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

QLabel *link(const QString &label, const QUrl &target, int pixelSize)
{
    auto *l = new QLabel;
    l->setTextFormat(Qt::RichText);
    l->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                   .arg(target.toString(QUrl::FullyEncoded).toHtmlEscaped(), label.toHtmlEscaped()));
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

    //: The program name in the About window (usually kept as is)
    //% "Quorvane"
    stack->addWidget(styledLabel(qtTrId("about.app_name"), 24, QFont::DemiBold), 0, Qt::AlignHCenter);
    stack->addSpacing(12);
    //: Subtitle under the program name in the About window
    //% "Screen Text Capture"
    stack->addWidget(styledLabel(qtTrId("about.subtitle"), 13, QFont::Normal, TextTone::secondary), 0,
                     Qt::AlignHCenter);
    stack->addSpacing(12);
    //: Version line in the About window: %1 version number, %2 build number
    //% "Version %1 (Build %2)"
    QLabel *version = styledLabel(qtTrId("about.version").arg(appVersion(), buildNumber()), 11,
                                  QFont::Normal, TextTone::secondary);
    version->setObjectName(QStringLiteral("versionLabel"));
    stack->addWidget(version, 0, Qt::AlignHCenter);
    // A 4 px spacer between the stack's 12 px gaps on both sides.
    stack->addSpacing(kSpacerGap);

    //: One-sentence description in the About window
    //% "Capture text from anywhere on your screen using OCR."
    QLabel *description = styledLabel(qtTrId("about.description"), 12,
                                      QFont::Normal, TextTone::secondary, true);
    description->setAlignment(Qt::AlignHCenter);
    description->setContentsMargins(20, 0, 20, 0);
    stack->addWidget(description);
    stack->addSpacing(kSpacerGap);

    auto *legal = new QVBoxLayout;
    legal->setSpacing(4);
    //: Copyright line in the About window
    //% "© 2025 Corvantis. All rights reserved."
    legal->addWidget(styledLabel(qtTrId("about.legal_notice"), 11, QFont::Normal, TextTone::secondary), 0, Qt::AlignHCenter);
    QLabel *mail = link(supportEmailAddress, QUrl(QStringLiteral("mailto:") + supportEmailAddress), 11);
    mail->setObjectName(QStringLiteral("supportLink"));
    legal->addWidget(mail, 0, Qt::AlignHCenter);
    stack->addLayout(legal);
    stack->addSpacing(12);

    auto *links = new QHBoxLayout;
    links->setSpacing(16);
    links->addStretch();
    //: Link in the About window
    //% "Privacy Policy"
    links->addWidget(link(qtTrId("about.privacy_policy"), privacyPolicyUrl, 10));
    //: Link in the About window
    //% "Terms of Service"
    links->addWidget(link(qtTrId("about.terms_of_service"), termsOfServiceUrl, 10));
    links->addStretch();
    stack->addLayout(links);
    stack->addSpacing(16);
    stack->addStretch();

    // The frame holds the rows with the design's fonts; taller lines (the desktop's font, a
    // long translation) make it taller, never make rows overlap.
    setFixedSize(viewWidth, std::max(viewHeight, stack->totalHeightForWidth(viewWidth)));
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

QString AboutView::buildNumber()
{
    // The build configuration carries one number: the version is also the build.
#if defined(QUORVANE_BUILD_NUMBER)
    return valueOrUnknown(QUORVANE_BUILD_NUMBER);
#elif defined(QUORVANE_VERSION)
    return valueOrUnknown(QUORVANE_VERSION);
#else
    return valueOrUnknown(nullptr);
#endif
}

QIcon AboutView::appIcon()
{
    if (!QFile::exists(appIconPath))
        return {};
    return QIcon(appIconPath);
}

} // namespace quorvane
