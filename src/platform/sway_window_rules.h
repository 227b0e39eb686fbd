// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/sway_ipc.h"

#include <QSet>
#include <QString>

namespace quorvane {

// How sway shows this program's small windows (pins, notices, the tray's menu). sway
// gives every new window the keyboard, tiles it and draws a title bar on it unless a rule
// of its own says otherwise, and a Wayland window can neither refuse the keyboard nor
// place itself. So the program tells sway, before such a window first appears, what to do
// with windows of this process whose title begins with the window's: sway keeps the rule
// for the session and applies it as the window appears, before any key can reach it.
class SwayWindowRules {
public:
    enum class Keyboard {
        left,  // stays with the window the user was in; a click into the window takes it
        taken, // goes to the window, as to any new window
    };
    enum class Place {
        byCompositor, // where sway puts a floating window: the middle of the screen
        atPointer,    // around the pointer, within its screen
    };

    SwayWindowRules(SwayIpc sway, qint64 pid);

    // The rules of the sway session the program runs in, once sway has answered; null in
    // any other session.
    static SwayWindowRules *session();

    // Windows titled `title` (or a longer title that begins with it) appear floating and
    // borderless, `keyboard` and `place` as asked; each rule is sent once. False when sway
    // refused it or `title` is empty (every untitled window would match).
    bool floatBorderless(const QString &title, Keyboard keyboard, Place place);

    // `title` as a sway criterion's regular expression that matches it literally.
    static QString titlePattern(const QString &title);

private:
    SwayIpc m_sway;
    qint64 m_pid;
    QSet<QString> m_sent;
};

} // namespace quorvane
