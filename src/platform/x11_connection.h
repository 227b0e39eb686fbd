// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct xcb_connection_t;
struct xcb_screen_t;

namespace quorvane {

// The X connection of the running application; null on any other Qt platform
// (offscreen, Wayland), where X-only facilities have nothing to act on, and once the
// connection has failed.
xcb_connection_t *x11Connection();

// The first X screen of `connection` (the one Qt shows its windows on); null when the
// connection is null or offers no screen.
const xcb_screen_t *x11FirstScreen(xcb_connection_t *connection);

// Whether a compositing manager runs on the first screen of `connection` (someone owns
// its "_NET_WM_CM_S0" selection): only then do transparent window pixels show what lies
// beneath instead of black. False without a connection.
bool x11CompositingActive(xcb_connection_t *connection);

} // namespace quorvane
