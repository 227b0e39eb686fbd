// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <memory>

namespace quorvane {

// Frees what libxcb hands back (replies, errors, key code lists): it allocates them with
// malloc and leaves them to the caller.
struct XcbFree {
    void operator()(void *p) const { std::free(p); }
};

// Owns one reply, error or list from libxcb; null when the request failed.
template <typename T>
using XcbReply = std::unique_ptr<T, XcbFree>;

} // namespace quorvane
