// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/continuity_delegate.h"
#include "capture/continuity_wrapper_controller.h"
#include "capture/image_import_error.h"

#include <QImage>
#include <QMimeData>
#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <optional>

namespace quorvane {

// Brings an image from outside the screen into the program: a small menu offers the
// images this machine can hand over (an image file, an image on the clipboard); the
// chosen source is read by the runtime's wrapper, which hands the image back to the
// runtime as its delegate, and the runtime passes it to the caller's handler. Main thread.
class ContinuityRuntime : public QObject, public ContinuityDelegate {
    Q_OBJECT
public:
    using ImageHandler = std::function<void(const QImage &image)>;

    // Decodes an image file; runs on a worker thread, so it must not use the runtime.
    using FileReader = std::function<QImage(const QString &path)>;

    // `readFile` absent means ImageFileReader::read.
    explicit ContinuityRuntime(QObject *parent = nullptr, FileReader readFile = {});

    // Shows the import menu at `point` (global coordinates), or just below the top centre
    // of the primary screen, 0.05 s from now. `handler` replaces any earlier one and gets
    // the next image once. While the menu is up a second call only prints a warning.
    virtual void showContinuityItem(ImageHandler handler, std::optional<QPoint> point);

    // Passes `image` to the kept handler, drops the handler and ends the pending import.
    // An image that arrives with no handler is dropped.
    void didReceiveImage(const QImage &image) override;

    // True from an accepted request until its menu has closed and the chosen file, if
    // any, has been read.
    bool isImportPending() const { return m_pending || m_reading; }
    bool hasHandler() const { return bool(m_handler); }

signals:
    // The chosen source held no image that could be read; `error` says which and why.
    void importFailed(const quorvane::ImageImportError &error);

protected:
    // Shows the menu at `point` and reads the chosen source; returns when the menu has
    // closed.
    virtual void presentImportMenu(const QPoint &point);
    // Asks for an image file and has it read.
    void importChosenFile();
    // Has the clipboard's image read.
    void importClipboardImage();
    // The image file the user picks; empty when they cancel.
    virtual QString chooseImageFile();

public:
    // The folder the file chooser opens in: the pictures folder, or the home folder when
    // that does not exist (a missing folder would end up as a file name in the chooser).
    static QString chooserFolder();

private:
    ContinuityWrapperController m_wrapper{*this};
    ImageHandler m_handler;
    FileReader m_readFile;
    bool m_pending = false;
    bool m_reading = false;
};

} // namespace quorvane
