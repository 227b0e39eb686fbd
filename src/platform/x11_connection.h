#pragma once

struct xcb_connection_t;

namespace quorvane {

// The X connection of the running application; null on any other Qt platform
// (offscreen, Wayland), where X-only facilities have nothing to act on.
xcb_connection_t *x11Connection();

} // namespace quorvane
