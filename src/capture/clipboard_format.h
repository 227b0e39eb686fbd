// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quorvane {

// The representations in which a text can be put on the clipboard.
enum class ClipboardFormat {
    plainText,
    rtf,
    markdown,
    html,
};

// The format's name in the interface language.
QString displayName(ClipboardFormat format);

} // namespace quorvane
