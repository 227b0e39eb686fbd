// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/shortcut_recorder_view.h"

#include "core/diagnostics.h"
#include "core/global_shortcut_gate.h"
#include "core/settings_store.h"
#include "platform/language_change.h"
#include "windows/form_style.h"
#include "windows/pane_symbol.h"

#include <QFontDatabase>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

namespace quorvane {

// The field: shows the shortcut or the recording prompt, starts recording on a click and
// takes every key press that reaches it. A press is never passed on, so keys typed while
// recording cannot trigger anything else in the window.
class ShortcutRecorderView::KeyCaptureField : public QWidget {
public:
    KeyCaptureField(ShortcutRecorderView &recorder, QWidget *parent) : QWidget(parent), m_recorder(recorder)
    {
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::PointingHandCursor);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        m_spinner.setInterval(80);
        QObject::connect(&m_spinner, &QTimer::timeout, this, [this] {
            m_spinnerStep = (m_spinnerStep + 1) % 12;
            update();
        });
    }

    void stateChanged()
    {
        const bool recording = m_recorder.recordingState() == ShortcutRecordingState::recording;
        if (recording && !m_spinner.isActive())
            m_spinner.start();
        else if (!recording)
            m_spinner.stop();
        updateGeometry();
        update();
    }

    // Wide enough for the recording prompt beside its spinner, and for the shortcut.
    QSize sizeHint() const override
    {
        const int prompt = QFontMetrics(font()).horizontalAdvance(recordingPrompt()) + kSpinnerSize + kSpinnerGap;
        return QSize(qMax(minimumSizeHint().width(), prompt + 2 * kPadding + 2), minimumSizeHint().height());
    }

    // Always wide enough for the shortcut; a long prompt (in some languages) is shortened.
    QSize minimumSizeHint() const override
    {
        const QFontMetrics metrics(shortcutFont());
        const int height = qMax(metrics.height(), QFontMetrics(font()).height()) + 2 * kPadding;
        const int shown = metrics.horizontalAdvance(m_recorder.shortcut().displayString());
        return QSize(qMax(minimumFieldWidth, shown + 2 * kPadding + 2), height);
    }

    static QString recordingPrompt()
    {
        //: Recording shortcut message
        //% "Press keys… (ESC to cancel)"
        return qtTrId("preferences.shortcuts.recording");
    }

protected:
    bool event(QEvent *event) override
    {
        const bool recording = m_recorder.recordingState() == ShortcutRecordingState::recording;
        // While recording, Tab is a key like any other and window shortcuts stay quiet.
        if (recording && event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        if (recording && event->type() == QEvent::KeyPress) {
            keyPressEvent(static_cast<QKeyEvent *>(event));
            return true;
        }
        return QWidget::event(event);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        event->accept();
        const std::optional<KeyEvent> key = KeyEvent::from(*event);
        if (!key)
            return; // a modifier alone, or a key no shortcut can hold
        diag(lcHotkeys(), QStringLiteral("[KeyEventHandlerNSView] keyDown received: keyCode=%1, modifiers=%2")
                 .arg(key->keyCode)
                 .arg(key->modifierFlags));
        if (m_recorder.handleKeyDown(*key))
            diag(lcHotkeys(), QStringLiteral("[KeyEventHandlerNSView] Event handled by handler"));
        else
            diag(lcHotkeys(), QStringLiteral("[KeyEventHandlerNSView] Event NOT handled (no handler or handler returned false)"));
    }

    void keyReleaseEvent(QKeyEvent *event) override { event->accept(); }

    // Another window or another field took the keyboard: what the user types now is meant
    // for it. A menu popping up over the window is no such change.
    void focusOutEvent(QFocusEvent *event) override
    {
        QWidget::focusOutEvent(event);
        if (event->reason() != Qt::PopupFocusReason)
            m_recorder.cancelRecording();
    }

    void mousePressEvent(QMouseEvent *event) override { event->accept(); }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        event->accept();
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_recorder.startRecording();
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QPalette &pal = palette();
        const bool recording = m_recorder.recordingState() == ShortcutRecordingState::recording;
        const bool valid = m_recorder.isValid();

        const QColor accent = FormStyle::accentColor(pal);
        const QColor background = recording ? FormStyle::withOpacity(accent, 0.1)
                                            : FormStyle::controlBackgroundColor(pal);
        const QColor border = !valid ? FormStyle::errorColor() : recording ? accent : FormStyle::separatorColor(pal);
        const qreal lineWidth = valid ? 1.0 : 2.0;

        const QRectF frame = QRectF(rect()).adjusted(lineWidth / 2, lineWidth / 2, -lineWidth / 2, -lineWidth / 2);
        p.setPen(QPen(border, lineWidth));
        p.setBrush(background);
        p.drawRoundedRect(frame, 6, 6);

        QRect content = rect().adjusted(kPadding, kPadding, -kPadding, -kPadding);
        if (recording) {
            const int spinnerSize = qMin(kSpinnerSize, content.height());
            const QRect spinner(content.right() - spinnerSize + 1, content.center().y() - spinnerSize / 2 + 1,
                                spinnerSize, spinnerSize);
            drawSpinner(p, spinner, FormStyle::secondaryColor(pal));
            content.setRight(spinner.left() - kSpinnerGap);
            p.setPen(FormStyle::secondaryColor(pal));
            p.setFont(font());
            p.drawText(content, Qt::AlignVCenter | Qt::AlignLeft,
                       p.fontMetrics().elidedText(recordingPrompt(), Qt::ElideRight, content.width()));
        } else {
            p.setPen(pal.color(QPalette::Text));
            p.setFont(shortcutFont());
            p.drawText(content, Qt::AlignVCenter | Qt::AlignLeft, m_recorder.shortcut().displayString());
        }
    }

private:
    static constexpr int kPadding = 8;
    static constexpr int kSpinnerSize = 16;
    static constexpr int kSpinnerGap = 6;

    QFont shortcutFont() const
    {
        QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        mono.setPointSizeF(font().pointSizeF() > 0 ? font().pointSizeF() : mono.pointSizeF());
        return mono;
    }

    void drawSpinner(QPainter &p, const QRect &area, const QColor &color) const
    {
        p.save();
        p.translate(QRectF(area).center());
        const qreal outer = area.width() / 2.0;
        for (int i = 0; i < 12; ++i) {
            // The spoke at the current step is darkest; those behind it fade out.
            const int behind = (m_spinnerStep - i + 12) % 12;
            QColor spoke = color;
            spoke.setAlphaF(float(1.0 - 0.85 * behind / 12.0));
            p.setPen(QPen(spoke, qMax(1.5, outer / 4.5), Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(0, -outer * 0.45), QPointF(0, -outer * 0.95));
            p.rotate(30);
        }
        p.restore();
    }

    ShortcutRecorderView &m_recorder;
    QTimer m_spinner;
    int m_spinnerStep = 0;
};

ShortcutRecorderView::ShortcutRecorderView(SettingsStore &settingsStore, ShortcutAction action,
                                           const Shortcut &shortcut, GlobalShortcutGate *globalShortcuts,
                                           QWidget *parent)
    : QWidget(parent),
      m_settingsStore(settingsStore),
      m_globalShortcuts(globalShortcuts),
      m_action(action),
      m_shortcut(shortcut)
{
    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(4);

    m_field = new KeyCaptureField(*this, this);
    stack->addWidget(m_field);

    m_messageRow = new QWidget(this);
    auto *message = new QHBoxLayout(m_messageRow);
    message->setContentsMargins(0, 0, 0, 0);
    message->setSpacing(4);
    const QFont caption = FormStyle::font(font(), FormStyle::Text::caption);
    auto *icon = new QLabel(m_messageRow);
    icon->setPixmap(paneSymbolPixmap(PaneSymbol::exclamationCircleFill, FormStyle::errorColor(),
                                       QFontMetrics(caption).ascent(), devicePixelRatioF()));
    message->addWidget(icon, 0, Qt::AlignVCenter);
    m_messageLabel = FormStyle::makeLabel(QString(), FormStyle::Text::caption, m_messageRow, FormStyle::errorColor());
    m_messageLabel->setWordWrap(false);
    message->addWidget(m_messageLabel, 1, Qt::AlignVCenter);
    stack->addWidget(m_messageRow);

    onLanguageChange(this, [this] { retranslate(); });
}

ShortcutRecorderView::~ShortcutRecorderView()
{
    suspendShortcuts(false);
    // The field asks this view for its state on every event, and a window that is shown
    // while it is destroyed still sends its children hide events after this destructor.
    delete m_field;
    m_field = nullptr;
}

QWidget *ShortcutRecorderView::field() const
{
    return m_field;
}

void ShortcutRecorderView::setShortcut(const Shortcut &shortcut)
{
    m_shortcut = shortcut;
    refresh();
}

void ShortcutRecorderView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // After the owner of the slot has loaded its value for this appearance.
    QTimer::singleShot(0, this, [this] { validateCurrentShortcut(); });
}

void ShortcutRecorderView::hideEvent(QHideEvent *event)
{
    // A recorder that is off screen must not keep the shortcuts suspended.
    cancelRecording();
    QWidget::hideEvent(event);
}

void ShortcutRecorderView::suspendShortcuts(bool hold)
{
    if (hold == m_suspendsShortcuts)
        return;
    m_suspendsShortcuts = hold;
    // No keyboard grab: the keys reach the field only while it has the focus, so other
    // programs keep theirs and a click elsewhere ends recording.
    if (!m_globalShortcuts)
        return;
    if (hold)
        m_globalShortcuts->suspend();
    else
        m_globalShortcuts->resume();
}

const char *ShortcutRecorderView::refusal(const Shortcut &candidate)
{
    if (candidate.isSystemReserved())
        //: System reserved shortcut error
        //% "This shortcut is reserved by the system"
        return QT_TRID_NOOP("preferences.shortcuts.error.system_reserved");
    if (!m_settingsStore.isShortcutAvailable(candidate, m_action))
        //: Shortcut conflict error
        //% "This shortcut conflicts with another action"
        return QT_TRID_NOOP("preferences.shortcuts.error.conflict");
    if (m_globalShortcuts && m_globalShortcuts->isHeldByAnotherProgram(candidate))
        //: Shortcut held by another program error
        //% "This shortcut is already used by another program"
        return QT_TRID_NOOP("preferences.shortcuts.error.taken");
    return nullptr;
}

std::optional<QString> ShortcutRecorderView::validationError() const
{
    if (!m_validationError)
        return std::nullopt;
    return qtTrId(m_validationError);
}

void ShortcutRecorderView::retranslate()
{
    m_field->setAccessibleName(displayName(m_action));
    // The refusal, named anew.
    refresh();
}

void ShortcutRecorderView::startRecording()
{
    diag(lcHotkeys(), QStringLiteral("[ShortcutRecorderView] startRecording() called for %1").arg(rawValue(m_action)));
    setRecordingState(ShortcutRecordingState::recording);
    m_field->setFocus(Qt::MouseFocusReason);
}

bool ShortcutRecorderView::handleKeyDown(const KeyEvent &event)
{
    diag(lcHotkeys(), QStringLiteral("[ShortcutRecorderView] handleKeyDown: keyCode=%1, modifiers=%2, recordingState=%3")
             .arg(event.keyCode)
             .arg(event.modifierFlags)
             .arg(rawValue(m_recordingState)));
    if (m_recordingState != ShortcutRecordingState::recording) {
        diag(lcHotkeys(), QStringLiteral("[ShortcutRecorderView] Not recording, ignoring key event"));
        return false;
    }
    if (event.keyCode == escapeKeyCode) {
        diag(lcHotkeys(), QStringLiteral("[ShortcutRecorderView] ESC pressed, canceling recording"));
        cancelRecording();
        return true;
    }
    const quint32 modifiers = event.modifierFlags & (ModifierFlag::command | ModifierFlag::shift |
                                                     ModifierFlag::option | ModifierFlag::control);
    if (modifiers == 0) {
        diag(lcHotkeys(), QStringLiteral("[ShortcutRecorderView] No modifier keys, ignoring"));
        return true;
    }

    const Shortcut candidate{event.keyCode, modifiers};
    diag(lcHotkeys(), QStringLiteral("[ShortcutRecorderView] Created newShortcut: %1").arg(candidate.displayString()));
    setRecordingState(ShortcutRecordingState::validating);

    if (const char *refused = refusal(candidate)) {
        m_isValid = false;
        m_validationError = refused;
        // The user can press another combination at once.
        setRecordingState(ShortcutRecordingState::recording);
        return true;
    }

    diag(lcHotkeys(), QStringLiteral("[ShortcutRecorderView] Shortcut valid! Setting shortcut binding..."));
    m_shortcut = candidate;
    diag(lcHotkeys(), QStringLiteral("[ShortcutRecorderView] Shortcut binding set. isValid=true"));
    m_isValid = true;
    m_validationError = nullptr;
    setRecordingState(ShortcutRecordingState::idle);
    emit shortcutRecorded(candidate);
    return true;
}

void ShortcutRecorderView::cancelRecording()
{
    if (m_recordingState == ShortcutRecordingState::idle)
        return;
    setRecordingState(ShortcutRecordingState::idle);
    // A refused candidate's message goes with it; what stays is about the shortcut kept.
    validateCurrentShortcut();
}

void ShortcutRecorderView::validateCurrentShortcut()
{
    m_isValid = m_settingsStore.isShortcutAvailable(m_shortcut, m_action);
    //: Invalid shortcut error
    //% "Current shortcut is invalid"
    m_validationError = m_isValid ? nullptr : QT_TRID_NOOP("preferences.shortcuts.error.invalid");
    // A shortcut the program could not take does nothing when pressed.
    if (m_isValid && m_globalShortcuts && m_globalShortcuts->wasRefused(m_action)) {
        m_isValid = false;
        m_validationError = QT_TRID_NOOP("preferences.shortcuts.error.taken");
    }
    refresh();
}

void ShortcutRecorderView::setRecordingState(ShortcutRecordingState state)
{
    m_recordingState = state;
    suspendShortcuts(state != ShortcutRecordingState::idle);
    refresh();
}

void ShortcutRecorderView::refresh()
{
    const bool showMessage = !m_isValid && m_validationError;
    m_messageLabel->setText(validationError().value_or(QString()));
    m_messageRow->setVisible(showMessage);
    m_field->setAccessibleDescription(m_recordingState == ShortcutRecordingState::recording
                                          ? KeyCaptureField::recordingPrompt()
                                          : m_shortcut.displayString());
    m_field->stateChanged();
}

} // namespace quorvane
