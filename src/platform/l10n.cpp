#include "platform/l10n.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace quorvane {

QHash<QString, QString> &L10n::table()
{
    static QHash<QString, QString> active;
    return active;
}

QString L10n::text(const char *key, const char *englishDefault, const char *)
{
    return text(QString::fromUtf8(key), QString::fromUtf8(englishDefault));
}

QString L10n::text(const QString &key, const QString &englishDefault)
{
    const auto &t = table();
    const auto it = t.constFind(key);
    return it == t.constEnd() ? englishDefault : it.value();
}

QString L10n::fill(const QString &pattern, const QStringList &values)
{
    QString out;
    out.reserve(pattern.size() + 16);
    qsizetype next = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c != u'%' || i + 1 >= pattern.size()) {
            out += c;
            continue;
        }
        const QChar kind = pattern.at(i + 1);
        if (kind == u'%') {
            out += u'%';
            ++i;
        } else if ((kind == u'@' || kind == u'd') && next < values.size()) {
            out += values.at(next++);
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

QString L10n::format(const char *key, const char *englishDefault, const char *comment,
                     const QStringList &values)
{
    return fill(text(key, englishDefault, comment), values);
}

void L10n::setTable(const QHash<QString, QString> &newTable)
{
    table() = newTable;
}

bool L10n::loadLanguage(const QString &languageCode)
{
    if (languageCode.isEmpty() || languageCode.startsWith(QLatin1String("en"))) {
        table().clear();
        return true;
    }
    QFile file(QStringLiteral(":/strings/%1.json").arg(languageCode));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    if (object.isEmpty())
        return false;
    QHash<QString, QString> loaded;
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.value().isString())
            loaded.insert(it.key(), it.value().toString());
    }
    table() = loaded;
    return true;
}

} // namespace quorvane
