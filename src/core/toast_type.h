// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace quorvane {

// The kind of a toast; it picks the icon, its colour and how the toast is announced.
enum class ToastType { success, warning, error };

// Green for success, orange for warning, red for error.
QColor iconColor(ToastType type);

} // namespace quorvane
