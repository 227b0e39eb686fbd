// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portal_screenshot.h"

#include "platform/portal_interfaces.h"
#include "platform/portal_request.h"

#include <QFile>
#include <QImageReader>
#include <QUrl>

namespace quorvane {

PortalScreenshot::PortalScreenshot(QDBusConnection bus) : m_bus(std::move(bus)) {}

QFuture<QImage> PortalScreenshot::take() const
{
    // Asked first, so that a portal without screenshots is told apart from one that failed.
    return PortalInterfaces(m_bus)
        .versionLater(PortalInterfaces::screenshot)
        .then([bus = m_bus](uint) {
            const QVariantMap options{{QStringLiteral("interactive"), false}, {QStringLiteral("modal"), true}};
            return PortalRequest::call(bus, PortalInterfaces::screenshot, QStringLiteral("Screenshot"), {QString()},
                                       options);
        })
        .unwrap()
        .then(QtFuture::Launch::Async, [](const QVariantMap &results) {
            const QUrl uri(results.value(QStringLiteral("uri")).toString());
            if (!uri.isLocalFile())
                throw PortalError(PortalError::Kind::denied, QStringLiteral("the portal gave no picture file"));
            const QString path = uri.toLocalFile();
            QImageReader reader(path);
            // A desktop of several 4K monitors is larger than Qt's default allocation limit.
            reader.setAllocationLimit(1024);
            QImage picture = reader.read();
            QFile::remove(path);
            if (picture.isNull())
                throw PortalError(PortalError::Kind::denied,
                                  QStringLiteral("the portal's picture cannot be read: %1").arg(reader.errorString()));
            return picture;
        });
}

} // namespace quorvane
