// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QRectF>

namespace quorvane {

// A captured image made ready for the text engine, which reads small anti-aliased screen
// text poorly: grey scale, dark text on a light background, small text scaled up, and a
// blank margin around it. Maps the engine's boxes back to the captured image.
class RecognitionImage {
public:
    // Largest side the engine accepts; larger images fail inside it.
    static constexpr int kEngineSideLimit = 32767;

    // What the captured image shows. Program text (code mode) in low contrast has its grey
    // levels spread over the full range and is scaled by a whole factor.
    enum class Content { text, programText };

    explicit RecognitionImage(const QImage &captured, Content content = Content::text);

    // Grayscale8, dark on light.
    const QImage &pixels() const { return m_pixels; }
    // Factor from captured pixels to engine pixels (before the margin).
    double scale() const { return m_scale; }
    // Whether the captured image had light text on a dark background.
    bool inverted() const { return m_inverted; }
    // Pixels per inch to tell the engine, so its size heuristics fit screen text.
    int resolution() const;

    // The blank margin around the scaled image at `scale`, in the engine's pixels: the
    // captured image's pixel (x, y) starts at margin + (x, y) × scale.
    static int marginFor(double scale);

    // `enginePixels` as a box of the captured image normalised to 0...1, origin at the
    // lower left and y growing upward.
    QRectF normalisedBox(const QRectF &enginePixels) const;

private:
    QImage m_pixels;
    QSize m_scaledSize;  // the captured image after scaling, without the margin
    double m_scale = 1.0;
    int m_margin = 0;
    bool m_inverted = false;
};

} // namespace quorvane
