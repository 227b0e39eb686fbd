// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QAbstractButton;
class QString;
class QWidget;

namespace quorvane {

// Runs `retranslate` now and again whenever the interface language changes (each
// QEvent::LanguageChange that reaches `widget`), for as long as `widget` lives. Every view
// sets its texts this way, from one function that sets them all; so do owners that set a
// widget's texts from outside (window titles, a tray menu).
void onLanguageChange(QWidget *widget, std::function<void()> retranslate);

// Sets a button's text without losing its key shortcut, which QAbstractButton::setText
// replaces with the text's mnemonic.
void setTextKeepingShortcut(QAbstractButton *button, const QString &text);

} // namespace quorvane
