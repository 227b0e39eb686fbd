#pragma once

#include <functional>

class QAbstractButton;
class QString;
class QWidget;

namespace quorvane {

// Runs `retranslate` now and again whenever the interface language changes (each
// QEvent::LanguageChange that reaches `widget`), for as long as `widget` lives. For texts a
// widget's owner sets from outside: window titles, menus a controller builds.
void onLanguageChange(QWidget *widget, std::function<void()> retranslate);

// Sets a button's text without losing its key shortcut, which QAbstractButton::setText
// replaces with the text's mnemonic.
void setTextKeepingShortcut(QAbstractButton *button, const QString &text);

} // namespace quorvane
