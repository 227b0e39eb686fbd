// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/diagnostics.h"
#include "pins/pin_widget_manager.h"

namespace quorvane {

// A pin manager that pins nothing: a capture handed to it is not pinned, the diagnostics
// say so, and no stored pin is brought back.
class InactivePinWidgetManager : public PinWidgetManager {
public:
    void pinCapture(const CaptureHistoryEntry &entry, const QImage &, std::optional<QPoint>) override
    {
        diag(lcPins(), QStringLiteral("ℹ️ [PinWidgetManager] Pinning is off - capture %1 not pinned")
                 .arg(entry.id.toString(QUuid::WithoutBraces)));
    }
    // Always false: nothing gets pinned.
    bool pinHistoryEntry(const CaptureHistoryEntry &entry, std::optional<QPoint>) override
    {
        diag(lcPins(), QStringLiteral("ℹ️ [PinWidgetManager] Pinning is off - record %1 not pinned")
                 .arg(entry.id.toString(QUuid::WithoutBraces)));
        return false;
    }
    void restorePin() override {}
};

} // namespace quorvane
