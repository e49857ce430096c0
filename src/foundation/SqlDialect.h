// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

// The dialect switch: "a" is the embedded SQLite file, "s" the PostgreSQL server. The
// few forms the two engines spell differently live here and nowhere else.
class SqlDialect
{
public:
    explicit SqlDialect(QString code = QStringLiteral("a")) : m_code(std::move(code)) {}

    const QString &code() const { return m_code; }
    bool isServer() const { return m_code == QLatin1String("s"); }
    bool isEmbedded() const { return !isServer(); }

    // The characters statements shown to the operator use around literals: the double
    // quote and "#" for "a", the apostrophe for "s", nothing for any other code.
    QString textQuote() const;
    QString dateQuote() const;

    // "select <cols> from ... order by ..." limited to the first n rows.
    QString selectTop(int n, const QString &columns, const QString &rest) const;
    // The first `percent` percent of the rows of an ordered select, at least one row when
    // there is any, the count rounded up as the server's "top n percent" does.
    QString selectTopPercent(int percent, const QString &columns, const QString &from,
                             const QString &orderBy) const;
    // Name of the engine for the operator: "SQLite" or "PostgreSQL".
    QString engineName() const;

private:
    QString m_code;
};

// The quote helpers of the running session's dialect.
QString TextQuote();
QString DateQuote();
