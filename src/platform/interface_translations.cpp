// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/interface_translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <memory>

namespace quorvane::InterfaceTranslations {

namespace {

const QString english = QStringLiteral("en");

// The application keeps plain pointers to installed translators: these own them for as long
// as the process runs.
struct Installed {
    std::unique_ptr<QTranslator> english;
    std::unique_ptr<QTranslator> chosen;
    // Qt's own texts in the chosen language: standard buttons, file dialogs, text fields'
    // context menus. Absent when the desktop has no Qt translations installed.
    std::unique_ptr<QTranslator> toolkit;
    QString chosenCode = QStringLiteral("en");
    // The application object the tables went into. The command line is read under an
    // application object of its own, which is gone before the program's one exists.
    QPointer<QCoreApplication> application;
};

Installed &installed()
{
    static Installed tables;
    return tables;
}

Qt::LayoutDirection directionOf(const QString &code)
{
    static const QStringList rightToLeft{QStringLiteral("ar"), QStringLiteral("he"), QStringLiteral("fa"),
                                         QStringLiteral("ur")};
    return rightToLeft.contains(code.section(QLatin1Char('-'), 0, 0)) ? Qt::RightToLeft : Qt::LeftToRight;
}

std::unique_ptr<QTranslator> toolkitTableOf(const QString &code)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}

void setDirection(const QString &code)
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(directionOf(code));
}

// A new application object starts without translators: the tables in use go in again.
void followApplication()
{
    Installed &tables = installed();
    if (tables.application == QCoreApplication::instance())
        return;
    tables.application = QCoreApplication::instance();
    for (const std::unique_ptr<QTranslator> *table : {&tables.english, &tables.toolkit, &tables.chosen}) {
        if (*table)
            QCoreApplication::installTranslator(table->get());
    }
    setDirection(tables.chosenCode);
}

} // namespace

QString tablePath(const QString &code)
{
    return QStringLiteral(":/translations/quorvane_%1.qm").arg(code);
}

bool hasTable(const QString &code)
{
    return !code.isEmpty() && QFile::exists(tablePath(code));
}

void installEnglish()
{
    followApplication();
    Installed &tables = installed();
    if (tables.english)
        return;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(tablePath(english)))
        qFatal("The English interface texts are missing from the program's resources");
    QCoreApplication::installTranslator(translator.get());
    tables.english = std::move(translator);
}

bool use(const QString &code)
{
    installEnglish();
    Installed &tables = installed();
    if (code == tables.chosenCode)
        return true;
    std::unique_ptr<QTranslator> next;
    if (!code.isEmpty() && code != english && hasTable(code)) {
        next = std::make_unique<QTranslator>();
        if (!next->load(tablePath(code)))
            next.reset();
    }
    const bool found = next || code.isEmpty() || code == english;
    if (tables.chosen)
        QCoreApplication::removeTranslator(tables.chosen.get());
    if (tables.toolkit)
        QCoreApplication::removeTranslator(tables.toolkit.get());
    tables.chosen = std::move(next);
    tables.chosenCode = tables.chosen ? code : english;
    tables.toolkit = tables.chosen ? toolkitTableOf(code) : nullptr;
    setDirection(tables.chosenCode);
    if (tables.toolkit)
        QCoreApplication::installTranslator(tables.toolkit.get());
    if (tables.chosen)
        QCoreApplication::installTranslator(tables.chosen.get());
    return found;
}

QString current()
{
    return installed().chosenCode;
}

QString englishText(const char *id, int count)
{
    // A table of its own rather than the installed one, which follows the application object.
    static const std::unique_ptr<QTranslator> table = [] {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(tablePath(english)))
            qFatal("The English interface texts are missing from the program's resources");
        return translator;
    }();
    QString text = table->translate(nullptr, id, nullptr, count);
    if (text.isEmpty())
        text = QString::fromUtf8(id);
    if (count >= 0)
        text.replace(QLatin1String("%n"), QString::number(count));
    return text;
}

QLocale locale()
{
    // The system's, unless the program set another.
    const QLocale usual;
    const QLocale language(installed().chosenCode);
    if (usual.language() == language.language() && usual.script() == language.script())
        return usual;
    // An English interface on an unconfigured system keeps the plain conventions.
    if (language.language() == QLocale::English && usual.language() == QLocale::C)
        return usual;
    return language;
}

} // namespace quorvane::InterfaceTranslations
