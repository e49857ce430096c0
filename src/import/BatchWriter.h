// SPDX-License-Identifier: MIT
#pragma once
#include <QElapsedTimer>
#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

class SharedConnection;

// Writes the rows of an import with one prepared insert, inside transactions of a batch
// of rows each, every row under a savepoint of its own: a row the database refuses is
// rolled back alone and the others of the batch stay; a crash loses at most the batch
// being written. A batch is committed when it is full or has been open for a second
// (so that other workstations never wait long for the embedded file's write lock).
class BatchWriter
{
public:
    // 1000 rows. Measured on SQLite (bench_import): a commit costs a few milliseconds of
    // file sync, so batches of 100 were about 25 % slower than 1000, while 10,000 gained
    // only about 3 % and would lose ten times as many rows in a crash.
    static constexpr int kDefaultBatchSize = 1000;

    BatchWriter(const SharedConnection &db, const QString &sql, int batchSize = kDefaultBatchSize);
    ~BatchWriter(); // rolls back a batch not yet committed
    BatchWriter(const BatchWriter &) = delete;
    BatchWriter &operator=(const BatchWriter &) = delete;

    // Inserts one row, tagged by the caller (its row number). True when the database took
    // it; else *error holds the engine's message and the row is gone.
    bool insert(int tag, const QVariantList &values, QString *error);
    // Commits the open batch.
    void finish();

    // The tags of rows the database had taken whose batch was then lost (its commit
    // failed), with the engine's message; emptied by the call.
    QList<int> takeLost(QString *message);

private:
    bool beginBatch(QString *error);
    void commitBatch();
    void abandonBatch(const QString &message);

    const SharedConnection &m_db;
    QSqlQuery m_insert;
    QString m_prepareError;
    int m_batchSize;
    bool m_open = false;
    QList<int> m_batch; // tags written in the open batch
    QElapsedTimer m_batchAge;
    QList<int> m_lost;
    QString m_lostMessage;
};
