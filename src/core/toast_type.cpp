// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/toast_type.h"

namespace quorvane {

QColor iconColor(ToastType type)
{
    switch (type) {
    case ToastType::success: return QColor(0x34, 0xC7, 0x59);
    case ToastType::warning: return QColor(0xFF, 0x95, 0x00);
    case ToastType::error: return QColor(0xFF, 0x3B, 0x30);
    case ToastType::progress: return QColor(0x0A, 0x84, 0xFF);
    }
    return {};
}

} // namespace quorvane
