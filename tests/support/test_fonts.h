#pragma once

#include <QFont>
#include <QFontDatabase>
#include <QString>

namespace quorvane::test {

// A font loaded from the file scripts/install-deps installs, so rendered test images do
// not depend on the machine's font configuration. `file` is a DejaVu file name such as
// "DejaVuSans.ttf".
inline QFont dejaVuFont(const QString &file, int pixelSize)
{
    const int id = QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/") + file);
    QFont font(QFontDatabase::applicationFontFamilies(id).value(0));
    font.setStyleName(QFontDatabase::styleString(font));
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace quorvane::test
