// SPDX-License-Identifier: MIT
#include "foundation/SqlDialect.h"
#include "foundation/LoginSession.h"

QString SqlDialect::textQuote() const
{
    if (m_code == QLatin1String("s"))
        return QStringLiteral("'");
    if (m_code == QLatin1String("a"))
        return QStringLiteral("\"");
    return {};
}

QString SqlDialect::dateQuote() const
{
    if (m_code == QLatin1String("s"))
        return QStringLiteral("'");
    if (m_code == QLatin1String("a"))
        return QStringLiteral("#");
    return {};
}

QString SqlDialect::selectTop(int n, const QString &columns, const QString &rest) const
{
    // Both engines take "limit n" at the end of a select.
    return QStringLiteral("select %1 %2 limit %3").arg(columns, rest).arg(n);
}

QString SqlDialect::selectTopPercent(int percent, const QString &columns, const QString &from,
                                     const QString &orderBy) const
{
    // ceil(count * percent / 100) rows, counted in the same statement.
    return QStringLiteral("select %1 %2 order by %3 limit (select (count(*) * %4 + 99) / 100 %2)")
        .arg(columns, from, orderBy)
        .arg(percent);
}

QString SqlDialect::engineName() const
{
    return isServer() ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite");
}

QString TextQuote()
{
    return LoginSession::current().dialect().textQuote();
}

QString DateQuote()
{
    return LoginSession::current().dialect().dateQuote();
}
