#include "platform/x11_connection.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

namespace quorvane {

xcb_connection_t *x11Connection()
{
    if (!qApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

} // namespace quorvane
