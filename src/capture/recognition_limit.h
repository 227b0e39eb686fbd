// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QtGlobal>

#include <atomic>
#include <chrono>

namespace quorvane {

// How long one recognition may take, and whether the user called it off. Started on the
// recognition's thread; cancelled and read from any thread. Tesseract's monitor asks it
// between words, so a reading stops within a word of either.
class RecognitionLimit {
public:
    using Clock = std::chrono::steady_clock;

    // A time that grows with the image: a screenshot of text reads in well under a second
    // per megapixel, while noise or a photo of the same size can take minutes.
    static std::chrono::milliseconds budgetFor(QSize imageSize, std::chrono::milliseconds perMegapixel);

    // Numbers a recognition when it is asked for; any thread.
    quint64 issue() { return ++m_issued; }
    // Begins the recognition numbered `ticket`, which may take `budget`.
    void start(quint64 ticket, std::chrono::milliseconds budget);
    // Stops the recognition running now and every one asked for before; from any thread.
    void cancel() { m_cancelledUpTo = m_issued.load(); }

    bool wasCancelled() const { return m_running.load() <= m_cancelledUpTo.load(); }
    bool timedOut() const;
    bool stopped() const { return wasCancelled() || timedOut(); }

private:
    std::atomic<quint64> m_issued{0};
    std::atomic<quint64> m_running{1};
    std::atomic<quint64> m_cancelledUpTo{0};
    std::atomic<Clock::rep> m_deadline{0};
};

} // namespace quorvane
