// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/xdg_autostart_login_item.h"

#include "platform/atomic_save.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

namespace quorvane {

namespace {

// One argument of an Exec line: quoted, with the characters that stay special inside
// double quotes escaped, and "%" doubled so it is never taken for a field code.
QString execArgument(const QString &argument)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted += u'"';
    quoted.replace(u'%', QStringLiteral("%%"));
    return quoted;
}

// A value of type string in a desktop entry: backslashes and control characters escaped.
QString escapeStringValue(const QString &value)
{
    QString escaped;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\\': escaped += QStringLiteral("\\\\"); break;
        case u'\n': escaped += QStringLiteral("\\n"); break;
        case u'\t': escaped += QStringLiteral("\\t"); break;
        case u'\r': escaped += QStringLiteral("\\r"); break;
        default: escaped += c;
        }
    }
    return escaped;
}

// The program an Exec line starts: its first argument, unquoted.
QString execProgram(const QString &exec)
{
    const QString line = exec.trimmed();
    if (!line.startsWith(u'"'))
        return line.section(u' ', 0, 0);
    QString program;
    for (qsizetype i = 1; i < line.size(); ++i) {
        if (line[i] == u'\\' && i + 1 < line.size())
            program += line[++i];
        else if (line[i] == u'"')
            break;
        else
            program += line[i];
    }
    return program;
}

} // namespace

XdgAutostartLoginItem::XdgAutostartLoginItem(QString desktopFilePath, QString executable, QString formerFilePath)
    : m_path(std::move(desktopFilePath)), m_executable(std::move(executable)), m_formerPath(std::move(formerFilePath))
{
}

XdgAutostartLoginItem::XdgAutostartLoginItem()
    : XdgAutostartLoginItem(standardFilePath(), QCoreApplication::applicationFilePath(), formerStandardFilePath())
{
}

QString XdgAutostartLoginItem::standardFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/autostart/com.corvantis.Quorvane.desktop");
}

QString XdgAutostartLoginItem::formerStandardFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/autostart/quorvane.desktop");
}

LoginItem::Status XdgAutostartLoginItem::status() const
{
    for (const QString &older : olderEntries()) {
        if (entryStatus(older) == Status::enabled)
            return Status::enabled;
    }
    return entryStatus(m_path);
}

QHash<QString, QString> XdgAutostartLoginItem::mainGroup(const QString &path)
{
    QHash<QString, QString> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return values;
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            inMainGroup = line == QStringLiteral("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inMainGroup && equals >= 0)
            values.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return values;
}

LoginItem::Status XdgAutostartLoginItem::entryStatus(const QString &path)
{
    if (!QFile::exists(path))
        return Status::notRegistered;
    // Desktops honour these two switches inside an entry that is otherwise present.
    const QHash<QString, QString> values = mainGroup(path);
    if (values.value(QStringLiteral("Hidden")) == QStringLiteral("true")
        || values.value(QStringLiteral("X-GNOME-Autostart-enabled")) == QStringLiteral("false"))
        return Status::notRegistered;
    return Status::enabled;
}

QStringList XdgAutostartLoginItem::olderEntries() const
{
    QStringList older;
    if (!m_formerPath.isEmpty() && QFile::exists(m_formerPath))
        older << QFileInfo(m_formerPath).absoluteFilePath();
    // Entries made by hand or by a desktop's startup settings, under any name, that start
    // the same program: they would start it a second time.
    const QFileInfo own(m_path);
    const QString program = QFileInfo(m_executable).fileName();
    const QFileInfoList entries = own.absoluteDir().entryInfoList({QStringLiteral("*.desktop")}, QDir::Files);
    for (const QFileInfo &entry : entries) {
        const QString path = entry.absoluteFilePath();
        if (path == own.absoluteFilePath() || older.contains(path))
            continue;
        if (QFileInfo(execProgram(mainGroup(path).value(QStringLiteral("Exec")))).fileName() == program)
            older << path;
    }
    return older;
}

QByteArray XdgAutostartLoginItem::desktopEntry() const
{
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Quorvane\n"
                                        "Exec=%1\n"
                                        "Icon=quorvane\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(escapeStringValue(execArgument(m_executable)));
    return text.toUtf8();
}

void XdgAutostartLoginItem::registerItem()
{
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        throw LoginItemError(cannotCreateFolder(folder));
    if (const auto failure = saveAtomically(m_path, desktopEntry()))
        throw LoginItemError(*failure);
    for (const QString &older : olderEntries())
        removeEntry(older);
}

void XdgAutostartLoginItem::unregisterItem()
{
    removeEntry(m_path);
    for (const QString &older : olderEntries())
        removeEntry(older);
}

void XdgAutostartLoginItem::removeEntry(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return;
    if (!file.remove()) {
        //: Why a file of the program could not be removed; %1 is its path, %2 the system's reason
        //% "Cannot remove %1: %2"
        throw LoginItemError(Phrase::text(QT_TRID_NOOP("error.file.cannot_remove"), {path, file.errorString()}));
    }
}

} // namespace quorvane
