// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QTranslator>

namespace quorvane::test {

// Puts a few texts of a made-up language above whatever tables are installed, for as long as
// it lives: ids it lacks fall through to the tables beneath.
class ScopedTranslation : public QTranslator {
public:
    explicit ScopedTranslation(QHash<QString, QString> texts) : m_texts(std::move(texts))
    {
        QCoreApplication::installTranslator(this);
    }
    ~ScopedTranslation() override { QCoreApplication::removeTranslator(this); }

    QString translate(const char *, const char *id, const char *, int) const override
    {
        return m_texts.value(QString::fromUtf8(id));
    }
    bool isEmpty() const override { return m_texts.isEmpty(); }

private:
    QHash<QString, QString> m_texts;
};

} // namespace quorvane::test
