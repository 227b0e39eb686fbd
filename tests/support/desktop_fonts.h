// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <QList>
#include <QString>

#include <string>

namespace quorvane::test {

// The interface fonts desktops draw in, each at the size it is set to by default: GNOME's
// Cantarell 11, KDE Plasma's Noto Sans 10, and DejaVu Sans 10 where neither is set up.
// Windows laid out for one of these can still be too small for another.
inline QList<QFont> desktopFonts()
{
    return {QFont(QStringLiteral("Cantarell"), 11), QFont(QStringLiteral("Noto Sans"), 10),
            QFont(QStringLiteral("DejaVu Sans"), 10)};
}

// `font` as the text of a failed check names it.
inline std::string fontName(const QFont &font)
{
    return QStringLiteral("%1 %2").arg(font.family()).arg(font.pointSize()).toStdString();
}

// Makes `font` the application's font for as long as it lives, as a desktop's settings do
// before any window is built; then the one before. A font that is not installed would
// silently measure another: check fontIsInstalled() first.
class ScopedApplicationFont {
public:
    explicit ScopedApplicationFont(const QFont &font) : m_before(QApplication::font()) { QApplication::setFont(font); }
    ~ScopedApplicationFont() { QApplication::setFont(m_before); }
    ScopedApplicationFont(const ScopedApplicationFont &) = delete;
    ScopedApplicationFont &operator=(const ScopedApplicationFont &) = delete;

    bool fontIsInstalled() const { return QFontInfo(QApplication::font()).family() == QApplication::font().family(); }

private:
    QFont m_before;
};

} // namespace quorvane::test
