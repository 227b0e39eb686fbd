// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QFontDatabase>
#include <QString>

namespace quorvane::test {

// A font loaded from the file `path` names, so rendered test images do not depend on the
// machine's font configuration.
inline QFont fontFromFile(const QString &path, int pixelSize)
{
    const int id = QFontDatabase::addApplicationFont(path);
    QFont font(QFontDatabase::applicationFontFamilies(id).value(0));
    font.setStyleName(QFontDatabase::styleString(font));
    font.setPixelSize(pixelSize);
    return font;
}

// A font scripts/install-deps installs: `file` is a DejaVu file name such as
// "DejaVuSans.ttf".
inline QFont dejaVuFont(const QString &file, int pixelSize)
{
    return fontFromFile(QStringLiteral("/usr/share/fonts/truetype/dejavu/") + file, pixelSize);
}

// A Noto font scripts/install-deps installs, for scripts DejaVu lacks: `file` is a file
// name such as "NotoSansThai-Regular.ttf".
inline QFont notoFont(const QString &file, int pixelSize)
{
    return fontFromFile(QStringLiteral("/usr/share/fonts/truetype/noto/") + file, pixelSize);
}

} // namespace quorvane::test
