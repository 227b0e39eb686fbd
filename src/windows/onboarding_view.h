// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/shortcut.h"
#include "windows/onboarding_page_dots.h"
#include "windows/permissions_page_view.h"

#include <QString>
#include <QWidget>

#include <functional>

class QPushButton;
class QParallelAnimationGroup;

namespace quorvane {

class UserDefaults;
class WelcomePageView;

// The first-launch walk-through: the welcome page, then the permissions page, with page
// dots and the Skip and Next buttons under them. Finishing the last page or skipping
// marks the onboarding as seen and calls the completion callback; closing the window is
// left to whoever shows the view. Main thread only.
class OnboardingView : public QWidget {
    Q_OBJECT
public:
    static constexpr int totalPages = 2;
    static constexpr int viewWidth = 600;
    static constexpr int viewHeight = 650;
    static constexpr int pageHeight = 530;
    static constexpr int pageSlideMs = 300;
    static constexpr int dotFadeMs = 200;
    // User-defaults flag: the user has been through the onboarding.
    static inline const QString hasSeenOnboardingKey = QStringLiteral("hasSeenOnboarding");

    // `userDefaults` receives the seen flag; `permissionServices` are handed to the
    // permissions page. `onComplete` may close and destroy this view.
    OnboardingView(UserDefaults &userDefaults, PermissionsPageServices permissionServices,
                   std::function<void()> onComplete, QWidget *parent = nullptr);
    ~OnboardingView() override;

    int currentPage() const { return m_currentPage; }
    // Kept equal to the screen access state by the permissions page; nothing here
    // depends on it.
    bool areRequiredPermissionsGranted() const { return m_areRequiredPermissionsGranted; }

    // The quick capture shortcut the welcome page names; none where the desktop offers
    // programs no global shortcuts.
    void setCaptureShortcut(const std::optional<Shortcut> &shortcut);

    // The button actions.
    void skip();
    void next();

    // The page on screen (the one sliding in during a change).
    QWidget *currentPageView() const;
    WelcomePageView *welcomePage() const { return m_welcomePage; }
    // Made when the user first reaches it; null before.
    PermissionsPageView *permissionsPage() const { return m_permissionsPage; }
    QPushButton *skipButton() const { return m_skipButton; }
    QPushButton *nextButton() const { return m_nextButton; }
    OnboardingPageDots *pageDots() const { return m_dots; }

private:
    // Sets the buttons' texts in the interface language.
    void retranslate();
    void finish();
    void showPage(int index);
    QWidget *makePage(int index);

    UserDefaults &m_userDefaults;
    PermissionsPageServices m_permissionServices;
    std::function<void()> m_onComplete;
    int m_currentPage = 0;
    bool m_areRequiredPermissionsGranted = false;
    std::optional<Shortcut> m_captureShortcut;

    QWidget *m_pageArea = nullptr;
    WelcomePageView *m_welcomePage = nullptr;
    PermissionsPageView *m_permissionsPage = nullptr;
    QWidget *m_shownPage = nullptr;
    QParallelAnimationGroup *m_slide = nullptr;
    OnboardingPageDots *m_dots = nullptr;
    QPushButton *m_skipButton = nullptr;
    QPushButton *m_nextButton = nullptr;
};

} // namespace quorvane
