// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/interface_translations.h"

#include <QString>

namespace quorvane::test {

// Shows the interface in `code` (a language's raw value) for as long as it lives, then in
// English again, whatever the test did in between.
class ScopedInterfaceLanguage {
public:
    explicit ScopedInterfaceLanguage(const QString &code) { InterfaceTranslations::use(code); }
    ~ScopedInterfaceLanguage() { InterfaceTranslations::use(QString()); }
    ScopedInterfaceLanguage(const ScopedInterfaceLanguage &) = delete;
    ScopedInterfaceLanguage &operator=(const ScopedInterfaceLanguage &) = delete;

    // Back to English before the scope ends.
    void english() { InterfaceTranslations::use(QString()); }
};

} // namespace quorvane::test
