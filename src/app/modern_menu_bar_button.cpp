// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/modern_menu_bar_button.h"
#include "platform/theme_icon.h"

#include <QApplication>
#include <QEasingCurve>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QVariantAnimation>

namespace quorvane {

namespace {

constexpr int kHorizontalPadding = 10;
constexpr int kVerticalPadding = 7;
constexpr int kSpacing = 10;
constexpr int kIconFrame = 20;
constexpr int kIconSize = 14;
constexpr qreal kTitlePointSize = 13;
constexpr qreal kShortcutPointSize = 11;

QColor withOpacity(QColor colour, qreal opacity)
{
    colour.setAlphaF(colour.alphaF() * opacity);
    return colour;
}

QColor blend(const QColor &from, const QColor &to, qreal progress)
{
    if (progress <= 0)
        return from;
    if (progress >= 1)
        return to;
    const auto mix = [progress](float a, float b) { return a + (b - a) * float(progress); };
    return QColor::fromRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()),
                            mix(from.blueF(), to.blueF()), mix(from.alphaF(), to.alphaF()));
}

struct SymbolSource {
    QStringList themeNames;
    QStyle::StandardPixmap fallback;
};

// The desktop icon theme's nearest match for each symbol the panel uses.
const QHash<QString, SymbolSource> &symbolTable()
{
    static const QHash<QString, SymbolSource> table{
        {QStringLiteral("viewfinder"), {{"zoom-select", "edit-find"}, QStyle::SP_FileDialogContentsView}},
        {QStringLiteral("clock.arrow.circlepath"),
         {{"document-open-recent", "appointment-recent"}, QStyle::SP_BrowserReload}},
        {QStringLiteral("gear"), {{"preferences-system", "emblem-system"}, QStyle::SP_FileDialogDetailedView}},
        {QStringLiteral("power"), {{"system-shutdown", "application-exit"}, QStyle::SP_DialogCloseButton}},
    };
    return table;
}

} // namespace

ModernMenuBarButton::Colours ModernMenuBarButton::colours(const QPalette &palette, bool isPrimary, bool isFocused,
                                                          bool isHovered)
{
    const QColor primary = palette.color(QPalette::WindowText);
    const QColor accent = palette.color(QPalette::Highlight);
    const QColor white(Qt::white);
    const bool lit = isFocused || isHovered;
    Colours c;
    c.title = isPrimary && lit ? white : primary;
    if (isPrimary) {
        c.icon = lit ? white : primary;
        c.background = lit ? accent : QColor(Qt::transparent);
    } else {
        c.icon = lit ? accent : primary;
        if (isFocused)
            c.background = withOpacity(accent, 0.15);
        else if (isHovered)
            c.background = withOpacity(primary, 0.08);
        else
            c.background = QColor(Qt::transparent);
    }
    return c;
}

ModernMenuBarButton::ModernMenuBarButton(QString icon, QString title, std::optional<QString> shortcut,
                                         bool isPrimary, std::function<void()> action, QWidget *parent)
    : QAbstractButton(parent),
      m_icon(std::move(icon)),
      m_shortcut(std::move(shortcut)),
      m_isPrimary(isPrimary),
      m_hoverAnimation(new QVariantAnimation(this)),
      m_bounceAnimation(new QVariantAnimation(this))
{
    setText(title);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    if (action)
        connect(this, &QAbstractButton::clicked, this, [action = std::move(action)] { action(); });

    m_hoverAnimation->setDuration(hoverAnimationMs);
    m_hoverAnimation->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_hoverAnimation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_hoverProgress = value.toReal();
        update();
    });

    // A short swell and settle of the symbol each time the hover state changes.
    m_bounceAnimation->setDuration(300);
    m_bounceAnimation->setStartValue(1.0);
    m_bounceAnimation->setKeyValueAt(0.4, 1.25);
    m_bounceAnimation->setEndValue(1.0);
    m_bounceAnimation->setEasingCurve(QEasingCurve::OutQuad);
    connect(m_bounceAnimation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_bounce = value.toReal();
        update();
    });
}

ModernMenuBarButton::~ModernMenuBarButton() = default;

void ModernMenuBarButton::setFocused(bool focused)
{
    if (m_isFocused == focused)
        return;
    m_isFocused = focused;
    update();
}

ModernMenuBarButton::Colours ModernMenuBarButton::currentColours() const
{
    return colours(palette(), m_isPrimary, m_isFocused, m_isHovered);
}

QSize ModernMenuBarButton::sizeHint() const
{
    QFont titleFont = font();
    titleFont.setPointSizeF(kTitlePointSize);
    const int height = std::max(kIconFrame, QFontMetrics(titleFont).height()) + 2 * kVerticalPadding;
    return {200, height};
}

void ModernMenuBarButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    setHovered(true);
}

void ModernMenuBarButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    setHovered(false);
}

void ModernMenuBarButton::setHovered(bool hovered)
{
    if (m_isHovered == hovered)
        return;
    m_isHovered = hovered;
    m_hoverAnimation->stop();
    m_hoverAnimation->setStartValue(m_hoverProgress);
    m_hoverAnimation->setEndValue(hovered ? 1.0 : 0.0);
    m_hoverAnimation->start();
    m_bounceAnimation->stop();
    m_bounceAnimation->start();
}

QIcon ModernMenuBarButton::symbol() const
{
    const auto source = symbolTable().constFind(m_icon);
    if (source == symbolTable().constEnd())
        return {};
    return themeIcon(source->themeNames, source->fallback);
}

void ModernMenuBarButton::paintEvent(QPaintEvent *)
{
    // The hover state eases in: blend from the un-hovered colours to the hovered ones.
    const Colours resting = colours(palette(), m_isPrimary, m_isFocused, false);
    const Colours hovered = colours(palette(), m_isPrimary, m_isFocused, true);
    const qreal progress = m_hoverProgress;

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath background;
    background.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    painter.fillPath(background, blend(resting.background, hovered.background, progress));

    const QRect content = rect().adjusted(kHorizontalPadding, kVerticalPadding, -kHorizontalPadding, -kVerticalPadding);
    const QRect iconFrame(content.left(), content.center().y() - kIconFrame / 2, kIconFrame, kIconFrame);

    // The symbol, recoloured like text and scaled while it bounces.
    const int iconSize = qRound(kIconSize * m_bounce);
    QPixmap pixmap = symbol().pixmap(iconSize, iconSize);
    if (!pixmap.isNull()) {
        QPainter tint(&pixmap);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(pixmap.rect(), blend(resting.icon, hovered.icon, progress));
        tint.end();
        QRect iconRect(QPoint(0, 0), pixmap.deviceIndependentSize().toSize());
        iconRect.moveCenter(iconFrame.center());
        painter.drawPixmap(iconRect, pixmap);
    }

    int textRight = content.right();
    if (m_shortcut) {
        QFont hintFont = font();
        hintFont.setPointSizeF(kShortcutPointSize);
        hintFont.setWeight(QFont::Medium);
        painter.setFont(hintFont);
        const QColor secondary = withOpacity(palette().color(QPalette::WindowText), 0.55);
        painter.setPen(withOpacity(secondary, 0.7));
        const int width = QFontMetrics(hintFont).horizontalAdvance(*m_shortcut);
        painter.drawText(QRect(content.right() - width, content.top(), width, content.height()),
                         Qt::AlignRight | Qt::AlignVCenter, *m_shortcut);
        textRight -= width + kSpacing;
    }

    QFont titleFont = font();
    titleFont.setPointSizeF(kTitlePointSize);
    titleFont.setWeight(QFont::Normal);
    painter.setFont(titleFont);
    painter.setPen(blend(resting.title, hovered.title, progress));
    const QRect titleRect(iconFrame.right() + 1 + kSpacing, content.top(), textRight - iconFrame.right() - kSpacing,
                          content.height());
    painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter, text());
}

} // namespace quorvane
