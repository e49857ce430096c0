// SPDX-License-Identifier: MIT
#include "BulkInsert.h"

#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"

#include <QSqlError>

namespace {
void execOrThrow(QSqlQuery &q)
{
    if (!q.exec())
        throw DatabaseError(q.lastError().databaseText().isEmpty() ? q.lastError().text()
                                                                   : q.lastError().databaseText());
}
} // namespace

BulkInsert::BulkInsert(const SharedConnection &db, const QString &table, const QStringList &columns,
                       int rowsPerStatement, int rowsPerTransaction)
    : m_db(db), m_table(table), m_columns(columns), m_rowsPerStatement(rowsPerStatement),
      m_rowsPerTransaction(rowsPerTransaction), m_full(db.database()), m_arrays(db.dialect().isServer())
{
    if (m_arrays) {
        for (const QString &c : columns) {
            switch (Schema::typeOf(table, c)) {
            case Schema::Type::Integer:
            case Schema::Type::Counter: m_columnTypes << QStringLiteral("integer"); break;
            case Schema::Type::Money: m_columnTypes << QStringLiteral("numeric"); break;
            case Schema::Type::Real: m_columnTypes << QStringLiteral("double precision"); break;
            case Schema::Type::YesNo: m_columnTypes << QStringLiteral("boolean"); break;
            case Schema::Type::Date: m_columnTypes << QStringLiteral("date"); break;
            case Schema::Type::DateTime: m_columnTypes << QStringLiteral("timestamp"); break;
            default: m_columnTypes << QStringLiteral("text"); break;
            }
        }
        m_arrayText = QList<QString>(columns.size());
        if (!m_full.prepare(unnestStatement()))
            throw DatabaseError(m_full.lastError().text());
        return;
    }
    if (!m_full.prepare(statement(m_rowsPerStatement)))
        throw DatabaseError(m_full.lastError().text());
}

QString BulkInsert::unnestStatement() const
{
    QStringList arrays;
    for (const QString &t : m_columnTypes)
        arrays << QStringLiteral("?::%1[]").arg(t);
    return QStringLiteral("insert into %1 (%2) select * from unnest(%3)")
        .arg(m_table, m_columns.join(QLatin1Char(',')), arrays.join(QLatin1Char(',')));
}

namespace {
// One element of an array literal: NULL, or the text in double quotes with the
// quote and the backslash escaped.
void appendElement(QString &array, const QVariant &v)
{
    if (!array.isEmpty())
        array += QLatin1Char(',');
    if (v.isNull()) {
        array += QStringLiteral("NULL");
        return;
    }
    QString text = v.typeId() == QMetaType::Bool ? (v.toBool() ? QStringLiteral("t") : QStringLiteral("f")) : v.toString();
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    array += QLatin1Char('"') + text + QLatin1Char('"');
}
} // namespace

void BulkInsert::flushArrays()
{
    if (m_arrayRows == 0)
        return;
    if (m_inTransaction == 0)
        m_db.begin();
    for (int i = 0; i < m_arrayText.size(); ++i)
        m_full.bindValue(i, QLatin1Char('{') + m_arrayText.at(i) + QLatin1Char('}'));
    execOrThrow(m_full);
    m_written += m_arrayRows;
    m_inTransaction += m_arrayRows;
    m_arrayRows = 0;
    for (QString &a : m_arrayText)
        a.clear();
    if (m_inTransaction >= m_rowsPerTransaction) {
        m_db.commit();
        m_inTransaction = 0;
    }
}

BulkInsert::~BulkInsert()
{
    if (m_inTransaction > 0) {
        try {
            m_db.rollback();
        } catch (const DatabaseError &) {
        }
    }
}

QString BulkInsert::statement(int rows) const
{
    QStringList marks;
    for (int i = 0; i < m_columns.size(); ++i)
        marks << QStringLiteral("?");
    const QString one = QLatin1Char('(') + marks.join(QLatin1Char(',')) + QLatin1Char(')');
    QStringList all;
    for (int i = 0; i < rows; ++i)
        all << one;
    return QStringLiteral("insert into %1 (%2) values %3")
        .arg(m_table, m_columns.join(QLatin1Char(',')), all.join(QLatin1Char(',')));
}

void BulkInsert::add(const QVariantList &row)
{
    Q_ASSERT(row.size() == m_columns.size());
    if (m_arrays) {
        for (int i = 0; i < row.size(); ++i)
            appendElement(m_arrayText[i], m_db.bindable(row.at(i)));
        if (++m_arrayRows >= 5000)
            flushArrays();
        return;
    }
    for (const QVariant &v : row)
        m_waiting << m_db.bindable(v);
    if (m_waiting.size() >= m_columns.size() * m_rowsPerStatement)
        flush(false);
}

void BulkInsert::flush(bool all)
{
    const int width = int(m_columns.size());
    while (m_waiting.size() >= width * m_rowsPerStatement || (all && !m_waiting.isEmpty())) {
        if (m_inTransaction == 0)
            m_db.begin();
        const int rows = std::min<int>(m_rowsPerStatement, int(m_waiting.size()) / width);
        QSqlQuery partial(m_db.database());
        QSqlQuery &q = rows == m_rowsPerStatement ? m_full : partial;
        if (&q == &partial && !partial.prepare(statement(rows)))
            throw DatabaseError(partial.lastError().text());
        for (int i = 0; i < rows * width; ++i)
            q.bindValue(i, m_waiting.at(i));
        execOrThrow(q);
        m_waiting.erase(m_waiting.begin(), m_waiting.begin() + rows * width);
        m_written += rows;
        m_inTransaction += rows;
        if (m_inTransaction >= m_rowsPerTransaction) {
            m_db.commit();
            m_inTransaction = 0;
        }
    }
}

void BulkInsert::finish()
{
    if (m_arrays)
        flushArrays();
    else
        flush(true);
    if (m_inTransaction > 0) {
        m_db.commit();
        m_inTransaction = 0;
    }
}
