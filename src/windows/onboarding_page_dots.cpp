// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/onboarding_page_dots.h"

#include "windows/onboarding_style.h"

#include <QPainter>
#include <QVariantAnimation>

namespace quorvane {

namespace {

QColor mix(const QColor &from, const QColor &to, qreal t)
{
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * t,
                            from.greenF() + (to.greenF() - from.greenF()) * t,
                            from.blueF() + (to.blueF() - from.blueF()) * t,
                            from.alphaF() + (to.alphaF() - from.alphaF()) * t);
}

} // namespace

OnboardingPageDots::OnboardingPageDots(int count, int current, QWidget *parent)
    : QWidget(parent), m_count(count), m_current(current), m_previous(current)
{
    setObjectName(QStringLiteral("pageDots"));
    setFixedSize(sizeHint());
    m_fade = new QVariantAnimation(this);
    m_fade->setStartValue(0.0);
    m_fade->setEndValue(1.0);
    m_fade->setDuration(fadeMs);
    m_fade->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_fade, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_progress = value.toReal();
        update();
    });
}

void OnboardingPageDots::setCurrentIndex(int index)
{
    if (index == m_current)
        return;
    m_previous = m_current;
    m_current = index;
    m_progress = 0.0;
    m_fade->stop();
    m_fade->start();
    update();
}

QColor OnboardingPageDots::dotColour(int index) const
{
    if (index == m_current)
        return accentColour(palette());
    QColor faint = secondaryColour(palette());
    faint.setAlphaF(0.3);
    return faint;
}

QSize OnboardingPageDots::sizeHint() const
{
    return QSize(m_count * dotSide + qMax(0, m_count - 1) * dotSpacing, dotSide);
}

void OnboardingPageDots::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < m_count; ++i) {
        QColor colour = dotColour(i);
        if (m_progress < 1.0 && (i == m_current || i == m_previous)) {
            // The dot losing the highlight fades from the accent, the one gaining it towards it.
            const QColor other = i == m_current ? dotColour(m_previous) : accentColour(palette());
            colour = mix(other, colour, m_progress);
        }
        p.setBrush(colour);
        p.drawEllipse(QRectF(i * (dotSide + dotSpacing), 0, dotSide, dotSide));
    }
}

} // namespace quorvane
