// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/recognition_limit.h"

#include <algorithm>

namespace quorvane {

std::chrono::milliseconds RecognitionLimit::budgetFor(QSize imageSize, std::chrono::milliseconds perMegapixel)
{
    const double megapixels = std::max(1.0, double(imageSize.width()) * double(imageSize.height()) / 1e6);
    // Two megapixels' worth at least, so a small but dense image is never cut short.
    return std::chrono::milliseconds(qint64(perMegapixel.count() * (megapixels + 2.0)));
}

void RecognitionLimit::start(quint64 ticket, std::chrono::milliseconds budget)
{
    m_deadline = (Clock::now() + budget).time_since_epoch().count();
    m_running = ticket;
}

bool RecognitionLimit::timedOut() const
{
    const Clock::rep deadline = m_deadline.load();
    return deadline != 0 && Clock::now().time_since_epoch().count() > deadline;
}

} // namespace quorvane
