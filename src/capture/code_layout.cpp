// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/code_layout.h"

#include "core/diagnostics.h"
#include "core/text_utils.h"

#include <algorithm>
#include <cmath>

namespace quorvane {

namespace {

constexpr double kFallbackCharWidth = 0.008;
constexpr double kLineToleranceFactor = 0.5;
constexpr double kMinGapInCharWidths = 0.3;

double minX(const TextObservation &o) { return o.boundingBox.x(); }
double maxX(const TextObservation &o) { return o.boundingBox.x() + o.boundingBox.width(); }
double midY(const TextObservation &o) { return o.boundingBox.y() + o.boundingBox.height() / 2.0; }

// Halves go away from zero, as std::round does.
int spacesFor(double distance, double charWidth)
{
    return static_cast<int>(std::round(distance / charWidth));
}

double meanCharacterWidth(const QList<TextObservation> &observations)
{
    double widths = 0;
    qint64 characters = 0;
    for (const TextObservation &o : observations) {
        if (!o.topCandidate || o.topCandidate->isEmpty())
            continue;
        widths += o.boundingBox.width();
        characters += graphemeCount(*o.topCandidate);
    }
    return characters < 1 ? kFallbackCharWidth : widths / static_cast<double>(characters);
}

} // namespace

QString extractTextWithIndentation(const QList<TextObservation> &observations)
{
    if (observations.isEmpty())
        return {};

    double heightSum = 0;
    for (const TextObservation &o : observations)
        heightSum += o.boundingBox.height();
    const double meanHeight = heightSum / static_cast<double>(observations.size());
    const double tolerance = meanHeight * kLineToleranceFactor;

    // Top of the image first (y grows upward).
    QList<TextObservation> sorted = observations;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const TextObservation &a, const TextObservation &b) { return midY(a) > midY(b); });

    // Each box joins the first line whose opening box is vertically close enough; the
    // opening box stays the reference so a slanted run cannot drift into the next line.
    QList<QList<TextObservation>> lines;
    for (const TextObservation &o : sorted) {
        const double y = midY(o);
        auto line = std::find_if(lines.begin(), lines.end(), [&](const QList<TextObservation> &l) {
            return std::abs(midY(l.first()) - y) < tolerance;
        });
        if (line != lines.end())
            line->append(o);
        else
            lines.append({o});
    }

    std::stable_sort(lines.begin(), lines.end(), [](const auto &a, const auto &b) {
        return midY(a.first()) > midY(b.first());
    });
    for (QList<TextObservation> &line : lines) {
        std::stable_sort(line.begin(), line.end(),
                         [](const TextObservation &a, const TextObservation &b) { return minX(a) < minX(b); });
    }

    double globalMinX = minX(observations.first());
    for (const TextObservation &o : observations)
        globalMinX = std::min(globalMinX, minX(o));
    const double charWidth = meanCharacterWidth(observations);

    diag(lcRecognition(), QStringLiteral("[CodeLayout] %1 boxes, %2 lines, mean height %3, tolerance %4, margin %5, "
                        "char width %6")
             .arg(observations.size())
             .arg(lines.size())
             .arg(meanHeight)
             .arg(tolerance)
             .arg(globalMinX)
             .arg(charWidth));

    QStringList output;
    output.reserve(lines.size());
    for (const QList<TextObservation> &line : lines) {
        const double leftEdge = minX(line.first());
        int leading = 0;
        if (charWidth > 0 && leftEdge - globalMinX > 0)
            leading = spacesFor(leftEdge - globalMinX, charWidth);

        QString text(leading, QLatin1Char(' '));
        double previousRight = leftEdge;
        for (const TextObservation &o : line) {
            if (!o.topCandidate)
                continue;
            const double gap = minX(o) - previousRight;
            if (charWidth > 0 && gap > kMinGapInCharWidths * charWidth) {
                const int gapSpaces = std::max(1, spacesFor(gap, charWidth));
                if (!text.isEmpty() && !text.endsWith(QLatin1Char(' ')))
                    text += QString(gapSpaces, QLatin1Char(' '));
            }
            text += *o.topCandidate;
            previousRight = maxX(o);
        }
        diagText(QStringLiteral("   [CodeLayout] line: \"%1\"").arg(graphemePrefix(text, 40)));
        output.append(text);
    }
    return output.join(QLatin1Char('\n'));
}

} // namespace quorvane
