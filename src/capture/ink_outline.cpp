// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/ink_outline.h"

#include <QLineF>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace quorvane {

namespace {

// The outline is found on a copy at most this wide and high: enough for the corners of a
// patch a tenth of it across to within a few per cent, and quick on a photo.
constexpr int kWorkingSide = 400;

// Otsu's threshold: the grey level that best splits the histogram into two classes.
int otsuThreshold(const QImage &grey)
{
    std::array<qint64, 256> histogram{};
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *row = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x)
            ++histogram[row[x]];
    }
    const qint64 total = qint64(grey.width()) * grey.height();
    double sum = 0;
    for (int i = 0; i < 256; ++i)
        sum += double(i) * histogram[i];
    double sumBelow = 0, best = -1;
    qint64 below = 0;
    int threshold = 128;
    for (int t = 0; t < 256; ++t) {
        below += histogram[t];
        sumBelow += double(t) * histogram[t];
        if (below == 0 || below == total)
            continue;
        const double meanBelow = sumBelow / below, meanAbove = (sum - sumBelow) / (total - below);
        const double between = double(below) * (total - below) * (meanBelow - meanAbove) * (meanBelow - meanAbove);
        if (between > best) {
            best = between;
            threshold = t + 1;
        }
    }
    return threshold;
}

enum : uint8_t { kLight, kInk, kGround };

// Dark pixels connected to the image's edge become ground.
void markGround(std::vector<uint8_t> &pixels, int width, int height)
{
    std::vector<int> stack;
    const auto push = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < width && y < height && pixels[y * width + x] == kInk) {
            pixels[y * width + x] = kGround;
            stack.push_back(y * width + x);
        }
    };
    for (int x = 0; x < width; ++x) {
        push(x, 0);
        push(x, height - 1);
    }
    for (int y = 0; y < height; ++y) {
        push(0, y);
        push(width - 1, y);
    }
    while (!stack.empty()) {
        const int at = stack.back();
        stack.pop_back();
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx)
                push(at % width + dx, at / width + dy);
        }
    }
}

// Whether each pixel has ink within `radius` pixels along both axes.
std::vector<uint8_t> nearInk(const std::vector<uint8_t> &pixels, int width, int height, int radius)
{
    std::vector<uint8_t> across(pixels.size()), near(pixels.size());
    for (int y = 0; y < height; ++y) {
        int count = 0;
        for (int x = -radius; x < width; ++x) {
            if (x + radius < width)
                count += pixels[y * width + x + radius] == kInk;
            if (x - radius - 1 >= 0)
                count -= pixels[y * width + x - radius - 1] == kInk;
            if (x >= 0)
                across[y * width + x] = count > 0;
        }
    }
    for (int x = 0; x < width; ++x) {
        int count = 0;
        for (int y = -radius; y < height; ++y) {
            if (y + radius < height)
                count += across[(y + radius) * width + x];
            if (y - radius - 1 >= 0)
                count -= across[(y - radius - 1) * width + x];
            if (y >= 0)
                near[y * width + x] = count > 0;
        }
    }
    return near;
}

double cross(QPointF o, QPointF a, QPointF b)
{
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
}

// The convex hull of `points` (Andrew's monotone chain), counter-clockwise.
QList<QPointF> convexHull(QList<QPointF> points)
{
    std::sort(points.begin(), points.end(),
              [](QPointF a, QPointF b) { return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y()); });
    if (points.size() < 3)
        return points;
    QList<QPointF> hull(2 * points.size());
    qsizetype k = 0;
    for (const QPointF &p : points) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], p) <= 0)
            --k;
        hull[k++] = p;
    }
    for (qsizetype i = points.size() - 2, lower = k + 1; i >= 0; --i) {
        while (k >= lower && cross(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    hull.resize(k - 1);
    return hull;
}

} // namespace

std::optional<QPolygonF> inkOutline(const QImage &image)
{
    if (image.isNull())
        return std::nullopt;
    const double shrink = std::min(1.0, double(kWorkingSide) / std::max(image.width(), image.height()));
    const QImage grey = (shrink < 1 ? image.scaled(std::max(1, qRound(image.width() * shrink)),
                                                   std::max(1, qRound(image.height() * shrink)), Qt::IgnoreAspectRatio,
                                                   Qt::SmoothTransformation)
                                    : image)
                            .convertToFormat(QImage::Format_Grayscale8);
    const int width = grey.width(), height = grey.height();
    const int threshold = otsuThreshold(grey);
    std::vector<uint8_t> pixels(size_t(width) * height);
    for (int y = 0; y < height; ++y) {
        const uchar *row = grey.constScanLine(y);
        for (int x = 0; x < width; ++x)
            pixels[y * width + x] = row[x] < threshold ? kInk : kLight;
    }
    markGround(pixels, width, height);

    // Ink a few pixels apart (the light modules between dark ones) is one patch.
    const int gap = std::max(1, std::min(width, height) / 50);
    const std::vector<uint8_t> near = nearInk(pixels, width, height, gap);
    std::vector<int> patch(pixels.size(), -1);
    std::vector<int> inkCount;
    std::vector<int> stack;
    for (int start = 0; start < width * height; ++start) {
        if (!near[start] || patch[start] >= 0)
            continue;
        const int label = int(inkCount.size());
        inkCount.push_back(0);
        patch[start] = label;
        stack.push_back(start);
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            inkCount[label] += pixels[at] == kInk;
            const int ax = at % width, ay = at / width;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int x = ax + dx, y = ay + dy;
                    if (x < 0 || y < 0 || x >= width || y >= height)
                        continue;
                    const int next = y * width + x;
                    if (near[next] && patch[next] < 0) {
                        patch[next] = label;
                        stack.push_back(next);
                    }
                }
            }
        }
    }
    if (inkCount.empty())
        return std::nullopt;
    const int largest = int(std::max_element(inkCount.begin(), inkCount.end()) - inkCount.begin());

    // Each row's outermost ink pixels, by their outer corners, carry the hull.
    QList<QPointF> edges;
    for (int y = 0; y < height; ++y) {
        int left = -1, right = -1;
        for (int x = 0; x < width; ++x) {
            if (pixels[y * width + x] == kInk && patch[y * width + x] == largest) {
                if (left < 0)
                    left = x;
                right = x;
            }
        }
        if (left >= 0)
            edges << QPointF(left, y) << QPointF(left, y + 1) << QPointF(right + 1, y) << QPointF(right + 1, y + 1);
    }
    const QList<QPointF> hull = convexHull(edges);
    if (hull.size() < 4)
        return std::nullopt;

    // Opposite corners first: the hull point farthest from the centre, then the one
    // farthest from it; then on each side of that diagonal the point farthest from it.
    QPointF centre;
    for (const QPointF &p : hull)
        centre += p / double(hull.size());
    const auto farthestFrom = [&](QPointF from) {
        return *std::max_element(hull.begin(), hull.end(), [&](QPointF a, QPointF b) {
            return QLineF(from, a).length() < QLineF(from, b).length();
        });
    };
    const QPointF first = farthestFrom(centre);
    const QPointF third = farthestFrom(first);
    const auto side = [&](QPointF p) { return cross(first, third, p); };
    const auto byDistance = [&](QPointF a, QPointF b) { return side(a) < side(b); };
    const QPointF second = *std::max_element(hull.begin(), hull.end(), byDistance);
    const QPointF fourth = *std::min_element(hull.begin(), hull.end(), byDistance);
    const double diagonal = QLineF(first, third).length();
    if (diagonal < std::min(width, height) / 10.0 || side(second) <= 0 || side(fourth) >= 0)
        return std::nullopt;
    QPolygonF outline{first, second, third, fourth};
    for (QPointF &corner : outline)
        corner /= shrink;
    return outline;
}

} // namespace quorvane
