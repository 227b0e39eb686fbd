// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/theme_icon.h"

#include <QApplication>
#include <QPainter>

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

QPixmap themeSymbolPixmap(const QStringList &themeNames, int size, const QColor &colour, qreal devicePixelRatio)
{
    for (const QString &themeName : themeNames) {
        const QString name = themeName + QStringLiteral("-symbolic");
        if (!QIcon::hasThemeIcon(name))
            continue;
        QPixmap pixmap = QIcon::fromTheme(name).pixmap(QSize(size, size), devicePixelRatio);
        if (pixmap.isNull())
            continue;
        // Symbolic icons are one-colour shapes: they take the colour asked for.
        QPainter painter(&pixmap);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(QRect(QPoint(0, 0), pixmap.size()), colour);
        return pixmap;
    }
    return {};
}

} // namespace quorvane
