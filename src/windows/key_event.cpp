// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/key_event.h"

#include "platform/key_table.h"

#include <QKeyEvent>

namespace quorvane {

std::optional<KeyEvent> KeyEvent::from(const QKeyEvent &event)
{
    const quint32 scanCode = event.nativeScanCode();
    if (scanCode == 0 || scanCode > 0xFF)
        return std::nullopt;
    const std::optional<quint16> keyCode = KeyTable::keyCodeForXKeycode(quint8(scanCode));
    if (!keyCode)
        return std::nullopt;
    return KeyEvent{*keyCode, carbonModifiers(event.nativeModifiers())};
}

quint32 KeyEvent::carbonModifiers(quint32 nativeModifiers)
{
    return KeyTable::modifierBits(KeyTable::modifierFlags(quint16(nativeModifiers & 0xFFFF)));
}

} // namespace quorvane
