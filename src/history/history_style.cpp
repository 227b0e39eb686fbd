// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_style.h"
#include "platform/theme_icon.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

namespace quorvane {

namespace {

// Relative sizes of the text styles, body = 1.
qreal scaleOf(HistoryStyle::TextStyle style)
{
    switch (style) {
    case HistoryStyle::TextStyle::caption: return 10.0 / 13.0;
    case HistoryStyle::TextStyle::subheadline: return 11.0 / 13.0;
    case HistoryStyle::TextStyle::body: return 1.0;
    case HistoryStyle::TextStyle::headline: return 1.0;
    case HistoryStyle::TextStyle::title3: return 15.0 / 13.0;
    case HistoryStyle::TextStyle::title2: return 17.0 / 13.0;
    }
    return 1.0;
}

struct SymbolSource {
    QStringList themeNames;
    QStyle::StandardPixmap fallback;
};

const QHash<QString, SymbolSource> &symbolTable()
{
    static const QHash<QString, SymbolSource> table{
        {"magnifyingglass", {{"edit-find", "system-search"}, QStyle::SP_FileDialogContentsView}},
        {"xmark.circle.fill", {{"edit-clear", "window-close"}, QStyle::SP_LineEditClearButton}},
        {"calendar", {{"x-office-calendar", "office-calendar"}, QStyle::SP_FileDialogDetailedView}},
        {"checkmark", {{"object-select", "dialog-ok"}, QStyle::SP_DialogApplyButton}},
        {"trash", {{"user-trash", "edit-delete"}, QStyle::SP_TrashIcon}},
        {"photo", {{"image-x-generic", "image"}, QStyle::SP_FileIcon}},
        {"doc.on.doc", {{"edit-copy"}, QStyle::SP_FileDialogNewFolder}},
        {"pin", {{"view-pin", "pin"}, QStyle::SP_TitleBarShadeButton}},
        {"doc.text", {{"text-x-generic", "document-edit"}, QStyle::SP_FileIcon}},
        {"square.and.arrow.up", {{"document-send", "document-save-as", "document-export"}, QStyle::SP_DialogSaveButton}},
        {"doc.plaintext", {{"text-x-generic"}, QStyle::SP_FileIcon}},
        {"doc.richtext", {{"text-x-generic-template", "text-x-generic"}, QStyle::SP_FileIcon}},
        {"doc.fill", {{"x-office-document", "application-pdf"}, QStyle::SP_FileIcon}},
        {"sidebar.left", {{"sidebar-show", "view-dual"}, QStyle::SP_FileDialogListView}},
        {"arrow.clockwise", {{"view-refresh"}, QStyle::SP_BrowserReload}},
        {"chevron.left.forwardslash.chevron.right", {{"text-x-script", "applications-development"}, QStyle::SP_FileIcon}},
    };
    return table;
}

qreal bodyPointSize()
{
    const qreal size = QApplication::font().pointSizeF();
    return size > 0 ? size : 10;
}

// Icon themes have no freehand-selection symbol: a dashed loop with a short tail.
QPixmap lassoPixmap(int size, const QColor &colour)
{
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QPen pen(colour, std::max<qreal>(1.5, s / 18));
    pen.setCapStyle(Qt::RoundCap);
    pen.setDashPattern({2.2, 1.8});
    painter.setPen(pen);
    painter.drawEllipse(QRectF(s * 0.08, s * 0.12, s * 0.84, s * 0.56));
    pen.setStyle(Qt::SolidLine);
    painter.setPen(pen);
    QPainterPath tail(QPointF(s * 0.30, s * 0.64));
    tail.cubicTo(QPointF(s * 0.22, s * 0.80), QPointF(s * 0.40, s * 0.86), QPointF(s * 0.30, s * 0.95));
    painter.drawPath(tail);
    return pixmap;
}

} // namespace

QFont HistoryStyle::font(TextStyle style, bool monospaced)
{
    QFont base = monospaced ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : QApplication::font();
    base.setPointSizeF(bodyPointSize() * scaleOf(style));
    if (style == TextStyle::headline)
        base.setWeight(QFont::DemiBold);
    return base;
}

QFont HistoryStyle::systemFont(qreal points, QFont::Weight weight)
{
    QFont f = QApplication::font();
    f.setPointSizeF(bodyPointSize() * points / 13.0);
    f.setWeight(weight);
    return f;
}

QColor HistoryStyle::primary(const QPalette &palette)
{
    return palette.color(QPalette::WindowText);
}

QColor HistoryStyle::secondary(const QPalette &palette)
{
    return withOpacity(palette.color(QPalette::WindowText), 0.55);
}

QColor HistoryStyle::accent(const QPalette &palette)
{
    return palette.color(QPalette::Highlight);
}

QColor HistoryStyle::withOpacity(QColor colour, qreal opacity)
{
    colour.setAlphaF(colour.alphaF() * opacity);
    return colour;
}

QIcon HistoryStyle::symbol(const QString &name)
{
    // One icon per symbol for the program's life. Qt caches an icon's pixmaps under the
    // icon's own key, so a new icon for every window that opens would leave another set
    // of pixmaps in the cache each time.
    static QHash<QString, QIcon> icons;
    if (const auto kept = icons.constFind(name); kept != icons.constEnd())
        return *kept;
    const auto source = symbolTable().constFind(name);
    if (source == symbolTable().constEnd())
        return {};
    return *icons.insert(name, themeIcon(source->themeNames, source->fallback));
}

QPixmap HistoryStyle::symbolPixmap(const QString &name, int size, const QColor &colour)
{
    if (name == QLatin1String("lasso"))
        return lassoPixmap(size, colour);
    const QIcon icon = symbol(name);
    QPixmap pixmap = icon.pixmap(size, size);
    // Only the theme's symbolic icons are single-colour shapes. The style's fallback (a
    // desktop without an icon theme) is drawn in colour: flooding it would lose its drawing.
    if (pixmap.isNull() || icon.name().isEmpty())
        return pixmap;
    // Symbolic icons are single-colour shapes: recolour them like text.
    QPainter painter(&pixmap);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(pixmap.rect(), colour);
    return pixmap;
}

} // namespace quorvane
