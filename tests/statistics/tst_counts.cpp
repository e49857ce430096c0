// SPDX-License-Identifier: MIT
// Stock-taking counts on a fixed day and totals per class, on both engines.
#include "StatisticsRows.h"
#include "TestDatabase.h"
#include "statistics/ClassTotals.h"
#include "statistics/StockTaking.h"

#include <QTest>

using namespace StatisticsRows;

namespace {
QStringList texts(const QList<StockTaking::Count> &counts)
{
    QStringList list;
    for (const StockTaking::Count &c : counts)
        list << c.caption + c.text();
    return list;
}

QStringList texts(const QList<ClassTotals::Row> &rows)
{
    QStringList list;
    for (const ClassTotals::Row &r : rows)
        list << QStringLiteral("%1|%2|%3").arg(r.分类).arg(r.数量).arg(r.金额.toString());
    return list;
}

const QDate day(2024, 12, 8);
QDateTime at(const QDate &d, int h, int m = 0, int s = 0)
{
    return QDateTime(d, QTime(h, m, s));
}
} // namespace

class TestCounts : public QObject
{
    Q_OBJECT

private slots:
    void emptyDatabase_data() { TestDatabase::addEngines(); }
    void emptyDatabase()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        QCOMPARE(texts(StockTaking::totals(t.db())),
                 (QStringList{"图书总数:0", "期刊总数:0", "读者总数:0", "总未还数量:0", "历史借出总数:0",
                              "当前在库图书数量:0", "当前在库期刊数量:0"}));
        QCOMPARE(texts(StockTaking::periodCounts(t.db(), day, day.addDays(1))),
                 (QStringList{"借出次数:0", "归还次数:0", "图书入库数:0", "期刊入库数:0", "读者登记数:0", "租金收入:0"}));
        QCOMPARE(ClassTotals::rows(t.db(), QStringLiteral("图书")).size(), 0);
    }

    // The window's default period is the day and the next; rows on either side stay out.
    void stockTakingOnAFixedDay_data() { TestDatabase::addEngines(); }
    void stockTakingOnAFixedDay()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        const QDate next = day.addDays(1), before = day.addDays(-1), after = day.addDays(2);
        const QString yes = QStringLiteral("是");
        // Two loans made on the day (one still open), one the day before, returned on the day.
        addLoan(db, {{"借阅日期", day}});
        addLoan(db, {{"借阅日期", day}, {"已还", yes}, {"归还日期", next}, {"实际租金", money("5")}});
        addLoan(db, {{"借阅日期", before}, {"已还", yes}, {"归还日期", day}, {"实际租金", money("3")}});
        // Outside the period: no return, no rent. A return day on a loan not marked 已还
        // "是" counts as a return (the count reads 归还日期 only) but adds no rent.
        addLoan(db, {{"借阅日期", before}, {"已还", yes}, {"归还日期", after}, {"实际租金", money("100")}});
        addLoan(db, {{"借阅日期", after}, {"归还日期", day}, {"实际租金", money("7")}});
        // Books stamped inside the period, at exactly midnight of its last day, and after it.
        addBook(db, "0001", "甲", 0, 3, {}, "综合", at(day, 10, 30));
        addBook(db, "0002", "乙", 0, 4, {}, "综合", at(next, 0));
        addBook(db, "0003", "丙", 0, 0, {}, "综合", at(next, 0, 0, 1));
        addBook(db, "0004", "丁", 0, 2, {}, "综合", at(before, 23, 59, 59));
        addPeriodical(db, "Q001", "刊甲", 0, 6, {}, "综合", at(day, 0));
        addReader(db, "R001", "张三", 0, at(day, 8));
        addReader(db, "R002", "李四", 0, at(after, 8));

        QCOMPARE(texts(StockTaking::periodCounts(db, day, next)),
                 (QStringList{"借出次数:2", "归还次数:3", "图书入库数:2", "期刊入库数:1", "读者登记数:1", "租金收入:8"}));
        QCOMPARE(texts(StockTaking::periodCounts(db, day, day)),
                 (QStringList{"借出次数:2", "归还次数:2", "图书入库数:0", "期刊入库数:1", "读者登记数:0", "租金收入:3"}));
        // A reversed period counts nothing.
        QCOMPARE(texts(StockTaking::periodCounts(db, next, day)),
                 (QStringList{"借出次数:0", "归还次数:0", "图书入库数:0", "期刊入库数:0", "读者登记数:0", "租金收入:0"}));
        // 图书总数 counts rows; 当前在库图书数量 adds up their copies.
        QCOMPARE(texts(StockTaking::totals(db)),
                 (QStringList{"图书总数:4", "期刊总数:1", "读者总数:2", "总未还数量:2", "历史借出总数:5",
                              "当前在库图书数量:9", "当前在库期刊数量:6"}));
    }

    void rentIncomeKeepsItsDecimals_data() { TestDatabase::addEngines(); }
    void rentIncomeKeepsItsDecimals()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        const QString yes = QStringLiteral("是");
        addLoan(t.db(), {{"已还", yes}, {"归还日期", day}, {"实际租金", money("0.1")}});
        addLoan(t.db(), {{"已还", yes}, {"归还日期", day}, {"实际租金", money("0.2")}});
        QCOMPARE(StockTaking::periodCounts(t.db(), day, day).last().text(), QStringLiteral("0.3"));
    }

    void classTotals_data() { TestDatabase::addEngines(); }
    void classTotals()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        addBook(db, "0001", "甲", 0, 3, Money::fromText("12.35"), "文学");
        addBook(db, "0002", "乙", 0, 2, Money::fromText("0.1"), "文学");
        addBook(db, "0003", "丙", 0, 0, Money::fromText("99"), "科技");
        addBook(db, "0004", "丁", 0, 1, Money::fromText("20"), "科技");
        addPeriodical(db, "Q001", "刊甲", 0, 5, Money::fromText("8.5"), "期刊类");
        QCOMPARE(texts(ClassTotals::rows(db, QStringLiteral("图书"))), (QStringList{"文学|5|37.25", "科技|1|20"}));
        QCOMPARE(texts(ClassTotals::rows(db, QStringLiteral(" 期刊 "))), (QStringList{"期刊类|5|42.5"}));
    }

    // The table name goes into the statement's text: only 图书 and 期刊 get there.
    void classTotalsRefuseOtherTables_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("table");
        for (const char *engine : {"sqlite", "postgresql"})
            for (const char *table : {"读者库", "", "图书 group by 分类; drop table 期刊; --", "借出记录", "图书2"})
                QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(engine, QString::fromUtf8(table))))
                    << QString::fromLatin1(engine) << QString::fromUtf8(table);
    }
    void classTotalsRefuseOtherTables()
    {
        QFETCH(QString, engine);
        QFETCH(QString, table);
        OPEN_TEST_DATABASE(t, engine);
        QString message;
        QVERIFY(ClassTotals::checkTable(table, &message).isEmpty());
        QCOMPARE(message, QStringLiteral("统计范围只能是\"图书\"或\"期刊\"!"));
        try {
            ClassTotals::rows(t.db(), table);
            QFAIL("refused table was queried");
        } catch (const DatabaseError &e) {
            QCOMPARE(e.message(), message);
        }
        QCOMPARE(t.db().scalar(QStringLiteral("select count(*) from 期刊")).toInt(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCounts)
#include "tst_counts.moc"
