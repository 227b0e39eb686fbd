// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/login_item.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace quorvane {

// Login item as a freedesktop autostart entry: a desktop file in the user's autostart
// folder, which every XDG-compliant session starts at login.
class XdgAutostartLoginItem : public LoginItem {
public:
    // `desktopFilePath` is the entry to manage; `executable` the program it starts;
    // `formerFilePath`, when given, the entry's name in earlier versions, taken over.
    XdgAutostartLoginItem(QString desktopFilePath, QString executable, QString formerFilePath = {});
    // The standard entry, starting this process's executable.
    XdgAutostartLoginItem();

    // "$XDG_CONFIG_HOME/autostart/com.corvantis.Quorvane.desktop", named like the
    // program's desktop entry.
    static QString standardFilePath();
    // "$XDG_CONFIG_HOME/autostart/quorvane.desktop", the name earlier versions wrote.
    static QString formerStandardFilePath();

    // Enabled when the entry (or an older one, see `olderEntries`) exists and is not
    // switched off inside the file ("Hidden=true" or "X-GNOME-Autostart-enabled=false").
    Status status() const override;
    // Writes the entry atomically, creating the autostart folder when needed, and
    // removes the older ones, so the program is not started twice.
    void registerItem() override;
    // Removes the entry and the older ones; an entry that is already gone is not an error.
    void unregisterItem() override;

    // The other entries of the autostart folder that start this program: the one under
    // the former name and any whose Exec line runs an executable of the same name.
    QStringList olderEntries() const;

    QString desktopFilePath() const { return m_path; }
    // The contents written by `registerItem`.
    QByteArray desktopEntry() const;

private:
    static Status entryStatus(const QString &path);
    // The keys of an entry's [Desktop Entry] group with their raw values.
    static QHash<QString, QString> mainGroup(const QString &path);
    static void removeEntry(const QString &path);

    QString m_path;
    QString m_executable;
    QString m_formerPath;
};

} // namespace quorvane
