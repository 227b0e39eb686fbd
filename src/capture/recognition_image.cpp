// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/recognition_image.h"

#include "capture/grey_image.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

namespace quorvane {

namespace {

// Lines of text are scaled to about this height. Screen text at 1x (11 to 16 px fonts)
// makes lines of 10 to 18 px, on which the engine misreads punctuation and thin letters;
// from about 20 px on it reads them reliably. Recognition time grows with the line height,
// so no more than that.
constexpr double kTargetLineHeight = 20;
constexpr double kMaxScale = 4.0;
// Upscaling a large capture buys nothing and costs time and memory.
constexpr qint64 kMaxEnginePixels = 24'000'000;
constexpr int kMarginAtScale1 = 8;
constexpr int kScreenResolution = 96;
// Below this difference between background and ink there is no telling text apart.
constexpr int kMinContrast = 24;
// Program text whose colour differs from its background by less than this has its levels
// spread over the whole grey range. Editor and terminal themes often draw it so (Solarized's
// #657b83 on #fdf6e3 and #839496 on #002b36 differ by 100 to 120), and without a dictionary
// the engine misread such text about twice as often as the same text in strong contrast;
// spread, about as seldom. Text in strong contrast (black on white, a terminal's light grey
// on near black, about 150 and more) is left as it is: spreading it gained nothing.
constexpr int kLowContrast = 140;

// Median height of the bands of rows that hold ink: the height of a text line, from the
// top of its tallest letters to the bottom of its descenders. 0 when nothing stands out.
// A frame, rule or stippled bar running down the capture puts the same ink in every row
// and would join all lines into one band as tall as the capture; so a row counts as
// holding ink only when it has more than the emptiest rows (taken at the 5th percentile,
// as a frame's first or last row can be emptier than the rest).
double medianLineHeight(const QImage &grey, int background, int ink)
{
    if (background - ink < kMinContrast || grey.height() == 0)
        return 0;
    const int threshold = (background + ink) / 2;
    std::vector<int> inkPerRow(size_t(grey.height()));
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *row = grey.constScanLine(y);
        inkPerRow[size_t(y)] = int(std::count_if(row, row + grey.width(), [&](uchar level) { return level < threshold; }));
    }
    std::vector<int> sorted = inkPerRow;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 20, sorted.end());
    const int baseline = sorted[sorted.size() / 20];

    std::vector<int> heights;
    int run = 0;
    for (int y = 0; y <= grey.height(); ++y) {
        if (y < grey.height() && inkPerRow[size_t(y)] > baseline) {
            ++run;
        } else if (run > 0) {
            heights.push_back(run);
            run = 0;
        }
    }
    if (heights.empty())
        return 0;
    std::nth_element(heights.begin(), heights.begin() + heights.size() / 2, heights.end());
    return heights[heights.size() / 2];
}

// Spreads the levels from `ink` (the darkest 1 %, so that the cores of thin strokes turn
// black) to `background` over 0 to 255.
void spreadContrast(QImage &grey, int background, int ink)
{
    std::array<uchar, 256> level{};
    for (int from = 0; from < 256; ++from)
        level[size_t(from)] = uchar(std::clamp(qRound((from - ink) * 255.0 / (background - ink)), 0, 255));
    for (int y = 0; y < grey.height(); ++y) {
        uchar *row = grey.scanLine(y);
        for (int x = 0; x < grey.width(); ++x)
            row[x] = level[row[x]];
    }
}

// The level of the text's colour: of the pixels clearly darker than the background, the
// one below which 30 % of them lie. Unlike the darkest pixels of the whole image it holds
// for a few lines of text in a large capture and for a thin black frame around it.
int textLevel(const GreyHistogram &histogram, int background)
{
    GreyHistogram darker{};
    std::copy_n(histogram.begin(), std::max(0, background - kMinContrast + 1), darker.begin());
    return percentile(darker, 0.3);
}

// `wholeFactor` rounds the scale up to a whole number: every cell of a monospaced font is
// then resampled alike, and its spread strokes stay alike from character to character. On
// program text in low contrast the engine misread about a quarter fewer characters so, for
// 10 to 20 % more time; on text in strong contrast it misread some operators and digits it
// reads at the usual scale.
double scaleFor(QSize size, double lineHeight, bool wholeFactor)
{
    double wanted = lineHeight > 0 ? kTargetLineHeight / lineHeight : kMaxScale / 2;
    if (wholeFactor)
        wanted = std::ceil(wanted);
    // Two pixels spare for rounding the scaled size and the margins.
    const double bySide = double(RecognitionImage::kEngineSideLimit - 2)
                          / (std::max(size.width(), size.height()) + 2 * kMarginAtScale1);
    const double byArea = std::sqrt(double(kMaxEnginePixels) / (double(size.width()) * size.height()));
    return std::max(1.0, std::min({wanted, kMaxScale, bySide, byArea}));
}

} // namespace

RecognitionImage::RecognitionImage(const QImage &captured, Content content)
{
    QImage grey = greyOnWhite(captured);
    // Background covers most of a text image: its level is the median.
    GreyHistogram histogram{};
    addToHistogram(histogram, grey, grey.rect());
    m_inverted = percentile(histogram, 0.5) < 128;
    if (m_inverted) {
        grey.invertPixels();
        std::reverse(histogram.begin(), histogram.end());
    }
    int background = percentile(histogram, 0.5);
    int ink = percentile(histogram, 0.01);
    const int contrast = background - textLevel(histogram, background);
    const bool lowContrastCode = content == Content::programText && contrast >= kMinContrast
                                 && contrast < kLowContrast && background - ink >= kMinContrast;
    if (lowContrastCode) {
        spreadContrast(grey, background, ink);
        background = 255;
        ink = 0;
    }

    m_scale = scaleFor(grey.size(), medianLineHeight(grey, background, ink), lowContrastCode);
    if (m_scale > 1.0) {
        grey = grey.scaled(qRound(grey.width() * m_scale), qRound(grey.height() * m_scale),
                           Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    m_scaledSize = grey.size();
    // Text that touches the border is often lost; a blank margin avoids that.
    m_margin = marginFor(m_scale);
    m_pixels = QImage(grey.width() + 2 * m_margin, grey.height() + 2 * m_margin, QImage::Format_Grayscale8);
    m_pixels.fill(background);
    for (int y = 0; y < grey.height(); ++y)
        std::memcpy(m_pixels.scanLine(y + m_margin) + m_margin, grey.constScanLine(y), size_t(grey.width()));
}

int RecognitionImage::marginFor(double scale)
{
    return qRound(kMarginAtScale1 * scale);
}

int RecognitionImage::resolution() const
{
    return qRound(kScreenResolution * m_scale);
}

QRectF RecognitionImage::normalisedBox(const QRectF &enginePixels) const
{
    const double w = m_scaledSize.width();
    const double h = m_scaledSize.height();
    const double left = (enginePixels.left() - m_margin) / w;
    const double top = (enginePixels.top() - m_margin) / h;
    const double width = enginePixels.width() / w;
    const double height = enginePixels.height() / h;
    return QRectF(left, 1.0 - top - height, width, height);
}

} // namespace quorvane
