// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how long a code scan takes to give up on an image without a code: noise, the
// worst case for the readers, at screen and photo sizes. Target: no more than a few
// seconds for a 12 MP image. Usage: scan_noise [megapixels...]
#include "capture/code_scan_error.h"
#include "capture/code_scan_service.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QRandomGenerator>

#include <cmath>
#include <cstdio>

using namespace quorvane;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QList<double> megapixels{2.07, 12.0};
    if (argc > 1) {
        megapixels.clear();
        for (int i = 1; i < argc; ++i)
            megapixels << QString::fromLatin1(argv[i]).toDouble();
    }
    CodeScanService service;
    for (const double mp : megapixels) {
        const int width = int(std::sqrt(mp * 1e6 * 16 / 9));
        const int height = int(mp * 1e6 / width);
        QImage noise(width, height, QImage::Format_Grayscale8);
        QRandomGenerator random(7);
        for (int y = 0; y < height; ++y) {
            uchar *line = noise.scanLine(y);
            for (int x = 0; x < width; ++x)
                line[x] = uchar(random.bounded(256));
        }
        QElapsedTimer clock;
        clock.start();
        QFuture<DetectedCode> scan = service.detectBestCode(noise);
        const char *outcome = "code";
        try {
            scan.waitForFinished();
        } catch (const CodeScanError &error) {
            outcome = error.kind() == CodeScanErrorKind::noCodeDetected ? "no code"
                      : error.kind() == CodeScanErrorKind::timedOut     ? "stopped at its time limit"
                                                                         : "failed";
        }
        std::printf("%5d x %5d noise (%.1f MP): %s in %lld ms\n", width, height, mp, outcome,
                    static_cast<long long>(clock.elapsed()));
    }
    return 0;
}
