// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/capture_mode.h"

#include <QUuid>

#include <optional>

namespace quorvane {

class LocalizedError;

// Tells the user how a capture ended.
class CaptureToasts {
public:
    virtual ~CaptureToasts() = default;

    // The success of capture `captureID`, on monitor `displayID` when known.
    virtual void showSuccess(CaptureMode mode, const QUuid &captureID, std::optional<quint32> displayID) = 0;
    // The failure `error`, on monitor `displayID` when known.
    virtual void showError(const LocalizedError &error, std::optional<quint32> displayID) = 0;
};

} // namespace quorvane
