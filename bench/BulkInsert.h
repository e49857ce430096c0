// SPDX-License-Identifier: MIT
#pragma once
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>

class SharedConnection;

// Fast loading of generated rows inside transactions of many thousand rows, values
// bound as everywhere. SQLite: one prepared insert of many rows per statement
// ("values (?,?),(?,?),..."). PostgreSQL: one array per column, bound, and
// "insert ... select * from unnest(?::text[], ?::date[], ...)", so that thousands of
// rows cost one statement. Throws DatabaseError.
class BulkInsert
{
public:
    BulkInsert(const SharedConnection &db, const QString &table, const QStringList &columns,
               int rowsPerStatement = 100, int rowsPerTransaction = 50000);
    ~BulkInsert(); // rolls back what finish() did not commit
    BulkInsert(const BulkInsert &) = delete;
    BulkInsert &operator=(const BulkInsert &) = delete;

    void add(const QVariantList &row);
    // Writes the rows still waiting and commits.
    void finish();
    qint64 rowsWritten() const { return m_written; }

private:
    QString statement(int rows) const;
    QString unnestStatement() const;
    void flush(bool all);
    void flushArrays();

    const SharedConnection &m_db;
    QString m_table;
    QStringList m_columns;
    int m_rowsPerStatement;
    int m_rowsPerTransaction;
    QSqlQuery m_full;
    QVariantList m_waiting; // values of rows not yet written
    bool m_arrays = false;  // PostgreSQL: column arrays
    QStringList m_columnTypes; // their element types
    QList<QString> m_arrayText; // per column: the array literal so far
    int m_arrayRows = 0;
    int m_inTransaction = 0;
    qint64 m_written = 0;
};
