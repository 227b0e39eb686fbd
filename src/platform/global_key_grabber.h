// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

namespace quorvane {

// Why a key combination could not be taken.
struct GrabError {
    enum class Reason {
        noDisplay,           // there is no display connection to grab keys on
        unknownKey,          // the key code names no key of the keyboard table
        takenByOtherProgram, // another program already holds the combination
        alreadyGrabbed,      // this program already holds the combination
        refused,             // the display server refused for another reason (see xErrorCode)
    };
    Reason reason;
    int xErrorCode = 0;
};

// What a combination is for. Desktops that own the keys themselves (the portal of a
// Wayland session) list a program's shortcuts by id and description; an empty id only
// asks whether the combination could be taken.
struct GrabPurpose {
    QString id;
    QString description;
};

// Who holds the program's global shortcuts.
enum class ShortcutOwnership {
    program,    // this program takes the keys itself (X11)
    desktop,    // the desktop binds them for us and may let the user change them there
    unavailable // the desktop offers programs no global shortcuts, or refused them
};

// System-wide key combinations for this program: while one is held, pressing it anywhere
// on the desktop reaches this program and not the focused window.
// Key codes and modifier flags are the stored shortcut values (see KeyTable).
class GlobalKeyGrabber : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // True when this program can take key combinations at all (it has a display connection).
    virtual bool canGrab() const = 0;
    // Takes the combination, whatever the Caps Lock and Num Lock states; none on success.
    // Only the command, shift, option and control bits of `modifierFlags` count.
    // On failure nothing of the combination stays held.
    virtual std::optional<GrabError> grab(quint16 keyCode, quint32 modifierFlags, const GrabPurpose &purpose) = 0;
    // Gives a combination taken with `grab` back; one that is not held is ignored.
    virtual void release(quint16 keyCode, quint32 modifierFlags) = 0;

    virtual ShortcutOwnership ownership() const { return ShortcutOwnership::program; }
    // Where the desktop owns the keys: how it says each bound shortcut is triggered, by
    // purpose id (it may differ from the combination asked for). Empty otherwise.
    virtual QMap<QString, QString> desktopTriggers() const { return {}; }

signals:
    // A held combination was pressed. Emitted on the main thread while the key event is
    // being handled; `modifierFlags` holds only the four modifier bits.
    void pressed(quint16 keyCode, quint32 modifierFlags);
    // `ownership` or `desktopTriggers` changed.
    void desktopShortcutsChanged();
};

// The grabber of the running desktop session: the desktop portal's in a Wayland session,
// X11 key grabs otherwise. Without an X connection the X11 one reports `canGrab` false and
// refuses every grab with `noDisplay`.
std::unique_ptr<GlobalKeyGrabber> createGlobalKeyGrabber(QObject *parent = nullptr);

} // namespace quorvane
