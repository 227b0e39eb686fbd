// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/capture_history_entry.h"
#include "pins/pinned_capture.h"

#include <QImage>
#include <QMutex>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <memory>
#include <optional>

namespace quorvane {

class AlertPresenter;
class MotionPreference;
class Pasteboard;
class PinWidgetWindow;

// Keeps one capture floating on the screen. The capture workflows hand each new capture
// to it when the user asked for a pin after every capture; the history's detail pane hands
// it a stored record; the pin's panel and views call its operations for the toolbar's
// actions, text edits, moves and resizes. Changes are written to the pin's files half a
// second after the last one, on a thread of the manager's own, and restorePin brings the
// pin back at the next launch. Main thread only.
class PinWidgetManager : public QObject {
    Q_OBJECT
public:
    // A manager whose pin lives in `storageFolder`. The services must outlive it.
    PinWidgetManager(QString storageFolder, AlertPresenter &alerts, Pasteboard &pasteboard,
                     const MotionPreference &motion,
                     QObject *parent = nullptr);
    // Writes a change still waiting for its pause.
    ~PinWidgetManager() override;

    // How long the pin waits after a change before it is written.
    static constexpr int kSaveDelayMs = 500;
    // How long a pin that could not be written waits before it is written again.
    static constexpr int kRetryDelayMs = 5000;
    // Writes a change still waiting for its pause now and returns once every write has
    // ended; the program calls it before it quits.
    void flushPendingSave();
    // Whether the pin as shown could not be written (a full disk): it is kept in memory
    // and written again every kRetryDelayMs until a write succeeds.
    bool isUnwritten() const { return m_unwrittenReason.has_value(); }
    // Why the last write failed; empty while the pin is written.
    QString unwrittenReason() const { return m_unwrittenReason.value_or(QString()); }
    // Before the program quits: writes what waits, tries once more a pin that could not
    // be written, and when it still cannot, asks whether to quit anyway (false: stay).
    bool mayQuit();

    // The process's one manager, over the desktop's facilities and the pin folder
    // PinnedCapture::storageDirectory(). Made on first use (a QApplication must exist).
    static PinWidgetManager &shared();

    const std::optional<PinnedCapture> &currentPin() const { return m_currentPin; }
    // How opaque the pin's frame is drawn (0.3 to 1): its chosen opacity, kept visible.
    double panelOpacity() const;
    // Whether the panel is shown.
    bool isVisible() const { return m_isVisible; }
    // What the image pane shows; null when there is nothing to show.
    const QImage &thumbnailImage() const { return m_thumbnailImage; }
    // The panel; null while none exists.
    PinWidgetWindow *window() const;
    // Whether the pin's text differs from the recognised text, as last set by a text edit,
    // a new pin, a restore or a close.
    bool hasUnsavedEdits() const { return m_hasUnsavedEdits; }
    const QString &storageFolder() const { return m_storageFolder; }
    const MotionPreference &motionPreference() const { return *m_motion; }

    // Makes `entry` with its captured `image` the current pin, a 400 x 300 panel centred on
    // `center` or else on the mouse, writes its files and shows it. A pin with unsaved
    // edits is replaced only when the user agrees. A failed write is only printed.
    virtual void pinCapture(const CaptureHistoryEntry &entry, const QImage &image, std::optional<QPoint> center);
    // As pinCapture, with the record's thumbnail as the picture. False when the user kept
    // the old pin, true once the record is pinned.
    virtual bool pinHistoryEntry(const CaptureHistoryEntry &entry, std::optional<QPoint> center);

    // The toolbar's actions; each changes the pin, saves it and emits pinWidgetUpdated,
    // and does nothing without a pin.
    void toggleViewMode();
    void cycleOpacity();     // 0.3, 0.6, 1.0, 0.3, ...
    void togglePinned();     // stay on top or not
    void cycleFontSize();    // small, medium, large, small, ...
    // Takes the panel down without touching the pin or its files; emits pinWidgetClosed.
    void hidePin();
    // Removes the pin and its files. With `confirm` and unsaved edits the user chooses
    // first: copy the text to the clipboard, discard it, or cancel (false, nothing changes).
    // When the clipboard refuses the text the user is told and the pin stays (false).
    bool closePin(bool confirm = true);
    // Shows the pin stored by an earlier run, if any; emits none of the three.
    virtual void restorePin();
    // Makes the panel when needed and shows it with the pin's frame (kept wholly on the
    // screen it opens on), opacity (at least 0.3 for the panel) and level.
    void showPinWindow();

    // The text pane's whole new text.
    void updateEditedText(const QString &text);
    // Records where `panel` now stands.
    void updateFrame(const PinWidgetWindow &panel);

signals:
    // The stored pin could not be read at restorePin and was kept under `path`.
    void pinFileSetAside(const QString &path);
    void currentPinChanged();
    void thumbnailImageChanged();
    void visibilityChanged(bool visible);
    // A pin was made, changed by its toolbar, or taken down.
    void pinWidgetCreated();
    void pinWidgetUpdated();
    void pinWidgetClosed();
    // isUnwritten() or unwrittenReason() changed.
    void unwrittenChanged();

protected:
    // A manager over the desktop's facilities and the default pin folder.
    PinWidgetManager();

private:
    enum class CloseChoice { saveToClipboard, discard, cancel };
    struct DesktopFacilities;
    explicit PinWidgetManager(std::unique_ptr<DesktopFacilities> desktop);

    void setUpSaving();
    // Writes the current pin's metadata on the saving thread.
    void startSave();
    // Forgets a change waiting for its pause and waits for the writes under way: the
    // pin's files are about to be replaced or removed as a whole.
    void dropPendingSave();
    // Takes the outcome of the latest write the saving thread finished.
    void applySaveOutcome();
    // A new pin's write failed (`failure`) or succeeded: images kept for the retry or dropped.
    void newPinWritten(std::optional<QString> failure, const QByteArray &thumbnail,
                       const std::optional<QByteArray> &fullImage);
    void setUnwritten(std::optional<QString> reason);
    bool confirmQuitUnwritten();
    bool confirmReplace();
    CloseChoice confirmClose();
    void reportClipboardRefused();
    static std::optional<QByteArray> pngData(const QImage &image);

    // Steps shared by both ways of making a pin.
    bool mayReplaceCurrentPin();
    PinnedCapture makePin(const CaptureHistoryEntry &entry, std::optional<QPoint> center) const;
    void publishNewPin(PinnedCapture pin, QImage image);
    // Publishes `changed` (a copy of the pin with one field changed) stamped with the
    // current time, saves it and announces it; nothing when it equals the pin.
    void commitChange(PinnedCapture changed);
    void setCurrentPin(std::optional<PinnedCapture> pin);
    void setThumbnailImage(QImage image);
    void setVisible(bool visible);

    std::unique_ptr<DesktopFacilities> m_desktop; // only for the shared manager
    QString m_storageFolder;
    AlertPresenter *m_alerts;
    Pasteboard *m_pasteboard;
    const MotionPreference *m_motion;

    std::optional<PinnedCapture> m_currentPin;
    bool m_isVisible = false;
    QImage m_thumbnailImage;
    // Owned: made by showPinWindow, released by hidePin and the destructor (a top-level
    // window can have no QObject parent here).
    QPointer<PinWidgetWindow> m_window;
    bool m_hasUnsavedEdits = false;
    QTimer m_saveDelay;
    QTimer m_retryDelay;
    std::optional<QString> m_unwrittenReason;
    // A new pin's images that could not be written, for the next write to carry.
    struct Images {
        QByteArray thumbnail;
        std::optional<QByteArray> fullImage;
    };
    std::optional<Images> m_unwrittenImages;
    // What the saving thread reports; written there, read on the main thread.
    struct SaveOutcome {
        quint64 generation = 0;
        std::optional<QString> failure;
        bool withImages = false;
    };
    QMutex m_outcomeMutex;
    std::optional<SaveOutcome> m_outcome; // guarded by m_outcomeMutex
    quint64 m_saveGeneration = 0;         // of the latest write started
    QThreadPool m_saver; // declared last: stopped before anything it uses goes
};

} // namespace quorvane
