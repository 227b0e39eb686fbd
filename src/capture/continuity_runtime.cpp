#include "capture/continuity_runtime.h"

#include "core/diagnostics.h"
#include "platform/l10n.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

namespace quorvane {

ContinuityRuntime::ContinuityRuntime(QObject *parent) : QObject(parent) {}

ContinuityRuntime &ContinuityRuntime::shared()
{
    static ContinuityRuntime *const instance = new ContinuityRuntime(QCoreApplication::instance());
    return *instance;
}

QString ContinuityRuntime::debugLogPath()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty())
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/Quorvane/continuity-debug.log");
}

void ContinuityRuntime::appendDebugLog(const QString &text, const QString &path)
{
    QMutexLocker lock(&m_logLock);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(text.toUtf8());
}

void ContinuityRuntime::showContinuityItem(ImageHandler handler, std::optional<QPoint> point)
{
    if (m_pending) {
        diag(QStringLiteral("⚠️ [ContinuityRuntime] An import is already pending - ignoring this request"));
        return;
    }
    m_pending = true;
    m_handler = std::move(handler);
    QPoint at;
    if (point) {
        at = *point;
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        at = QPoint(screen->geometry().center().x(), screen->geometry().top());
    }
    QTimer::singleShot(50, this, [this, at] { presentImportMenu(at); });
}

void ContinuityRuntime::presentImportMenu(const QPoint &point)
{
    QMenu menu;
    QAction *fromFile = menu.addAction(L10n::text("continuity.import.file", "Choose Image File…",
                                                  "Import menu item that opens an image file"));
    QAction *fromClipboard = menu.addAction(L10n::text("continuity.import.clipboard", "Paste Image from Clipboard",
                                                       "Import menu item that takes the clipboard's image"));
    const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData();
    fromClipboard->setEnabled(clipboard && clipboard->hasImage());

    QAction *chosen = menu.exec(point);
    QImage image;
    if (chosen == fromFile) {
        image = imageFromFileDialog();
    } else if (chosen == fromClipboard) {
        if (const QMimeData *data = QGuiApplication::clipboard()->mimeData(); data && data->hasImage())
            image = qvariant_cast<QImage>(data->imageData());
    }
    if (image.isNull()) {
        diag(QStringLiteral("ℹ️ [ContinuityRuntime] Import ended without an image"));
        cancelImport();
    } else {
        deliverImage(image);
    }
}

QImage ContinuityRuntime::imageFromFileDialog()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString path = QFileDialog::getOpenFileName(
        nullptr, L10n::text("continuity.import.dialog_title", "Import Image", "Title of the image file chooser"),
        folder, L10n::text("continuity.import.filter", "Images", "File type filter name for images")
                    + QStringLiteral(" (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff *.heic)"));
    if (path.isEmpty())
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(true); // photos carry their orientation in EXIF
    QImage image = reader.read();
    if (image.isNull())
        diag(QStringLiteral("❌ [ContinuityRuntime] Could not read %1: %2").arg(path, reader.errorString()));
    return image;
}

void ContinuityRuntime::deliverImage(const QImage &image)
{
    ImageHandler handler = std::move(m_handler);
    m_handler = nullptr;
    m_pending = false;
    if (handler)
        handler(image);
}

void ContinuityRuntime::cancelImport()
{
    m_handler = nullptr;
    m_pending = false;
}

} // namespace quorvane
