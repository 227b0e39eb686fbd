// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace quorvane {

// The kind of a toast; it picks the icon, its colour and how the toast is announced.
// A progress toast says that something is under way, and is neither good news nor bad.
enum class ToastType { success, warning, error, progress };

// Green for success, orange for warning, red for error, a neutral blue for progress.
QColor iconColor(ToastType type);

} // namespace quorvane
