// SPDX-License-Identifier: MIT
// The three rankings on both engines: how many rows each dialect gives, their order,
// ties and missing counts, and the fields each ranking reads.
#include "StatisticsRows.h"
#include "TestDatabase.h"
#include "foundation/SqlDialect.h"
#include "statistics/Rankings.h"

#include <QTest>

using namespace StatisticsRows;

class TestRankings : public QObject
{
    Q_OBJECT

    static void addBooks(SharedConnection &db, int n)
    {
        Transaction tx(db);
        for (int i = 0; i < n; ++i)
            addBook(db, QStringLiteral("B%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("书%1").arg(i), i);
        tx.commit();
    }

private slots:
    // Embedded: the first 12 rows. Server: 12 percent of the rows rounded up, as the
    // original server's "top 12 percent" counts.
    void rowCount_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("dialect");
        QTest::addColumn<int>("books");
        QTest::addColumn<int>("expected");
        const QList<std::tuple<int, int, int>> cases{
            // books, embedded rows, server rows
            {0, 0, 0}, {1, 1, 1}, {5, 5, 1}, {8, 8, 1}, {9, 9, 2}, {12, 12, 2},
            {13, 12, 2}, {100, 12, 12}, {101, 12, 13}, {200, 12, 24}};
        for (const auto &[books, embedded, server] : cases) {
            QTest::newRow(qPrintable(QStringLiteral("sqlite, %1 books").arg(books)))
                << "sqlite" << "a" << books << embedded;
            QTest::newRow(qPrintable(QStringLiteral("postgresql, %1 books").arg(books)))
                << "postgresql" << "s" << books << server;
            // The server's statement is plain SQL that the embedded engine runs too.
            QTest::newRow(qPrintable(QStringLiteral("sqlite, server form, %1 books").arg(books)))
                << "sqlite" << "s" << books << server;
        }
    }
    void rowCount()
    {
        QFETCH(QString, engine);
        QFETCH(QString, dialect);
        QFETCH(int, books);
        QFETCH(int, expected);
        OPEN_TEST_DATABASE(t, engine);
        addBooks(t.db(), books);
        QSqlQuery q = t.db().exec(Rankings::statement(SqlDialect(dialect), Rankings::Kind::Books));
        QList<qint64> values;
        while (q.next())
            values << q.value(1).toLongLong();
        QCOMPARE(values.size(), expected);
        // The highest values, highest first.
        for (int i = 0; i < values.size(); ++i)
            QCOMPARE(values[i], qint64(books - 1 - i));
        if (dialect == t.db().dialect().code())
            QCOMPARE(Rankings::rows(t.db(), Rankings::Kind::Books).size(), expected);
    }

    // Equal values keep the key's ascending order; a missing count ranks last.
    void tiesAndNulls_data() { TestDatabase::addEngines(); }
    void tiesAndNulls()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        addBook(db, QStringLiteral("0003"), QStringLiteral("丙"), 5);
        addBook(db, QStringLiteral("0009"), QStringLiteral("无记录"), QVariant());
        addBook(db, QStringLiteral("0001"), QStringLiteral("甲"), 5);
        addBook(db, QStringLiteral("0002"), QStringLiteral("乙"), 9);
        addBook(db, QStringLiteral("0004"), QStringLiteral("丁"), 0);
        // Eight more at 1, so that the server's 12 percent (ceil(13 * 0.12) = 2) and the
        // embedded 12 rows both cut through ties.
        for (int i = 0; i < 8; ++i)
            addBook(db, QStringLiteral("1%1").arg(i), QStringLiteral("其他%1").arg(i), 1);

        QStringList labels;
        for (const Rankings::Row &r : Rankings::rows(db, Rankings::Kind::Books))
            labels << QStringLiteral("%1=%2").arg(r.label).arg(r.value);
        if (db.dialect().isServer())
            QCOMPARE(labels, (QStringList{"乙=9", "甲=5"}));
        else
            QCOMPARE(labels, (QStringList{"乙=9", "甲=5", "丙=5", "其他0=1", "其他1=1", "其他2=1", "其他3=1", "其他4=1",
                                          "其他5=1", "其他6=1", "其他7=1", "丁=0"}));
    }

    void eachRankingReadsItsTable_data() { TestDatabase::addEngines(); }
    void eachRankingReadsItsTable()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        addBook(db, QStringLiteral("0001"), QStringLiteral("图书甲"), 3);
        addPeriodical(db, QStringLiteral("Q001"), QStringLiteral("读者文摘"), 8);
        addPeriodical(db, QStringLiteral("Q002"), QStringLiteral("故事会"), 2);
        addReader(db, QStringLiteral("R001"), QStringLiteral("张三"), 11);
        auto first = [&db](Rankings::Kind kind) {
            const QList<Rankings::Row> rows = Rankings::rows(db, kind);
            return rows.isEmpty() ? QString() : QStringLiteral("%1=%2").arg(rows[0].label).arg(rows[0].value);
        };
        QCOMPARE(first(Rankings::Kind::Books), QStringLiteral("图书甲=3"));
        QCOMPARE(first(Rankings::Kind::Periodicals), QStringLiteral("读者文摘=8"));
        QCOMPARE(first(Rankings::Kind::Readers), QStringLiteral("张三=11"));
        QCOMPARE(Rankings::rows(db, Rankings::Kind::Periodicals).size(), db.dialect().isServer() ? 1 : 2);
    }
};

QTEST_GUILESS_MAIN(TestRankings)
#include "tst_rankings.moc"
