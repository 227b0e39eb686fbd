// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quorvane {

// Sets how the C allocator gives memory back, before any recognition engine loads: a
// program that reads text loads and frees hundreds of megabytes of models, and with the
// allocator's self-tuning defaults an idle program would keep most of them resident.
// Process-wide; call once at start.
void makeFreedMemoryReturnable();

} // namespace quorvane
