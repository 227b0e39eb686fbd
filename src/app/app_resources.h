#pragma once

namespace quorvane {

// Makes the icons compiled into this library reachable under ":/icons/". Idempotent.
void registerAppResources();

} // namespace quorvane
