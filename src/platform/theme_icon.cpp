// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/theme_icon.h"

#include <QApplication>

namespace quorvane {

QIcon themeIcon(const QStringList &themeNames, QStyle::StandardPixmap fallback)
{
    for (const QString &themeName : themeNames) {
        for (const QString &candidate : {themeName + QStringLiteral("-symbolic"), themeName}) {
            if (QIcon::hasThemeIcon(candidate))
                return QIcon::fromTheme(candidate);
        }
    }
    return QApplication::style()->standardIcon(fallback);
}

} // namespace quorvane
