// SPDX-License-Identifier: GPL-3.0-or-later
#include "pins/pin_widget_manager.h"

#include "core/diagnostics.h"
#include "pins/pin_widget_window.h"
#include "platform/message_box_alert_presenter.h"
#include "platform/motion_preference.h"
#include "platform/pasteboard.h"

#include <QBuffer>
#include <QCursor>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <utility>


namespace quorvane {

namespace {
constexpr double kPinWidth = 400;
constexpr double kPinHeight = 300;

// 0.3, 0.6, 1.0 and round again; a value read from a file that lies off the cycle joins
// it at the next step.
double nextOpacity(double opacity)
{
    if (opacity >= 0 && opacity < 0.5)
        return 0.6;
    if (opacity >= 0.5 && opacity < 0.9)
        return 1.0;
    return 0.3;
}

// The frame's alpha: a stored opacity outside the toolbar's range (or no number) would
// leave an invisible or barely visible panel on top of everything.
double visibleOpacity(double opacity)
{
    return std::isfinite(opacity) ? std::clamp(opacity, 0.3, 1.0) : 1.0;
}

// The screen a frame opens on: the one under its centre, else the one showing most of it
// (a monitor unplugged since leaves none), else the primary screen.
const QScreen *screenFor(const QRectF &frame)
{
    if (std::isfinite(frame.center().x()) && std::isfinite(frame.center().y())) {
        if (QScreen *screen = QGuiApplication::screenAt(frame.center().toPoint()))
            return screen;
    }
    const QScreen *best = nullptr;
    double bestArea = 0;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRectF shared = QRectF(screen->geometry()).intersected(frame);
        if (shared.width() * shared.height() > bestArea) {
            bestArea = shared.width() * shared.height();
            best = screen;
        }
    }
    return best ? best : QGuiApplication::primaryScreen();
}

// Keeps the whole panel, its close button included, on the screen it opens on: no larger
// than the screen's free area and moved inside it.
QRect onItsScreen(const QRectF &frame, QSize minimum)
{
    const QScreen *screen = screenFor(frame);
    if (!screen)
        return frame.toRect();
    const QRect area = screen->availableGeometry();
    const auto side = [](double value, int low, int high) {
        return std::isfinite(value) ? int(std::clamp(value, double(low), double(std::max(low, high)))) : low;
    };
    const int width = side(frame.width(), std::min(minimum.width(), area.width()), area.width());
    const int height = side(frame.height(), std::min(minimum.height(), area.height()), area.height());
    const int x = side(frame.x(), area.left(), area.left() + area.width() - width);
    const int y = side(frame.y(), area.top(), area.top() + area.height() - height);
    return QRect(x, y, width, height);
}
} // namespace

struct PinWidgetManager::DesktopFacilities {
    MessageBoxAlertPresenter alerts;
    std::unique_ptr<Pasteboard> pasteboard = Pasteboard::createSystem();
    std::unique_ptr<MotionPreference> motion = createMotionPreference();
};

PinWidgetManager::PinWidgetManager(QString storageFolder, AlertPresenter &alerts, Pasteboard &pasteboard,
                                   const MotionPreference &motion,
                                   QObject *parent)
    : QObject(parent),
      m_storageFolder(std::move(storageFolder)),
      m_alerts(&alerts),
      m_pasteboard(&pasteboard),
      m_motion(&motion)
{
    setUpSaving();
}

PinWidgetManager::PinWidgetManager() : PinWidgetManager(std::make_unique<DesktopFacilities>()) {}

PinWidgetManager::PinWidgetManager(std::unique_ptr<DesktopFacilities> desktop)
    : m_desktop(std::move(desktop)),
      m_storageFolder(PinnedCapture::storageDirectory()),
      m_alerts(&m_desktop->alerts),
      m_pasteboard(m_desktop->pasteboard.get()),
      m_motion(m_desktop->motion.get())
{
    setUpSaving();
}

void PinWidgetManager::setUpSaving()
{
    m_saveDelay.setSingleShot(true);
    m_saveDelay.setInterval(kSaveDelayMs);
    connect(&m_saveDelay, &QTimer::timeout, this, &PinWidgetManager::startSave);
    m_retryDelay.setSingleShot(true);
    m_retryDelay.setInterval(kRetryDelayMs);
    connect(&m_retryDelay, &QTimer::timeout, this, &PinWidgetManager::startSave);
    // One save at a time, in order: each replaces the pin's files as a whole.
    m_saver.setMaxThreadCount(1);
}

void PinWidgetManager::startSave()
{
    if (!m_currentPin)
        return;
    m_retryDelay.stop();
    const quint64 generation = ++m_saveGeneration;
    m_saver.start([this, generation, pin = *m_currentPin, folder = m_storageFolder, images = m_unwrittenImages] {
        SaveOutcome outcome{generation, std::nullopt, images.has_value()};
        try {
            // A new pin whose images never reached the disk is written whole.
            if (images)
                pin.saveWithImages(folder, images->thumbnail, images->fullImage);
            else
                pin.saveMetadata(folder);
        } catch (const PinStorageError &error) {
            outcome.failure = QString::fromUtf8(error.what());
            diagWarning(lcPins(), QStringLiteral("Failed to save pin metadata: ") + *outcome.failure);
        }
        {
            QMutexLocker lock(&m_outcomeMutex);
            m_outcome = outcome;
        }
        QMetaObject::invokeMethod(this, &PinWidgetManager::applySaveOutcome, Qt::QueuedConnection);
    });
}

void PinWidgetManager::applySaveOutcome()
{
    std::optional<SaveOutcome> outcome;
    {
        QMutexLocker lock(&m_outcomeMutex);
        outcome = std::exchange(m_outcome, std::nullopt);
    }
    // An earlier write's outcome says nothing of the pin a later one is writing.
    if (!outcome || outcome->generation != m_saveGeneration)
        return;
    if (!outcome->failure) {
        if (outcome->withImages)
            m_unwrittenImages.reset();
    } else if (!m_saveDelay.isActive()) {
        m_retryDelay.start();
    }
    setUnwritten(outcome->failure);
}

void PinWidgetManager::newPinWritten(std::optional<QString> failure, const QByteArray &thumbnail,
                                     const std::optional<QByteArray> &fullImage)
{
    ++m_saveGeneration; // outcomes of the previous pin's writes no longer count
    m_retryDelay.stop();
    if (failure) {
        diagWarning(lcPins(), QStringLiteral("Failed to save pin: ") + *failure);
        m_unwrittenImages = Images{thumbnail, fullImage};
        m_retryDelay.start();
    } else {
        m_unwrittenImages.reset();
    }
    setUnwritten(std::move(failure));
}

void PinWidgetManager::setUnwritten(std::optional<QString> reason)
{
    if (reason == m_unwrittenReason)
        return;
    m_unwrittenReason = std::move(reason);
    emit unwrittenChanged();
}

void PinWidgetManager::flushPendingSave()
{
    if (m_saveDelay.isActive()) {
        m_saveDelay.stop();
        startSave();
    }
    m_saver.waitForDone();
    applySaveOutcome();
}

bool PinWidgetManager::mayQuit()
{
    if (m_currentPin && (isUnwritten() || m_retryDelay.isActive())) {
        m_saveDelay.stop();
        startSave();
    }
    flushPendingSave();
    return !isUnwritten() || confirmQuitUnwritten();
}

void PinWidgetManager::dropPendingSave()
{
    m_saveDelay.stop();
    m_retryDelay.stop();
    m_saver.waitForDone();
    QMutexLocker lock(&m_outcomeMutex);
    m_outcome.reset();
}

PinWidgetManager::~PinWidgetManager()
{
    flushPendingSave();
    // Once the application object is gone its windows can no longer be destroyed safely;
    // the process is ending then anyway.
    if (m_window && QCoreApplication::instance())
        delete m_window;
}

PinWidgetWindow *PinWidgetManager::window() const
{
    return m_window;
}

PinWidgetManager &PinWidgetManager::shared()
{
    // Owned by the application object, so it lives exactly as long as the program's windows.
    static PinWidgetManager *const instance = [] {
        auto *manager = new PinWidgetManager();
        manager->setParent(QCoreApplication::instance());
        return manager;
    }();
    return *instance;
}

void PinWidgetManager::pinCapture(const CaptureHistoryEntry &entry, const QImage &image,
                                  std::optional<QPoint> center)
{
    if (!mayReplaceCurrentPin())
        return;
    PinnedCapture pin = makePin(entry, center);
    const QByteArray png = pngData(image).value_or(QByteArray());
    dropPendingSave();
    std::optional<QString> failure;
    try {
        pin.saveWithImages(m_storageFolder, entry.thumbnailData, png);
    } catch (const PinStorageError &error) {
        failure = QString::fromUtf8(error.what());
    }
    newPinWritten(std::move(failure), entry.thumbnailData, png);
    publishNewPin(std::move(pin), png.isEmpty() ? QImage::fromData(entry.thumbnailData) : image);
}

bool PinWidgetManager::pinHistoryEntry(const CaptureHistoryEntry &entry, std::optional<QPoint> center)
{
    if (!mayReplaceCurrentPin())
        return false;
    PinnedCapture pin = makePin(entry, center);
    // Without a full image of its own: an earlier capture's must not pass for this record's picture.
    dropPendingSave();
    std::optional<QString> failure;
    try {
        pin.saveWithImages(m_storageFolder, entry.thumbnailData, std::nullopt);
    } catch (const PinStorageError &error) {
        failure = QString::fromUtf8(error.what());
    }
    newPinWritten(std::move(failure), entry.thumbnailData, std::nullopt);
    publishNewPin(std::move(pin), QImage::fromData(entry.thumbnailData));
    return true;
}

bool PinWidgetManager::mayReplaceCurrentPin()
{
    if (m_currentPin && m_currentPin->editedText != m_currentPin->originalText && m_hasUnsavedEdits)
        return confirmReplace();
    return true;
}

PinnedCapture PinWidgetManager::makePin(const CaptureHistoryEntry &entry, std::optional<QPoint> center) const
{
    const QPoint anchor = center.value_or(QCursor::pos());
    PinnedCapture pin;
    pin.captureEntryID = entry.id;
    pin.originalText = entry.text;
    pin.editedText = entry.text;
    pin.frame = QRectF(anchor.x() - kPinWidth / 2, anchor.y() - kPinHeight / 2, kPinWidth, kPinHeight);
    pin.displayID = entry.displayID;
    pin.captureMode = entry.captureMode;
    pin.createdAt = pin.modifiedAt = QDateTime::currentDateTimeUtc();
    // The new pin takes the shown one's place, opacity and stay-on-top choice.
    if (m_currentPin && m_window) {
        pin.frame = m_currentPin->frame;
        pin.opacity = m_currentPin->opacity;
        pin.isPinned = m_currentPin->isPinned;
    }
    return pin;
}

void PinWidgetManager::publishNewPin(PinnedCapture pin, QImage image)
{
    m_hasUnsavedEdits = false;
    setCurrentPin(std::move(pin));
    setThumbnailImage(std::move(image));
    showPinWindow();
    emit pinWidgetCreated();
}

void PinWidgetManager::toggleViewMode()
{
    if (!m_currentPin)
        return;
    PinnedCapture changed = *m_currentPin;
    changed.viewMode = changed.viewMode == PinViewMode::text ? PinViewMode::image : PinViewMode::text;
    commitChange(std::move(changed));
}

void PinWidgetManager::cycleOpacity()
{
    if (!m_currentPin)
        return;
    PinnedCapture changed = *m_currentPin;
    changed.opacity = nextOpacity(changed.opacity);
    commitChange(std::move(changed));
}

double PinWidgetManager::panelOpacity() const
{
    return m_currentPin ? visibleOpacity(m_currentPin->opacity) : 1.0;
}

void PinWidgetManager::togglePinned()
{
    if (!m_currentPin)
        return;
    PinnedCapture changed = *m_currentPin;
    changed.isPinned = !changed.isPinned;
    if (m_window)
        m_window->setStaysOnTop(changed.isPinned);
    commitChange(std::move(changed));
}

void PinWidgetManager::cycleFontSize()
{
    if (!m_currentPin)
        return;
    PinnedCapture changed = *m_currentPin;
    changed.fontSize = nextFontSize(changed.fontSize);
    commitChange(std::move(changed));
}

void PinWidgetManager::updateEditedText(const QString &text)
{
    if (!m_currentPin || m_currentPin->editedText == text)
        return;
    PinnedCapture changed = *m_currentPin;
    changed.editedText = text;
    m_hasUnsavedEdits = text != changed.originalText;
    commitChange(std::move(changed));
}

void PinWidgetManager::updateFrame(const PinWidgetWindow &panel)
{
    if (!m_currentPin)
        return;
    PinnedCapture changed = *m_currentPin;
    changed.frame = QRectF(panel.geometry());
    commitChange(std::move(changed));
}

void PinWidgetManager::commitChange(PinnedCapture changed)
{
    if (!m_currentPin || changed == *m_currentPin)
        return;
    changed.modifiedAt = QDateTime::currentDateTimeUtc();
    setCurrentPin(std::move(changed));
    // Typing and dragging change the pin many times a second; it is written once they pause.
    m_saveDelay.start();
    emit pinWidgetUpdated();
}

void PinWidgetManager::hidePin()
{
    if (PinWidgetWindow *panel = m_window) {
        m_window = nullptr;
        panel->tearDown();
        // The request to close may come from inside the panel's own event handling.
        panel->deleteLater();
    }
    setVisible(false);
    emit pinWidgetClosed();
}

bool PinWidgetManager::closePin(bool confirm)
{
    if (confirm && m_hasUnsavedEdits) {
        switch (confirmClose()) {
        case CloseChoice::saveToClipboard:
            // The edits live on only in the pin's files until the clipboard holds them.
            if (m_currentPin
                && m_pasteboard->write({{QStringLiteral("text/plain"), m_currentPin->editedText.toUtf8()}})
                       .isEmpty()) {
                reportClipboardRefused();
                return false;
            }
            break;
        case CloseChoice::discard:
            break;
        case CloseChoice::cancel:
            return false;
        }
    }
    hidePin();
    dropPendingSave();
    PinnedCapture::deleteStoredFiles(m_storageFolder);
    ++m_saveGeneration;
    m_unwrittenImages.reset();
    setUnwritten(std::nullopt);
    m_hasUnsavedEdits = false;
    setCurrentPin(std::nullopt);
    setThumbnailImage(QImage());
    return true;
}

void PinWidgetManager::restorePin()
{
    QString setAside;
    std::optional<PinnedCapture> pin = PinnedCapture::loadSaved(m_storageFolder, &setAside);
    if (!setAside.isEmpty())
        emit pinFileSetAside(setAside);
    if (!pin)
        return;
    m_hasUnsavedEdits = pin->editedText != pin->originalText;
    setCurrentPin(std::move(pin));
    setThumbnailImage(PinnedCapture::loadFullImage(m_storageFolder));
    showPinWindow();
}

void PinWidgetManager::showPinWindow()
{
    if (!m_currentPin)
        return;
    if (!m_window)
        m_window = new PinWidgetWindow(this, m_currentPin->frame.toAlignedRect());
    // New or restored, the pin stands wholly on one screen, and remembers that place.
    QRect frame = onItsScreen(m_currentPin->frame, m_window->minimumSize());
    // A toast on screen stays readable: the pin opens beside it rather than over it.
    if (const QScreen *screen = screenFor(QRectF(frame)))
        frame = NonActivatingPanel::keptClear(frame, m_window->otherPanelFrames(), screen->availableGeometry());
    m_currentPin->frame = QRectF(frame);
    m_window->setGeometry(frame);
    m_window->setStaysOnTop(m_currentPin->isPinned);
    m_window->orderFront();
    setVisible(true);
}

void PinWidgetManager::setCurrentPin(std::optional<PinnedCapture> pin)
{
    m_currentPin = std::move(pin);
    emit currentPinChanged();
}

void PinWidgetManager::setThumbnailImage(QImage image)
{
    m_thumbnailImage = std::move(image);
    emit thumbnailImageChanged();
}

void PinWidgetManager::setVisible(bool visible)
{
    if (m_isVisible == visible)
        return;
    m_isVisible = visible;
    emit visibilityChanged(visible);
}

bool PinWidgetManager::confirmReplace()
{
    Alert alert;
    alert.style = Alert::Style::warning;
    //: Title for replace pin confirmation
    //% "Replace Pin?"
    alert.messageText = qtTrId("pin_widget.replace_confirmation.title");
    //: Message for replace pin confirmation
    //% "The current pin has unsaved edits. Replace it with the new capture?"
    alert.informativeText = qtTrId("pin_widget.replace_confirmation.message");
    //: Replace button
    //% "Replace"
    alert.buttons = {qtTrId("pin_widget.replace_confirmation.replace"),
                     //: Cancel button
                     //% "Cancel"
                     qtTrId("pin_widget.replace_confirmation.cancel")};
    alert.cancelButton = 1;
    alert.window = m_window.data();
    return m_alerts->runModal(alert) == 0;
}

PinWidgetManager::CloseChoice PinWidgetManager::confirmClose()
{
    Alert alert;
    alert.style = Alert::Style::warning;
    //: Title for close pin confirmation
    //% "Unsaved Edits"
    alert.messageText = qtTrId("pin_widget.close_confirmation.title");
    //: Message for close pin confirmation
    //% "The pin has unsaved text edits. What would you like to do?"
    alert.informativeText = qtTrId("pin_widget.close_confirmation.message");
    alert.buttons = {
        //: Save to clipboard button
        //% "Save to Clipboard"
        qtTrId("pin_widget.close_confirmation.save_clipboard"),
        //: Discard button
        //% "Discard"
        qtTrId("pin_widget.close_confirmation.discard"),
        //: Cancel button
        //% "Cancel"
        qtTrId("pin_widget.close_confirmation.cancel")};
    alert.cancelButton = 2;
    alert.window = m_window.data();
    switch (m_alerts->runModal(alert)) {
    case 0: return CloseChoice::saveToClipboard;
    case 1: return CloseChoice::discard;
    default: return CloseChoice::cancel;
    }
}

bool PinWidgetManager::confirmQuitUnwritten()
{
    Alert alert;
    alert.style = Alert::Style::warning;
    //: Title when the program is asked to quit while the pin could not be saved
    //% "The Pin Is Not Saved"
    alert.messageText = qtTrId("pin_widget.quit_unwritten.title");
    //: Message when the program is asked to quit while the pin could not be saved; %1 is why
    //% "The pin's latest changes could not be written (%1), so they will be lost when Quorvane quits. Copy the text from the pin, or free some disk space and quit again."
    alert.informativeText = qtTrId("pin_widget.quit_unwritten.message").arg(unwrittenReason());
    alert.buttons = {
        //: Button that quits although the pin's changes will be lost
        //% "Quit Anyway"
        qtTrId("pin_widget.quit_unwritten.quit"),
        qtTrId("pin_widget.close_confirmation.cancel")};
    alert.defaultButton = 1;
    alert.cancelButton = 1;
    alert.window = m_window.data();
    return m_alerts->runModal(alert) == 0;
}

void PinWidgetManager::reportClipboardRefused()
{
    Alert alert;
    alert.style = Alert::Style::critical;
    //: Title when the pin's text could not be put on the clipboard
    //% "Text Not Copied"
    alert.messageText = qtTrId("pin_widget.clipboard_failed.title");
    //: Message when the pin's text could not be put on the clipboard
    //% "The clipboard did not take the pin's text, so the pin stays open with your edits. Try again, or copy the text from the pin."
    alert.informativeText = qtTrId("pin_widget.clipboard_failed.message");
    //: OK button
    //% "OK"
    alert.buttons = {qtTrId("pin_widget.clipboard_failed.ok")};
    alert.window = m_window.data();
    m_alerts->runModal(alert);
}

std::optional<QByteArray> PinWidgetManager::pngData(const QImage &image)
{
    if (image.isNull())
        return std::nullopt;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG") || bytes.isEmpty())
        return std::nullopt;
    return bytes;
}

} // namespace quorvane
