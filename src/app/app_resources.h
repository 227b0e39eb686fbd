// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quorvane {

// Makes the icons compiled into this library reachable under ":/icons/". Idempotent.
void registerAppResources();

} // namespace quorvane
