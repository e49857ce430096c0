// SPDX-License-Identifier: MIT
#include "TestDatabase.h"
#include "foundation/Schema.h"

#include <QUuid>

namespace {
int g_counter = 0;
}

TestDatabase::TestDatabase(const QString &engine, bool withSchema)
    : m_db(std::make_unique<SharedConnection>(QStringLiteral("test-%1").arg(++g_counter)))
{
    QString error;
    if (engine == QLatin1String("sqlite")) {
        m_connectionString = QStringLiteral("Provider=SQLite;Data Source=%1;").arg(m_dir.filePath("book.db"));
        if (!m_db->open(ConnectionSettings::parse(m_connectionString), &error, true)) {
            m_reason = error;
            return;
        }
    } else {
        const QString admin = qEnvironmentVariable("BOOK_TEST_PG");
        if (admin.isEmpty()) {
            m_reason = QStringLiteral("BOOK_TEST_PG is not set: no PostgreSQL server for this test");
            return;
        }
        SharedConnection adminDb(QStringLiteral("test-admin-%1").arg(g_counter));
        if (!adminDb.open(ConnectionSettings::parse(admin), &error)) {
            m_reason = QStringLiteral("PostgreSQL: ") + error;
            return;
        }
        m_pgName = QStringLiteral("t_") + QUuid::createUuid().toString(QUuid::Id128).left(16);
        adminDb.exec(QStringLiteral("create database %1").arg(m_pgName));
        adminDb.close();
        ConnectionSettings a = ConnectionSettings::parse(admin);
        m_connectionString = ConnectionSettings::serverString(
            a.password(), a.user(), m_pgName, a.value(QStringLiteral("Data Source")));
        if (!m_db->open(ConnectionSettings::parse(m_connectionString), &error)) {
            m_reason = error;
            return;
        }
    }
    if (withSchema) {
        try {
            Schema::create(*m_db);
        } catch (const DatabaseError &e) {
            m_reason = QStringLiteral("schema: ") + e.message();
            return;
        }
    }
    m_ok = true;
}

TestDatabase::~TestDatabase()
{
    m_db->close();
    if (!m_pgName.isEmpty()) {
        SharedConnection adminDb(QStringLiteral("test-admin-drop-%1").arg(++g_counter));
        QString error;
        if (adminDb.open(ConnectionSettings::parse(qEnvironmentVariable("BOOK_TEST_PG")), &error)) {
            try {
                adminDb.exec(QStringLiteral("drop database if exists %1").arg(m_pgName));
            } catch (const DatabaseError &) {
            }
        }
    }
}

void TestDatabase::addEngines()
{
    QTest::addColumn<QString>("engine");
    QTest::newRow("sqlite") << QStringLiteral("sqlite");
    QTest::newRow("postgresql") << QStringLiteral("postgresql");
}
