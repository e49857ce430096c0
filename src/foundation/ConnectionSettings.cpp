// SPDX-License-Identifier: MIT
#include "foundation/ConnectionSettings.h"

#include <QDir>
#include <QRegularExpression>

ConnectionSettings ConnectionSettings::parse(const QString &connectionString)
{
    ConnectionSettings s;
    s.m_text = connectionString;
    const QStringList pairs = connectionString.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &pair : pairs) {
        const int eq = pair.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        s.m_values.insert(pair.left(eq).trimmed().toLower(), pair.mid(eq + 1).trimmed());
    }
    const QString provider = s.value(QStringLiteral("Provider")).toLower();
    if (provider == QLatin1String("sqlite"))
        s.m_engine = Engine::SQLite;
    else if (provider == QLatin1String("postgresql"))
        s.m_engine = Engine::PostgreSQL;
    return s;
}

QString ConnectionSettings::serverString(const QString &password, const QString &user,
                                         const QString &database, const QString &server)
{
    return QStringLiteral("Provider=PostgreSQL;Password=") + password
        + QStringLiteral(";Persist Security Info=True;User ID=") + user
        + QStringLiteral(";Initial Catalog=") + database + QStringLiteral(";Data Source=") + server
        + QStringLiteral(";");
}

QString ConnectionSettings::value(const QString &key) const
{
    return m_values.value(key.toLower());
}

QString ConnectionSettings::databaseFile() const
{
    const QString file = value(QStringLiteral("Data Source"));
    if (file.isEmpty())
        return {};
    return QDir::current().absoluteFilePath(file);
}

QString ConnectionSettings::host() const
{
    const QString source = value(QStringLiteral("Data Source"));
    const int colon = source.lastIndexOf(QLatin1Char(':'));
    return colon > 0 ? source.left(colon) : source;
}

int ConnectionSettings::port() const
{
    const QString source = value(QStringLiteral("Data Source"));
    const int colon = source.lastIndexOf(QLatin1Char(':'));
    bool ok = false;
    const int port = colon > 0 ? source.mid(colon + 1).toInt(&ok) : 0;
    return ok && port > 0 ? port : 5432;
}

QString ConnectionSettings::maskedText() const
{
    QString text = m_text;
    static const QRegularExpression password(QStringLiteral("(Password=)[^;]*"),
                                             QRegularExpression::CaseInsensitiveOption);
    return text.replace(password, QStringLiteral("\\1******"));
}
