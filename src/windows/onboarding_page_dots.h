// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

class QVariantAnimation;

namespace quorvane {

// The onboarding's row of page dots: the current page's in the accent colour, the others
// faint. A change of page fades the two dots that change.
class OnboardingPageDots : public QWidget {
    Q_OBJECT
public:
    static constexpr int dotSide = 8;
    static constexpr int dotSpacing = 8;
    static constexpr int fadeMs = 200;

    OnboardingPageDots(int count, int current, QWidget *parent = nullptr);

    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index);
    // The colour dot `index` settles on.
    QColor dotColour(int index) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_count;
    int m_current;
    int m_previous;
    qreal m_progress = 1.0; // 0 when a fade starts, 1 once it has ended
    QVariantAnimation *m_fade = nullptr;
};

} // namespace quorvane
