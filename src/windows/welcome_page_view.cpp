#include "windows/welcome_page_view.h"

#include "core/user_settings.h"
#include "windows/about_view.h"
#include "windows/onboarding_style.h"

#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quorvane {

namespace {

constexpr int textColumnWidth = 450;
constexpr int iconSide = 96;

} // namespace

FeatureRow::FeatureRow(const QString &icon, const QString &title, const QString &description, QWidget *parent)
    : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);

    QLabel *glyph = styledLabel(icon, 24);
    glyph->setObjectName(QStringLiteral("featureIcon"));
    glyph->setFixedSize(32, 32);
    glyph->setAlignment(Qt::AlignCenter);
    row->addWidget(glyph, 0, Qt::AlignTop);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(4);
    QLabel *titleLabel = styledLabel(title, 14, QFont::DemiBold, TextTone::primary, true);
    titleLabel->setObjectName(QStringLiteral("featureTitle"));
    texts->addWidget(titleLabel);
    m_description = styledLabel(description, 13, QFont::Normal, TextTone::secondary, true);
    m_description->setObjectName(QStringLiteral("featureDescription"));
    texts->addWidget(m_description);
    // The texts take the row's remaining width and stay on its leading side.
    row->addLayout(texts, 1);
}

void FeatureRow::setDescription(const QString &description)
{
    m_description->setText(description);
}

WelcomePageView::WelcomePageView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WelcomePageView"));
    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(48, 32, 48, 32);
    // 32 pixels between the parts while they fit; less when a long text needs the room.
    stack->setSpacing(0);
    stack->addStretch();

    auto *header = new QVBoxLayout;
    header->setSpacing(16);
    // Without an icon the area stays, empty, so the rest of the page does not move.
    auto *icon = new QLabel;
    icon->setObjectName(QStringLiteral("appIcon"));
    icon->setFixedSize(iconSide, iconSide);
    icon->setAlignment(Qt::AlignCenter);
    const QIcon appIcon = AboutView::appIcon();
    if (!appIcon.isNull())
        icon->setPixmap(appIcon.pixmap(QSize(iconSide, iconSide), devicePixelRatioF()));
    auto *shadow = new QGraphicsDropShadowEffect(icon);
    shadow->setColor(QColor(0, 0, 0, qRound(255 * 0.1)));
    shadow->setBlurRadius(16);
    shadow->setOffset(0, 4);
    icon->setGraphicsEffect(shadow);
    header->addWidget(icon, 0, Qt::AlignHCenter);

    auto *titles = new QVBoxLayout;
    titles->setSpacing(8);
    //: Welcome page title
    //% "Welcome to Quorvane"
    QLabel *title = styledLabel(qtTrId("onboarding.welcome.title"),
                                28, QFont::Bold);
    title->setObjectName(QStringLiteral("title"));
    titles->addWidget(title, 0, Qt::AlignHCenter);
    //: Welcome page subtitle
    //% "Capture text from anywhere on your screen"
    titles->addWidget(styledLabel(qtTrId("onboarding.welcome.subtitle"),
                                  16, QFont::Normal, TextTone::secondary),
                      0, Qt::AlignHCenter);
    header->addLayout(titles);
    stack->addLayout(header);
    addYieldingGap(stack, 32);

    QLabel *description = styledLabel(
        //: Welcome page description
        //% "Quorvane makes it easy to extract text from images, videos, PDFs, and any content on your screen. Just press the keyboard shortcut, drag to select, and the text is instantly copied to your clipboard."
        qtTrId("onboarding.welcome.description"),
        14, QFont::Normal, TextTone::secondary, true);
    description->setObjectName(QStringLiteral("description"));
    setExtraLineSpacing(description, 4);
    description->setAlignment(Qt::AlignHCenter);
    addCentredColumn(stack, description, textColumnWidth);
    addYieldingGap(stack, 32);

    auto *features = new QWidget;
    features->setObjectName(QStringLiteral("features"));
    auto *featureList = new QVBoxLayout(features);
    featureList->setContentsMargins(0, 0, 0, 0);
    featureList->setSpacing(16);
    m_quickCapture = new FeatureRow(
        //: Feature 1 title
        //% "Quick Capture"
        QStringLiteral("⌨️"), qtTrId("onboarding.welcome.feature1.title"),
        QString());
    featureList->addWidget(m_quickCapture);
    featureList->addWidget(new FeatureRow(
        QStringLiteral("🌍"),
        //: Feature 2 title
        //% "Multi-Language Support"
        qtTrId("onboarding.welcome.feature2.title"),
        //: Feature 2 description
        //% "Recognizes text in 20+ languages"
        qtTrId("onboarding.welcome.feature2.description")));
    featureList->addWidget(new FeatureRow(
        //: Feature 3 title
        //% "Privacy First"
        QStringLiteral("🔒"), qtTrId("onboarding.welcome.feature3.title"),
        //: Feature 3 description
        //% "All processing happens on your device"
        qtTrId("onboarding.welcome.feature3.description")));
    addCentredColumn(stack, features, textColumnWidth);
    stack->addStretch();
    setCaptureShortcut(UserSettings::defaults().quickZarrowShortcut);
}

void WelcomePageView::setCaptureShortcut(const Shortcut &shortcut)
{
    //: Feature 1 description; the quick capture shortcut
    //% "Press %1 to capture text instantly"
    m_quickCapture->setDescription(qtTrId("onboarding.welcome.feature1.description").arg(shortcut.displayString()));
}

} // namespace quorvane
