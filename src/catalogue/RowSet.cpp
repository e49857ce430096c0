// SPDX-License-Identifier: MIT
#include "catalogue/RowSet.h"
#include "foundation/Money.h"
#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"
#include "foundation/SqlValues.h"

#include <QSqlRecord>

RowSet::RowSet(QString table, QStringList columns, QList<QVariantList> rows)
    : m_table(std::move(table)), m_columns(std::move(columns)), m_rows(std::move(rows))
{
}

RowSet RowSet::fetch(const SharedConnection &db, const QString &table, const ListStatement &statement)
{
    QSqlQuery q = db.exec(statement.sql, statement.values);
    return fromQuery(table, q);
}

RowSet RowSet::fromQuery(const QString &table, QSqlQuery &q)
{
    const QSqlRecord record = q.record();
    QStringList columns;
    for (int i = 0; i < record.count(); ++i)
        columns << Schema::spelling(table, record.fieldName(i));
    QList<QVariantList> rows;
    while (q.next()) {
        QVariantList row;
        row.reserve(columns.size());
        for (int i = 0; i < columns.size(); ++i)
            row << q.value(i);
        rows << row;
    }
    return RowSet(table, columns, rows);
}

int RowSet::columnIndex(const QString &column) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].compare(column, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant RowSet::value(int row, const QString &column) const
{
    const int c = columnIndex(column);
    if (c < 0 || row < 0 || row >= m_rows.size())
        return {};
    return m_rows[row].value(c);
}

QString RowSet::text(int row, const QString &column) const
{
    const QVariant v = value(row, column);
    if (v.isNull() || !v.isValid())
        return {};
    switch (Schema::typeOf(m_table, column)) {
    case Schema::Type::Money:
        return Money::fromVariant(v).toString();
    case Schema::Type::DateTime:
        return SqlValues::dateTimeText(v);
    case Schema::Type::Date:
        return SqlValues::dateText(v);
    case Schema::Type::YesNo:
        return SqlValues::toBool(v) ? QStringLiteral("是") : QStringLiteral("否");
    default:
        return v.toString();
    }
}
