#pragma once

#include "capture/continuity_delegate.h"
#include "capture/continuity_wrapper_controller.h"
#include "capture/image_import_error.h"

#include <QImage>
#include <QMimeData>
#include <QMutex>
#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <optional>

namespace quorvane {

// Brings an image from outside the screen into the program: a small menu offers the
// images this machine can hand over (an image file, an image on the clipboard); the
// chosen source is read by the runtime's requestor, which hands the image back to the
// runtime as its delegate, and the runtime passes it to the caller's handler.
class ContinuityRuntime : public QObject, public ContinuityDelegate {
    Q_OBJECT
public:
    using ImageHandler = std::function<void(const QImage &image)>;

    explicit ContinuityRuntime(QObject *parent = nullptr);

    // The process's runtime, made on first use (on the main thread).
    static ContinuityRuntime &shared();

    // Shows the import menu at `point` (global coordinates), or just below the top centre
    // of the primary screen, 0.05 s from now. `handler` replaces any earlier one and gets
    // the next image once. While the menu is up a second call only prints a warning.
    virtual void showContinuityItem(ImageHandler handler, std::optional<QPoint> point);

    // Passes `image` to the kept handler, drops the handler and ends the pending import.
    // An image that arrives with no handler is dropped.
    void didReceiveImage(const QImage &image) override;

    // Appends `text` to the file at `path`, creating it (and its folder) when missing.
    // Safe from any thread.
    virtual void appendDebugLog(const QString &text, const QString &path);
    // "$XDG_STATE_HOME/Quorvane/continuity-debug.log".
    static QString debugLogPath();

    // True from an accepted request until its menu has closed or an image arrived.
    bool isImportPending() const { return m_pending; }
    bool hasHandler() const { return bool(m_handler); }
    ContinuityWrapperController &wrapper() { return m_wrapper; }

signals:
    // The image file the user chose could not be read; `error` names it and says why.
    void imageFileUnreadable(const quorvane::ImageImportError &error);

protected:
    // Shows the menu at `point` and hands the chosen source to `readChosen`; returns when
    // the menu has closed.
    virtual void presentImportMenu(const QPoint &point);
    // Has the requestor read the chosen source's offer; its image comes back through
    // `didReceiveImage`.
    void readChosen(const QMimeData &pasteboard);
    // Asks for an image file and has it read; a file that cannot be read is reported
    // through `imageFileUnreadable`.
    void importChosenFile();
    // The image file the user picks; empty when they cancel.
    virtual QString chooseImageFile();

    ContinuityWrapperController m_wrapper;
    ImageHandler m_handler;
    bool m_pending = false;
    QMutex m_logLock;
};

} // namespace quorvane
