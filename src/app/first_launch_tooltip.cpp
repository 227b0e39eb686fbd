// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/first_launch_tooltip.h"

#include "core/text_utils.h"
#include "platform/language_change.h"
#include "windows/welcome_page_view.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvane {

namespace {

constexpr int anchorGap = 4;

QLabel *label(const QString &text, qreal pointScale, QPalette::ColorRole role, qreal alpha, bool bold = false)
{
    auto *l = new QLabel(text);
    QFont font = l->font();
    font.setPointSizeF(font.pointSizeF() * pointScale);
    font.setBold(bold);
    l->setFont(font);
    QColor colour = l->palette().color(role);
    colour.setAlphaF(alpha);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, colour);
    l->setPalette(palette);
    return l;
}

} // namespace

FirstLaunchTooltip::FirstLaunchTooltip(const QString &shortcutText, QWidget *parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
    setObjectName(QStringLiteral("FirstLaunchTooltip"));

    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(16, 16, 16, 16);
    stack->setSpacing(12);

    auto *titleRow = new QHBoxLayout;
    titleRow->setSpacing(8);
    m_hand = label(QStringLiteral("☝"), 1.6, QPalette::WindowText, 1.0);
    m_hand->setStyleSheet(QStringLiteral("color: #0a84ff;"));
    titleRow->addWidget(m_hand, 0, Qt::AlignTop);
    m_heading = label(QString(), 1.1, QPalette::WindowText, 1.0, true);
    titleRow->addWidget(m_heading, 1);
    stack->addLayout(titleRow);

    auto *body = new QVBoxLayout;
    body->setSpacing(6);
    m_pressRow = new QWidget;
    auto *pressRow = new QHBoxLayout(m_pressRow);
    pressRow->setContentsMargins(0, 0, 0, 0);
    pressRow->setSpacing(6);
    m_press = label(QString(), 0.95, QPalette::WindowText, 0.7);
    pressRow->addWidget(m_press);
    m_keyCap = new QLabel(shortcutText);
    QFont capFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    capFont.setWeight(QFont::DemiBold);
    m_keyCap->setFont(capFont);
    m_keyCap->setObjectName(QStringLiteral("keyCap"));
    m_keyCap->setStyleSheet(QStringLiteral(
        "QLabel#keyCap { background: rgba(128, 128, 128, 0.18); border-radius: 6px; padding: 4px 8px; }"));
    pressRow->addWidget(m_keyCap);
    m_action = label(QString(), 0.95, QPalette::WindowText, 0.7);
    pressRow->addWidget(m_action);
    pressRow->addStretch();
    body->addWidget(m_pressRow);
    m_bindLabel = label(QString(), 0.95, QPalette::WindowText, 0.7);
    m_bindLabel->setWordWrap(true);
    body->addWidget(m_bindLabel);
    m_hint = label(QString(), 0.85, QPalette::WindowText, 0.5);
    m_hint->setWordWrap(true);
    body->addWidget(m_hint);
    onLanguageChange(this, [this] {
        m_heading->setText(title());
        const QString sentence = pressSentence();
        const qsizetype keys = sentence.indexOf(QLatin1String("%1"));
        const QString before = keys < 0 ? sentence : sentence.left(keys).trimmed();
        const QString after = keys < 0 ? QString() : sentence.mid(keys + 2).trimmed();
        m_press->setText(before);
        m_press->setVisible(!before.isEmpty());
        m_action->setText(after);
        m_action->setVisible(!after.isEmpty());
        //: Line in the first-start tooltip about the tray icon
        //% "Right-click this icon for quick capture"
        m_hint->setText(qtTrId("first_launch.tray_hint"));
        m_bindLabel->setText(WelcomePageView::captureBindingHint());
        fitToContent();
    });
    stack->addLayout(body);
    showShortcutOrBinding();

    qApp->installEventFilter(this);
}

FirstLaunchTooltip::~FirstLaunchTooltip() = default;

QString FirstLaunchTooltip::shortcutText() const
{
    return m_keyCap->text();
}

void FirstLaunchTooltip::setShortcutText(const QString &text)
{
    m_keyCap->setText(text);
    showShortcutOrBinding();
    fitToContent();
}

void FirstLaunchTooltip::showShortcutOrBinding()
{
    const bool keys = !m_keyCap->text().isEmpty();
    m_pressRow->setVisible(keys);
    m_bindLabel->setVisible(!keys);
}

QString FirstLaunchTooltip::title()
{
    //: Title of the tooltip shown beside the tray icon at first start
    //% "Welcome to Quorvane"
    return qtTrId("first_launch.title");
}

QString FirstLaunchTooltip::pressSentence()
{
    //: Sentence of the first-start tooltip; %1 is the capture shortcut, drawn as a key cap
    //: between the words before and after it (either may be empty)
    //% "Press %1 to capture text"
    return qtTrId("first_launch.press_to_capture");
}

QString FirstLaunchTooltip::captureSentence(const QString &shortcutText)
{
    return shortcutText.isEmpty() ? WelcomePageView::captureBindingHint() : pressSentence().arg(leftToRightRun(shortcutText));
}

QRect FirstLaunchTooltip::placement(const QRect &anchor, const QSize &size, const QRect &available)
{
    QRect frame(QPoint(0, 0), size);
    if (anchor.isEmpty()) {
        frame.moveTopRight(available.topRight() + QPoint(-anchorGap, anchorGap));
    } else {
        frame.moveTop(anchor.bottom() + 1 + anchorGap);
        frame.moveLeft(anchor.center().x() - size.width() / 2);
        if (frame.bottom() > available.bottom())
            frame.moveBottom(anchor.top() - 1 - anchorGap);
    }
    // Keep the whole note on the screen.
    frame.moveLeft(std::clamp(frame.left(), available.left(), std::max(available.left(), available.right() - size.width() + 1)));
    frame.moveTop(std::clamp(frame.top(), available.top(), std::max(available.top(), available.bottom() - size.height() + 1)));
    return frame;
}

namespace {

// How wide `label` is with its text on one line.
int oneLineWidth(const QLabel *label)
{
    const QMargins margins = label->contentsMargins();
    return label->fontMetrics().horizontalAdvance(label->text()) + margins.left() + margins.right() + 2 * label->margin();
}

} // namespace

void FirstLaunchTooltip::fitToContent()
{
    // A polished note measures with the style's fonts and the key cap's padding.
    ensurePolished();
    auto *stack = static_cast<QBoxLayout *>(layout());
    const QMargins margins = stack->contentsMargins();
    const QScreen *shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    const int screenWidth = shownOn ? shownOn->availableGeometry().width() - 2 * anchorGap : 1024;
    // About fifty characters a line: wider lines are hard to read at a glance.
    const int readable = std::min(screenWidth, std::max(minimumWidth, 50 * fontMetrics().averageCharWidth()));
    const int room = readable - margins.left() - margins.right();

    const int titleLine = m_hand->sizeHint().width() + 8 + oneLineWidth(m_heading);
    int pressLine = 0;
    if (!m_pressRow->isHidden()) {
        int parts = 0;
        for (const QLabel *part : {m_press, m_keyCap, m_action}) {
            if (part->isHidden())
                continue;
            pressLine += part == m_keyCap ? part->sizeHint().width() : oneLineWidth(part);
            ++parts;
        }
        pressLine += 6 * std::max(0, parts - 1);
    }
    // The words around the key cap wrap beside it only when the line cannot be whole.
    const bool wrapPress = pressLine > room;
    m_press->setWordWrap(wrapPress);
    m_action->setWordWrap(wrapPress);
    m_heading->setWordWrap(titleLine > room);
    const int hintLine = std::max(oneLineWidth(m_hint), m_bindLabel->isHidden() ? 0 : oneLineWidth(m_bindLabel));

    const int content = std::min(room, std::max({titleLine, pressLine, hintLine}));
    const int width = std::max(minimumWidth, content + margins.left() + margins.right());
    stack->invalidate();
    stack->activate();
    // A layout without a wrapped label has no height for a width, and sizes itself.
    const QSize size(width, stack->totalHeightForWidth(width));
    if (size == this->size() && minimumSize() == size)
        return;
    if (size.height() >= 0)
        setFixedSize(size);
    if (isVisible())
        place();
}

void FirstLaunchTooltip::place()
{
    const QScreen *screen = m_anchor.isEmpty() ? QGuiApplication::primaryScreen()
                                               : QGuiApplication::screenAt(m_anchor.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
    setGeometry(placement(m_anchor, size(), available));
}

bool FirstLaunchTooltip::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    // A text or font that changes after the note was shown gets the room it needs.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitToContent();
    return handled;
}

void FirstLaunchTooltip::showRelativeTo(const QRect &anchor)
{
    m_anchor = anchor;
    fitToContent();
    place();
    show();
    raise();
}

void FirstLaunchTooltip::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    hide();
}

bool FirstLaunchTooltip::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && isVisible()) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->isWindow() && widget != this)
            hide();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quorvane
