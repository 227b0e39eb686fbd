// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/continuity_runtime.h"

#include "capture/image_file_reader.h"
#include "core/diagnostics.h"
#include "core/future_outcome.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace quorvane {

ContinuityRuntime::ContinuityRuntime(QObject *parent, FileReader readFile)
    : QObject(parent), m_readFile(readFile ? std::move(readFile) : FileReader(&ImageFileReader::read))
{
}

void ContinuityRuntime::showContinuityItem(ImageHandler handler, std::optional<QPoint> point)
{
    if (m_pending) {
        diag(lcImport(), QStringLiteral("[ContinuityRuntime] An import is already pending - ignoring this request"));
        return;
    }
    m_pending = true;
    m_handler = std::move(handler);
    diag(lcImport(), QStringLiteral("[ContinuityRuntime] Import requested"));
    QPoint at;
    if (point) {
        at = *point;
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        // Below where a top panel would be, so the menu does not open over it.
        at = QPoint(screen->geometry().center().x(), screen->geometry().top() + 22);
    }
    QTimer::singleShot(50, this, [this, at] {
        presentImportMenu(at);
        // The handler stays kept after the menu closes: it is replaced by the next request.
        m_pending = false;
    });
}

void ContinuityRuntime::presentImportMenu(const QPoint &point)
{
    QMenu menu;
    //: Import menu item that opens an image file
    //% "Choose Image File…"
    QAction *fromFile = menu.addAction(qtTrId("continuity.import.file"));
    //: Import menu item that takes the clipboard's image
    //% "Paste Image from Clipboard"
    QAction *fromClipboard = menu.addAction(qtTrId("continuity.import.clipboard"));
    const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData();
    fromClipboard->setEnabled(clipboard && clipboard->hasImage());

    QAction *chosen = menu.exec(point);
    if (chosen == fromFile) {
        importChosenFile();
    } else if (chosen == fromClipboard) {
        importClipboardImage();
    } else {
        diag(lcImport(), QStringLiteral("ℹ️ [ContinuityRuntime] Import menu closed without a choice"));
    }
}

void ContinuityRuntime::importClipboardImage()
{
    // The clipboard may have changed since the menu was built, or offer an image type
    // whose data does not decode.
    const QMimeData *offer = QGuiApplication::clipboard()->mimeData();
    if (offer && m_wrapper.readSelection(*offer))
        return;
    diagWarning(lcImport(), QStringLiteral("[ContinuityRuntime] The clipboard holds no readable image"));
    emit importFailed(ImageImportError(ImageImportErrorKind::unreadableClipboard));
}

QString ContinuityRuntime::chooserFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QFileInfo(pictures).isDir())
        return pictures;
    return QDir::homePath();
}

QString ContinuityRuntime::chooseImageFile()
{
    const QString folder = chooserFolder();
    return QFileDialog::getOpenFileName(
        //: Title of the image file chooser
        //% "Import Image"
        nullptr, qtTrId("continuity.import.dialog_title"),
        folder,
        ImageFileReader::fileFilter(
            //: File type filter name for images
            //% "Images"
            qtTrId("continuity.import.filter")));
}

void ContinuityRuntime::importChosenFile()
{
    const QString path = chooseImageFile();
    if (path.isEmpty())
        return;
    // A large photo takes seconds to decode; the program keeps answering meanwhile.
    m_reading = true;
    struct Outcome {
        QImage image;
        std::optional<ImageImportError> error;
    };
    finishedOnThreadOf(this, QtConcurrent::run([read = m_readFile, path] {
        try {
            return Outcome{read(path), std::nullopt};
        } catch (const ImageImportError &error) {
            return Outcome{QImage(), error};
        } catch (...) {
            // Out of memory, most likely: said like any other file that cannot be read.
            return Outcome{QImage(), ImageImportError(ImageImportErrorKind::unreadableFile, QFileInfo(path).fileName())};
        }
    })).then(this, [this](const Outcome &outcome) {
        m_reading = false;
        if (outcome.error) {
            diagWarning(lcImport(), QStringLiteral("[ContinuityRuntime] Could not read the chosen file"));
            emit importFailed(*outcome.error);
            return;
        }
        // Handed on decoded, so the orientation read above is kept.
        didReceiveImage(outcome.image);
    });
}

void ContinuityRuntime::didReceiveImage(const QImage &image)
{
    diag(lcImport(), QStringLiteral("[ContinuityRuntime] Received image, size=%1x%2").arg(image.width()).arg(image.height()));
    // Taken out first: a handler that starts the next import keeps its own handler.
    const ImageHandler handler = std::exchange(m_handler, nullptr);
    m_pending = false;
    if (handler)
        handler(image);
}

} // namespace quorvane
