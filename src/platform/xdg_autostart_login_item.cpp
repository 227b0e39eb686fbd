// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/xdg_autostart_login_item.h"

#include "platform/atomic_save.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    if (!m_formerPath.isEmpty() && entryStatus(m_formerPath) == Status::enabled)
        return Status::enabled;
    return entryStatus(m_path);
}

LoginItem::Status XdgAutostartLoginItem::entryStatus(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status::notRegistered;
    // Desktops honour these two switches inside an entry that is otherwise present.
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            inMainGroup = line == QStringLiteral("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inMainGroup || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QStringLiteral("Hidden") && value == QStringLiteral("true"))
            return Status::notRegistered;
        if (key == QStringLiteral("X-GNOME-Autostart-enabled") && value == QStringLiteral("false"))
            return Status::notRegistered;
    }
    return Status::enabled;
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
    if (!m_formerPath.isEmpty())
        removeEntry(m_formerPath);
}

void XdgAutostartLoginItem::unregisterItem()
{
    removeEntry(m_path);
    if (!m_formerPath.isEmpty())
        removeEntry(m_formerPath);
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
