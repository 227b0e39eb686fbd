// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

namespace quorvane {

// The names keys have in shortcut texts ("L", "F5", "Ö", "Page Up") for one keyboard
// layout. Key codes are the stored ones (see KeyTable).
class KeyNames {
public:
    virtual ~KeyNames() = default;
    // The name of the key at `keyCode`; empty for a code that is no key of the table.
    virtual QString name(quint16 keyCode) const = 0;
};

// The name of one keysym as shortcut texts show it: letters upper case, dead keys as
// their spacing accent, the other non-printing keys by their everyday names.
QString keysymDisplayName(quint32 keysym);

// The key names of a US keyboard, which every other layout falls back to.
class UsKeyNames : public KeyNames {
public:
    QString name(quint16 keyCode) const override;
};

// Key names of an XKB layout compiled by libxkbcommon. A key whose symbol on that layout
// prints nothing (function keys, arrows, keypad) keeps its US name.
class XkbKeyNames : public KeyNames {
public:
    ~XkbKeyNames() override;

    // The layout named like the desktop's keyboard settings name it ("de", "fr" with the
    // variant "azerty"...); null when libxkbcommon cannot compile it.
    static std::unique_ptr<XkbKeyNames> fromLayout(const QString &layout, const QString &variant = {});
    // The keymap and active layout of the running X display; null without an X display
    // or its keyboard extension.
    static std::unique_ptr<XkbKeyNames> fromDisplay();

    QString name(quint16 keyCode) const override;

private:
    struct Keymap;
    explicit XkbKeyNames(std::unique_ptr<Keymap> keymap);
    std::unique_ptr<Keymap> m_keymap;
};

// The key names of the display's current layout; the US names where there is no X
// display. Read again after the display reports a new keymap or a layout switch.
std::shared_ptr<const KeyNames> currentKeyNames();

} // namespace quorvane
