#include "pins/pin_widget_manager.h"

namespace quorvane {

// Out of line so the interface's type information lives in one object file.
PinWidgetManager::~PinWidgetManager() = default;

} // namespace quorvane
