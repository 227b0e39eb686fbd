// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text_utils.h"

#include <QTextBoundaryFinder>

namespace quorvane {

int graphemeCount(const QString &text)
{
    if (text.isEmpty())
        return 0;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() != -1)
        ++count;
    return count;
}

QString graphemePrefix(const QString &text, int count)
{
    if (count <= 0)
        return {};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (int i = 0; i < count; ++i) {
        const qsizetype next = finder.toNextBoundary();
        if (next == -1)
            return text;
        end = next;
    }
    return text.left(end);
}

QString leftToRightRun(const QString &text)
{
    return QChar(0x2066) + text + QChar(0x2069);
}

} // namespace quorvane
