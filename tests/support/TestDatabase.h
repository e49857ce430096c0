// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/SharedConnection.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

// A fresh database with the real schema and seed rows for one test: an SQLite file in
// a temporary folder, or a new database on the PostgreSQL server that the test
// command started (BOOK_TEST_PG names an administrative connection string).
class TestDatabase
{
public:
    // engine: "sqlite" or "postgresql". Check ok() (or use the macro below).
    explicit TestDatabase(const QString &engine, bool withSchema = true);
    ~TestDatabase();

    bool ok() const { return m_ok; }
    QString skipReason() const { return m_reason; }
    SharedConnection &db() { return *m_db; }
    QString connectionString() const { return m_connectionString; }
    QString folder() const { return m_dir.path(); }

    // Adds the rows "sqlite" and "postgresql" to a _data function (column "engine").
    static void addEngines();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SharedConnection> m_db;
    QString m_connectionString;
    QString m_pgName;
    bool m_ok = false;
    QString m_reason;
};

// Opens the database of the row's engine, skipping (or failing when the server is
// required) when PostgreSQL is not available.
#define OPEN_TEST_DATABASE(var, engine)                                                  \
    TestDatabase var(engine);                                                            \
    if (!var.ok()) {                                                                     \
        if (qEnvironmentVariableIsSet("BOOK_TEST_REQUIRE_PG"))                           \
            QFAIL(qPrintable(var.skipReason()));                                         \
        QSKIP(qPrintable(var.skipReason()));                                             \
    }
