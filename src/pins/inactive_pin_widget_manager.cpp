#include "pins/inactive_pin_widget_manager.h"

#include "core/diagnostics.h"

namespace quorvane {

void InactivePinWidgetManager::pinCapture(const CaptureHistoryEntry &entry, const QImage &, std::optional<QPoint>)
{
    diag(lcPins(), QStringLiteral("ℹ️ [PinWidgetManager] Pinning is off - capture %1 not pinned")
             .arg(entry.id.toString(QUuid::WithoutBraces)));
}

bool InactivePinWidgetManager::pinHistoryEntry(const CaptureHistoryEntry &entry, std::optional<QPoint>)
{
    diag(lcPins(), QStringLiteral("ℹ️ [PinWidgetManager] Pinning is off - record %1 not pinned")
             .arg(entry.id.toString(QUuid::WithoutBraces)));
    return false;
}

} // namespace quorvane
