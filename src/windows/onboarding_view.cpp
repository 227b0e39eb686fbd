// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/onboarding_view.h"

#include "core/user_settings.h"
#include "platform/language_change.h"
#include "platform/user_defaults.h"
#include "windows/welcome_page_view.h"

#include <QHBoxLayout>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvane {

namespace {

// The prominent look of the Next button: filled with the accent colour.
const QString prominentButtonStyle = QStringLiteral(
    "QPushButton { background: palette(highlight); color: palette(highlighted-text); border: none;"
    " border-radius: 6px; padding: 6px 16px; font-weight: 600; }"
    "QPushButton:pressed { background: palette(dark); }");

} // namespace

OnboardingView::OnboardingView(UserDefaults &userDefaults, PermissionsPageServices permissionServices,
                               std::function<void()> onComplete, QWidget *parent)
    : QWidget(parent),
      m_userDefaults(userDefaults),
      m_permissionServices(std::move(permissionServices)),
      m_onComplete(std::move(onComplete)),
      m_captureShortcut(UserSettings::defaults().quickZarrowShortcut)
{
    setObjectName(QStringLiteral("OnboardingView"));
    setFixedSize(viewWidth, viewHeight);

    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);

    // Pages are placed by hand inside the area so that a change can slide them.
    m_pageArea = new QWidget;
    m_pageArea->setObjectName(QStringLiteral("pageArea"));
    m_pageArea->setFixedSize(viewWidth, pageHeight);
    stack->addWidget(m_pageArea);
    stack->addStretch();

    auto *navigation = new QVBoxLayout;
    navigation->setContentsMargins(32, 0, 32, 24);
    navigation->setSpacing(16);
    m_dots = new OnboardingPageDots(totalPages, m_currentPage);
    navigation->addWidget(m_dots, 0, Qt::AlignHCenter);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(16);
    m_skipButton = new QPushButton;
    m_skipButton->setObjectName(QStringLiteral("skipButton"));
    m_skipButton->setMinimumWidth(80);
    // A button's shortcut is dead while the button is hidden: Escape skips on the first
    // page only.
    m_skipButton->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(m_skipButton, &QPushButton::clicked, this, &OnboardingView::skip);
    buttons->addWidget(m_skipButton);
    buttons->addStretch();
    m_nextButton = new QPushButton;
    m_nextButton->setObjectName(QStringLiteral("nextButton"));
    m_nextButton->setMinimumWidth(120);
    m_nextButton->setStyleSheet(prominentButtonStyle);
    m_nextButton->setShortcut(QKeySequence(Qt::Key_Return));
    connect(m_nextButton, &QPushButton::clicked, this, &OnboardingView::next);
    buttons->addWidget(m_nextButton);
    navigation->addLayout(buttons);
    stack->addLayout(navigation);

    m_shownPage = makePage(m_currentPage);
    m_shownPage->setGeometry(0, 0, viewWidth, pageHeight);
    onLanguageChange(this, [this] { retranslate(); });
}

void OnboardingView::retranslate()
{
    //: Skip onboarding button
    //% "Skip"
    setTextKeepingShortcut(m_skipButton, qtTrId("onboarding.skip"));
    //: Next page button
    //% "Next"
    setTextKeepingShortcut(m_nextButton, qtTrId("onboarding.next"));
}

OnboardingView::~OnboardingView() = default;

QWidget *OnboardingView::currentPageView() const
{
    return m_shownPage;
}

void OnboardingView::skip()
{
    finish();
}

void OnboardingView::next()
{
    if (m_currentPage >= totalPages - 1) {
        finish();
        return;
    }
    showPage(m_currentPage + 1);
}

void OnboardingView::finish()
{
    m_userDefaults.setBool(hasSeenOnboardingKey, true);
    // The callback may close and delete this view: call a copy, and touch nothing after.
    const std::function<void()> callback = m_onComplete;
    if (callback)
        callback();
}

void OnboardingView::setCaptureShortcut(const std::optional<Shortcut> &shortcut)
{
    m_captureShortcut = shortcut;
    if (m_welcomePage)
        m_welcomePage->setCaptureShortcut(shortcut);
}

QWidget *OnboardingView::makePage(int index)
{
    switch (index) {
    case 0:
        if (!m_welcomePage) {
            m_welcomePage = new WelcomePageView(m_pageArea);
            m_welcomePage->setCaptureShortcut(m_captureShortcut);
        }
        return m_welcomePage;
    case 1:
        if (!m_permissionsPage) {
            m_permissionsPage = new PermissionsPageView(m_permissionServices, m_pageArea);
            connect(m_permissionsPage, &PermissionsPageView::areRequiredPermissionsGrantedChanged, this,
                    [this](bool granted) { m_areRequiredPermissionsGranted = granted; });
        }
        return m_permissionsPage;
    default:
        // Any other index shows nothing.
        auto *empty = new QWidget(m_pageArea);
        return empty;
    }
}

void OnboardingView::showPage(int index)
{
    if (m_slide) {
        // A slide still running ends where it was going.
        m_slide->setCurrentTime(m_slide->totalDuration());
    }

    QWidget *outgoing = m_shownPage;
    QWidget *incoming = makePage(index);
    m_currentPage = index;
    m_shownPage = incoming;
    m_dots->setCurrentIndex(index);
    m_skipButton->setVisible(index < totalPages - 1);

    // The old page leaves towards the leading edge while the new one comes in from the
    // trailing edge.
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const int away = rightToLeft ? viewWidth : -viewWidth;
    incoming->setGeometry(-away, 0, viewWidth, pageHeight);
    incoming->show();

    auto *slide = new QParallelAnimationGroup(this);
    auto *in = new QPropertyAnimation(incoming, "pos", slide);
    in->setStartValue(QPoint(-away, 0));
    in->setEndValue(QPoint(0, 0));
    slide->addAnimation(in);
    if (outgoing) {
        auto *out = new QPropertyAnimation(outgoing, "pos", slide);
        out->setStartValue(QPoint(0, 0));
        out->setEndValue(QPoint(away, 0));
        slide->addAnimation(out);
    }
    for (int i = 0; i < slide->animationCount(); ++i) {
        auto *animation = static_cast<QPropertyAnimation *>(slide->animationAt(i));
        animation->setDuration(pageSlideMs);
        animation->setEasingCurve(QEasingCurve::InOutQuad);
    }
    QPointer<QWidget> leaving = outgoing;
    connect(slide, &QAbstractAnimation::finished, this, [this, slide, leaving] {
        // Off screen for good: a page that leaves stops what it does while shown.
        if (leaving)
            leaving->hide();
        if (m_slide == slide)
            m_slide = nullptr;
        slide->deleteLater();
    });
    m_slide = slide;
    slide->start();
}

} // namespace quorvane
