// SPDX-License-Identifier: MIT
#pragma once
#include "catalogue/ListStatement.h"

#include <QList>
#include <QStringList>
#include <QVariant>

class QSqlQuery;
class SharedConnection;

// The rows of an executed list statement, held in memory: the column names as the
// schema spells them and one value list per row. Prints, exports and the windows'
// grids read it; it is what the original's open result set was.
class RowSet
{
public:
    RowSet() = default;
    RowSet(QString table, QStringList columns, QList<QVariantList> rows);

    // Runs the statement; throws DatabaseError. Column names are taken from the result
    // and given the schema's spelling for the table.
    static RowSet fetch(const SharedConnection &db, const QString &table, const ListStatement &statement);
    // Every row of an executed query (a grid's export query, in the grid's order).
    static RowSet fromQuery(const QString &table, QSqlQuery &query);

    const QString &table() const { return m_table; }
    const QStringList &columns() const { return m_columns; }
    const QList<QVariantList> &rows() const { return m_rows; }
    int rowCount() const { return int(m_rows.size()); }
    int columnIndex(const QString &column) const; // without regard to case; -1 when absent

    QVariant value(int row, const QString &column) const;
    // The value as display text: money shortest, date-times "yyyy-MM-dd hh:mm:ss",
    // Null empty; a column the table lacks is empty.
    QString text(int row, const QString &column) const;

private:
    QString m_table;
    QStringList m_columns;
    QList<QVariantList> m_rows;
};
