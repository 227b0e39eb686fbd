#pragma once

#include <QImage>
#include <QMutex>
#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <optional>

namespace quorvane {

// Brings an image from outside the screen into the program: a small menu offers the
// images this machine can hand over (an image file, an image on the clipboard) and
// passes the chosen one to the caller's handler.
class ContinuityRuntime : public QObject {
    Q_OBJECT
public:
    using ImageHandler = std::function<void(const QImage &image)>;

    explicit ContinuityRuntime(QObject *parent = nullptr);

    // The process's runtime, made on first use (on the main thread).
    static ContinuityRuntime &shared();

    // Shows the import menu at `point` (global coordinates), or at the top centre of the
    // primary screen, 0.05 s from now. The chosen image goes to `handler` once. While an
    // import is pending a second call only prints a warning.
    virtual void showContinuityItem(ImageHandler handler, std::optional<QPoint> point);

    // Appends `text` to the file at `path`, creating it (and its folder) when missing.
    // Safe from any thread.
    virtual void appendDebugLog(const QString &text, const QString &path);
    // "$XDG_STATE_HOME/Quorvane/continuity-debug.log".
    static QString debugLogPath();

    bool isImportPending() const { return m_pending; }

protected:
    // Shows the menu and hands its outcome to `deliverImage` or `cancelImport`.
    virtual void presentImportMenu(const QPoint &point);
    // Calls the kept handler once with `image`, then ends the pending import.
    void deliverImage(const QImage &image);
    // Ends the pending import without an image.
    void cancelImport();

private:
    QImage imageFromFileDialog();

    bool m_pending = false;
    ImageHandler m_handler;
    QMutex m_logLock;
};

} // namespace quorvane
