#pragma once

#include "platform/login_item.h"

#include <QString>

namespace quorvane {

// Login item as a freedesktop autostart entry: a desktop file in the user's autostart
// folder, which every XDG-compliant session starts at login.
class XdgAutostartLoginItem : public LoginItem {
public:
    // `desktopFilePath` is the entry to manage; `executable` the program it starts.
    XdgAutostartLoginItem(QString desktopFilePath, QString executable);
    // The standard entry, starting this process's executable.
    XdgAutostartLoginItem();

    // "$XDG_CONFIG_HOME/autostart/quorvane.desktop".
    static QString standardFilePath();

    // Enabled when the entry exists and is not switched off inside the file
    // ("Hidden=true" or "X-GNOME-Autostart-enabled=false").
    Status status() const override;
    // Writes the entry atomically, creating the autostart folder when needed.
    void registerItem() override;
    // Removes the entry; an entry that is already gone is not an error.
    void unregisterItem() override;

    QString desktopFilePath() const { return m_path; }
    // The contents written by `registerItem`.
    QByteArray desktopEntry() const;

private:
    QString m_path;
    QString m_executable;
};

} // namespace quorvane
