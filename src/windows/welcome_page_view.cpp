// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/welcome_page_view.h"

#include "core/text_utils.h"
#include "core/user_settings.h"
#include "platform/language_change.h"
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

FeatureRow::FeatureRow(Symbol symbol, QWidget *parent)
    : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);

    // A symbol of one size and colour in every row, level with the title: emoji differ in
    // size and sit on the baseline each in its own way.
    auto *glyph = new QLabel;
    glyph->setObjectName(QStringLiteral("featureIcon"));
    glyph->setFixedSize(32, 32);
    glyph->setAlignment(Qt::AlignCenter);
    glyph->setPixmap(symbolPixmap(symbol, 24, accentColour(palette()), devicePixelRatioF()));
    row->addWidget(glyph, 0, Qt::AlignTop);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(4);
    m_title = styledLabel(QString(), 14, QFont::DemiBold, TextTone::primary, true);
    m_title->setObjectName(QStringLiteral("featureTitle"));
    texts->addWidget(m_title);
    m_description = styledLabel(QString(), 13, QFont::Normal, TextTone::secondary, true);
    m_description->setObjectName(QStringLiteral("featureDescription"));
    texts->addWidget(m_description);
    // The texts take the row's remaining width and stay on its leading side.
    row->addLayout(texts, 1);
}

void FeatureRow::setTexts(const QString &title, const QString &description)
{
    m_title->setText(title);
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
    m_title = styledLabel(QString(), 28, QFont::Bold);
    m_title->setObjectName(QStringLiteral("title"));
    titles->addWidget(m_title, 0, Qt::AlignHCenter);
    m_subtitle = styledLabel(QString(), 16, QFont::Normal, TextTone::secondary);
    titles->addWidget(m_subtitle, 0, Qt::AlignHCenter);
    header->addLayout(titles);
    stack->addLayout(header);
    addYieldingGap(stack, 32);

    m_description = styledLabel(QString(), 14, QFont::Normal, TextTone::secondary, true);
    m_description->setObjectName(QStringLiteral("description"));
    m_description->setAlignment(Qt::AlignHCenter);
    addCentredColumn(stack, m_description, textColumnWidth);
    addYieldingGap(stack, 32);

    auto *features = new QWidget;
    features->setObjectName(QStringLiteral("features"));
    auto *featureList = new QVBoxLayout(features);
    featureList->setContentsMargins(0, 0, 0, 0);
    featureList->setSpacing(16);
    m_quickCapture = new FeatureRow(Symbol::keyboard);
    m_languages = new FeatureRow(Symbol::globe);
    m_privacy = new FeatureRow(Symbol::padlock);
    for (FeatureRow *row : {m_quickCapture, m_languages, m_privacy})
        featureList->addWidget(row);
    addCentredColumn(stack, features, textColumnWidth);
    stack->addStretch();
    onLanguageChange(this, [this] { retranslate(); });
    setCaptureShortcut(UserSettings::defaults().quickZarrowShortcut);
}

void WelcomePageView::setCaptureShortcut(const std::optional<Shortcut> &shortcut)
{
    m_captureShortcut = shortcut;
    retranslate();
}

QString WelcomePageView::captureBindingHint()
{
    //: Feature 1 description where the desktop offers programs no global shortcuts
    //% "Bind the command “quorvane capture” to a key in your desktop's keyboard settings to capture text instantly"
    return qtTrId("onboarding.welcome.feature1.description_without_shortcuts");
}

void WelcomePageView::retranslate()
{
    //: Welcome page title
    //% "Welcome to Quorvane"
    m_title->setText(qtTrId("onboarding.welcome.title"));
    //: Welcome page subtitle
    //% "Capture text from anywhere on your screen"
    m_subtitle->setText(qtTrId("onboarding.welcome.subtitle"));
    if (m_captureShortcut) {
        //: Welcome page description
        //% "Quorvane makes it easy to extract text from images, videos, PDFs, and any content on your screen. Just press the keyboard shortcut, drag to select, and the text is instantly copied to your clipboard."
        m_description->setText(qtTrId("onboarding.welcome.description"));
    } else {
        //: Welcome page description where the desktop offers programs no global shortcuts (so there is no shortcut to press yet)
        //% "Quorvane makes it easy to extract text from images, videos, PDFs, and any content on your screen. Start a capture, drag to select, and the text is instantly copied to your clipboard."
        m_description->setText(qtTrId("onboarding.welcome.description_without_shortcuts"));
    }
    setExtraLineSpacing(m_description, 4);
    QString quickCapture;
    if (m_captureShortcut) {
        //: Feature 1 description; the quick capture shortcut
        //% "Press %1 to capture text instantly"
        quickCapture = qtTrId("onboarding.welcome.feature1.description").arg(leftToRightRun(m_captureShortcut->displayString()));
    } else {
        quickCapture = captureBindingHint();
    }
    m_quickCapture->setTexts(
        //: Feature 1 title
        //% "Quick Capture"
        qtTrId("onboarding.welcome.feature1.title"), quickCapture);
    m_languages->setTexts(
        //: Feature 2 title
        //% "Multi-Language Support"
        qtTrId("onboarding.welcome.feature2.title"),
        //: Feature 2 description
        //% "Recognizes text in 20+ languages"
        qtTrId("onboarding.welcome.feature2.description"));
    m_privacy->setTexts(
        //: Feature 3 title
        //% "Privacy First"
        qtTrId("onboarding.welcome.feature3.title"),
        //: Feature 3 description
        //% "All processing happens on your device"
        qtTrId("onboarding.welcome.feature3.description"));
}

} // namespace quorvane
