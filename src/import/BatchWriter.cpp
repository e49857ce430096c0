// SPDX-License-Identifier: MIT
#include "import/BatchWriter.h"

#include "foundation/SharedConnection.h"

#include <QSqlError>

namespace {
const QString kSavepoint = QStringLiteral("import_row");
constexpr qint64 kMaxBatchMs = 1000;

QString errorText(const QSqlError &error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    return text.isEmpty() ? QStringLiteral("数据库错误") : text;
}

// SQLite undoes a statement that breaks a rule (constraint, type, size, range) and
// keeps the transaction; after any other failure the transaction is in no known state.
bool undoneAlone(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    return ok && (code == 18 || code == 19 || code == 20 || code == 25);
}
} // namespace

BatchWriter::BatchWriter(const SharedConnection &db, const QString &sql, int batchSize)
    : m_db(db), m_insert(db.database()), m_batchSize(qMax(1, batchSize))
{
    if (!db.isOpen())
        m_prepareError = QStringLiteral("数据库没有连接");
    else if (!m_insert.prepare(sql))
        m_prepareError = errorText(m_insert.lastError());
}

BatchWriter::~BatchWriter()
{
    if (m_open) {
        try {
            m_db.rollback();
        } catch (const DatabaseError &) {
        }
    }
}

bool BatchWriter::beginBatch(QString *error)
{
    try {
        m_db.begin();
    } catch (const DatabaseError &e) {
        *error = e.message();
        return false;
    }
    m_open = true;
    m_batch.clear();
    m_batchAge.start();
    return true;
}

bool BatchWriter::insert(int tag, const QVariantList &values, QString *error)
{
    if (!m_prepareError.isEmpty()) {
        *error = m_prepareError;
        return false;
    }
    const QString refused = SharedConnection::refusedValues(values);
    if (!refused.isEmpty()) {
        *error = refused;
        return false;
    }
    if (!m_open && !beginBatch(error))
        return false;
    // PostgreSQL aborts the whole transaction on a failed statement, so each row is
    // guarded by a savepoint there; SQLite undoes the failed statement alone.
    const bool guarded = !m_db.dialect().isEmbedded();
    try {
        if (guarded)
            m_db.savepoint(kSavepoint);
    } catch (const DatabaseError &e) {
        *error = e.message();
        abandonBatch(e.message());
        return false;
    }
    for (int i = 0; i < values.size(); ++i)
        m_insert.bindValue(i, m_db.bindable(values.at(i)));
    const bool written = m_insert.exec();
    const QSqlError failure = written ? QSqlError() : m_insert.lastError();
    if (!written)
        *error = errorText(failure);
    m_insert.finish();
    if (!written && !guarded && !undoneAlone(failure)) {
        abandonBatch(*error);
        return false;
    }
    try {
        if (guarded && !written)
            m_db.rollbackToSavepoint(kSavepoint);
        if (guarded)
            m_db.releaseSavepoint(kSavepoint);
    } catch (const DatabaseError &e) {
        // The transaction is in no known state: give the whole batch up.
        if (written)
            *error = e.message();
        abandonBatch(e.message());
        return false;
    }
    if (written) {
        m_batch << tag;
        if (m_batch.size() >= m_batchSize || m_batchAge.elapsed() >= kMaxBatchMs)
            commitBatch();
    }
    return written;
}

void BatchWriter::finish()
{
    if (m_open)
        commitBatch();
}

void BatchWriter::commitBatch()
{
    try {
        m_db.commit();
        m_open = false;
        m_batch.clear();
    } catch (const DatabaseError &e) {
        abandonBatch(e.message());
    }
}

void BatchWriter::abandonBatch(const QString &message)
{
    try {
        m_db.rollback();
    } catch (const DatabaseError &) {
    }
    m_open = false;
    m_lost << m_batch;
    m_batch.clear();
    if (m_lostMessage.isEmpty())
        m_lostMessage = message;
}

QList<int> BatchWriter::takeLost(QString *message)
{
    QList<int> lost;
    lost.swap(m_lost);
    if (message)
        *message = m_lostMessage;
    m_lostMessage.clear();
    return lost;
}
