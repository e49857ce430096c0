// SPDX-License-Identifier: MIT
// The loan-record query (every condition alone and combined, the refusals, the footer
// sums) and the deletion with its operator-log row, on both engines.
#include "StatisticsRows.h"
#include "TestDatabase.h"
#include "foundation/DayClock.h"
#include "foundation/LoginSession.h"
#include "foundation/SqlValues.h"
#include "statistics/LoanRecordDeletion.h"
#include "statistics/LoanRecordQuery.h"

#include <QSqlRecord>
#include <QTest>

Q_DECLARE_METATYPE(LoanConditions)

using namespace StatisticsRows;

namespace {

// Six loans that differ in one field at a time; the tests name them 1..6.
QList<qint64> addFixture(SharedConnection &db)
{
    const QString no = QStringLiteral("否"), yes = QStringLiteral("是");
    auto d = [](int m, int day) { return QDate(2024, m, day); };
    QList<qint64> ids;
    ids << addLoan(db, {{"已还", no}});
    ids << addLoan(db, {{"条形码", "B002"}, {"编号", "0002"}, {"名称", "西游记"}, {"借阅日期", d(12, 3)},
                        {"归还日期", d(12, 5)}, {"已还", yes}, {"价格", money("12.3456")}, {"实际租金", money("0.1")}});
    ids << addLoan(db, {{"读者编号", "R002"}, {"读者姓名", "李四"}, {"借阅日期", d(12, 5)}, {"归还日期", d(12, 8)},
                        {"已还", yes}, {"价格", money("0.0001")}, {"实际租金", money("0.2")}, {"罚金", money("1.5")},
                        {"赔偿金额", money("20")}, {"租金", money("0.5")}});
    ids << addLoan(db, {{"读者编号", "R003"}, {"读者姓名", "O'Brien"}, {"条形码", "B003"}, {"编号", "0003"},
                        {"名称", "他说\"好\""}, {"借阅日期", d(11, 30)}});
    ids << addLoan(db, {{"读者编号", "R002"}, {"读者姓名", "李四"}, {"条形码", "b004"}, {"编号", "0004"},
                        {"名称", "红楼梦续"}, {"借阅日期", d(12, 8)}, {"价格", money("30")}});
    ids << addLoan(db, {{"读者编号", " R001"}, {"借阅日期", d(12, 9)}, {"已还", yes}});
    return ids;
}

// The fixture numbers of the rows a query gives, in its order.
QList<int> numbersOf(QSqlQuery &q, const QList<qint64> &ids)
{
    QList<int> numbers;
    while (q.next())
        numbers << int(ids.indexOf(q.value(QStringLiteral("id")).toLongLong())) + 1;
    return numbers;
}

LoanConditions lent(LoanConditions c, QDate from, QDate to)
{
    c.lentRange = true;
    c.lentFrom = from;
    c.lentTo = to;
    return c;
}

LoanConditions returned(LoanConditions c, QDate from, QDate to)
{
    c.returnedRange = true;
    c.returnedFrom = from;
    c.returnedTo = to;
    return c;
}

LoanConditions flag(LoanConditions c, const QString &text)
{
    c.returnedFlag = true;
    c.returned = text;
    return c;
}

LoanConditions with(QString LoanConditions::*field, const QString &text, LoanConditions c = {})
{
    c.*field = text;
    return c;
}

} // namespace

class TestLoanRecords : public QObject
{
    Q_OBJECT

private slots:
    void conditions_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<LoanConditions>("conditions");
        QTest::addColumn<QList<int>>("expected");
        using C = LoanConditions;
        auto d = [](int m, int day) { return QDate(2024, m, day); };
        const QList<std::tuple<const char *, C, QList<int>>> cases{
            {"item", with(&C::item, "0001"), {1, 3, 6}},
            {"title exact", with(&C::title, "红楼梦"), {1, 3, 6}},
            {"title no partial match", with(&C::title, "红楼"), {}},
            {"title with double quote", with(&C::title, "他说\"好\""), {4}},
            {"barcode ignores Latin case", with(&C::barcode, "B004"), {5}},
            {"reader", with(&C::reader, "R001"), {1, 2}},
            {"reader not trimmed", with(&C::reader, " R001"), {6}},
            {"reader trailing blank", with(&C::reader, "R001 "), {}},
            {"name with apostrophe", with(&C::name, "O'Brien"), {4}},
            {"name", with(&C::name, "李四"), {3, 5}},
            {"lent range includes both ends", lent({}, d(12, 3), d(12, 5)), {2, 3}},
            {"lent range of one day", lent({}, d(12, 8), d(12, 8)), {5}},
            {"returned range", returned({}, d(12, 5), d(12, 8)), {2, 3}},
            {"returned range skips open loans", returned({}, d(12, 6), d(12, 31)), {3}},
            {"not returned", flag({}, "否"), {1, 4, 5}},
            {"returned, text trimmed", flag({}, " 是 "), {2, 3, 6}},
            {"returned, other text", flag({}, "全部"), {}},
            {"reader and returned", flag(with(&C::reader, "R002"), "是"), {3}},
            {"item and lent range", lent(with(&C::item, "0001"), d(12, 1), d(12, 4)), {1}},
            {"both ranges", returned(lent({}, d(12, 1), d(12, 5)), d(12, 1), d(12, 31)), {2, 3}},
            {"every condition",
             flag(returned(lent(with(&C::name, "李四",
                                     with(&C::reader, "R002",
                                          with(&C::barcode, "B001",
                                               with(&C::title, "红楼梦", with(&C::item, "0001"))))),
                                d(12, 5), d(12, 5)),
                           d(12, 8), d(12, 8)),
                  "是"),
             {3}},
            {"dates of unticked ranges ignored",
             [&] {
                 C c = with(&C::reader, "R003");
                 c.lentFrom = d(12, 1);
                 c.lentTo = d(12, 2);
                 c.returnedFrom = d(1, 1);
                 c.returnedTo = d(1, 2);
                 return c;
             }(),
             {4}},
        };
        for (const char *engine : {"sqlite", "postgresql"})
            for (const auto &[name, conditions, expected] : cases)
                QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(engine, name)))
                    << QString::fromLatin1(engine) << conditions << expected;
    }
    void conditions()
    {
        QFETCH(QString, engine);
        QFETCH(LoanConditions, conditions);
        QFETCH(QList<int>, expected);
        OPEN_TEST_DATABASE(t, engine);
        const QList<qint64> ids = addFixture(t.db());
        const LoanStatement s = LoanRecords::build(conditions);
        QVERIFY2(s.ok, qPrintable(s.message));
        QSqlQuery q = LoanRecords::open(t.db(), s);
        QCOMPARE(numbersOf(q, ids), expected);
        QCOMPARE(LoanRecords::sums(t.db(), s).count, qint64(expected.size()));
    }

    void allRowsWithEveryField_data() { TestDatabase::addEngines(); }
    void allRowsWithEveryField()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        const QList<qint64> ids = addFixture(t.db());
        QSqlQuery q = LoanRecords::openAll(t.db());
        for (const QString &column : LoanRecords::gridColumns())
            QVERIFY2(q.record().indexOf(column) >= 0, qPrintable(column));
        QCOMPARE(numbersOf(q, ids), (QList<int>{1, 2, 3, 4, 5, 6}));
    }

    void refusals_data()
    {
        QTest::addColumn<LoanConditions>("conditions");
        QTest::addColumn<QString>("message");
        const QDate a(2024, 12, 5), b(2024, 12, 4);
        QTest::newRow("nothing set") << LoanConditions{} << QStringLiteral("请设置查询条件.");
        LoanConditions blanks;
        blanks.lentFrom = b;
        blanks.lentTo = a;
        QTest::newRow("dates of unticked boxes are no condition") << blanks << QStringLiteral("请设置查询条件.");
        QTest::newRow("lent to before from") << lent({}, a, b) << QStringLiteral("借阅时间条件不符合正常逻辑!");
        QTest::newRow("returned to before from") << returned({}, a, b) << QStringLiteral("归还时间条件不符合正常逻辑!");
        QTest::newRow("both reversed: lent first")
            << returned(lent({}, a, b), a, b) << QStringLiteral("借阅时间条件不符合正常逻辑!");
        QTest::newRow("returned reversed with a text")
            << returned(with(&LoanConditions::reader, "R001"), a, b) << QStringLiteral("归还时间条件不符合正常逻辑!");
    }
    void refusals()
    {
        QFETCH(LoanConditions, conditions);
        QFETCH(QString, message);
        const LoanStatement s = LoanRecords::build(conditions);
        QVERIFY(!s.ok);
        QCOMPARE(s.message, message);
    }

    void fourDateConditionsJoined()
    {
        const LoanStatement s =
            LoanRecords::build(returned(lent({}, QDate(2024, 1, 1), QDate(2024, 1, 2)), QDate(2024, 2, 1),
                                        QDate(2024, 2, 2)));
        QVERIFY(s.ok);
        QCOMPARE(s.where, QStringLiteral(" 借阅日期 >=?  and  借阅日期 <=?  and  归还日期 >=?  and  归还日期 <=? "));
        QCOMPARE(s.values.size(), 4);
    }

    void footerSums_data() { TestDatabase::addEngines(); }
    void footerSums()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        const LoanSums empty = LoanRecords::sumsOfAll(t.db());
        QCOMPARE(empty.count, qint64(0));
        QVERIFY(empty.价格.isZero() && empty.实际租金.isZero() && empty.罚金.isZero());

        addFixture(t.db());
        const LoanSums all = LoanRecords::sumsOfAll(t.db());
        QCOMPARE(all.count, qint64(6));
        QCOMPARE(all.价格.toString(), QStringLiteral("42.3457"));
        QCOMPARE(all.实际租金.toString(), QStringLiteral("0.3"));
        QCOMPARE(all.罚金.toString(), QStringLiteral("1.5"));
        QCOMPARE(all.赔偿金额.toString(), QStringLiteral("20"));
        QCOMPARE(all.租金.toString(), QStringLiteral("0.5"));

        const LoanSums some = LoanRecords::sums(t.db(), LoanRecords::build(flag({}, "是")));
        QCOMPARE(some.count, qint64(3));
        QCOMPARE(some.价格.toString(), QStringLiteral("12.3457"));
    }

    // Large and small amounts that a sum of doubles gets wrong in the fourth decimal
    // after a few thousand rows; the footer must still be exact.
    void sumsStayExact_data() { TestDatabase::addEngines(); }
    void sumsStayExact()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        Transaction tx(t.db());
        const QVariantList amounts{money("123456789.1234"), money("0.0001"), money("98765.4321")};
        for (int i = 0; i < 3000; ++i)
            t.db().exec(QStringLiteral("insert into 借出记录 (价格, 罚金) values (?, ?)"),
                        {amounts[i % 3], money("0.1")});
        tx.commit();
        const LoanSums all = LoanRecords::sumsOfAll(t.db());
        QCOMPARE(all.价格.toString(), QStringLiteral("123555554555.6"));
        QCOMPARE(all.罚金.toString(), QStringLiteral("300"));
    }

    void deleteWithLogRow_data() { TestDatabase::addEngines(); }
    void deleteWithLogRow()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        const QList<qint64> ids = addFixture(db);
        addBook(db, QStringLiteral("0003"), QStringLiteral("他说\"好\""), 4);
        addReader(db, QStringLiteral("R003"), QStringLiteral("O'Brien"), 7);
        DayClock::setToday(QDate(2024, 12, 9));
        Rights rights;
        rights.qxadmin = true;
        const LoanRecordDeletion::Result r = LoanRecordDeletion::remove(db, rights, ids[3], QStringLiteral("老王"));
        DayClock::setToday(QDate());
        QVERIFY(r.ok);
        QCOMPARE(r.message, QStringLiteral("ok！"));

        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 借出记录 where id=?"), {ids[3]}).toInt(), 0);
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 借出记录")).toInt(), 5);
        QSqlQuery log = db.exec(QStringLiteral("select 事件, 日期, 管理员, 说明 from 管理员日志"));
        QVERIFY(log.next());
        QCOMPARE(log.value(0).toString(), QStringLiteral("删借出记录"));
        QCOMPARE(SqlValues::toDateTime(log.value(1)).date(), QDate(2024, 12, 9));
        QCOMPARE(log.value(2).toString(), QStringLiteral("老王"));
        QCOMPARE(log.value(3).toString(), QStringLiteral("读者编号：[R003],姓名:[O'Brien],名称:[他说\"好\"]"));
        QVERIFY(!log.next());
        // The item's and the reader's rows are not touched.
        QCOMPARE(db.scalar(QStringLiteral("select 借出次数 from 图书 where 编号='0003'")).toInt(), 4);
        QCOMPARE(db.scalar(QStringLiteral("select 累计借阅次数 from 读者库 where 读者编号='R003'")).toInt(), 7);
    }

    void deleteRefused_data() { TestDatabase::addEngines(); }
    void deleteRefused()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        const QList<qint64> ids = addFixture(db);
        Rights rights;
        // Every right but qxadmin is not enough.
        for (int i = 1; i < Rights::names().size(); ++i)
            rights.setValue(i, true);
        LoanRecordDeletion::Result r = LoanRecordDeletion::remove(db, rights, ids[0], QStringLiteral("老王"));
        QVERIFY(!r.ok);
        QCOMPARE(r.message, QStringLiteral("没有管理员权限！"));

        rights.qxadmin = true;
        r = LoanRecordDeletion::remove(db, rights, ids.last() + 100, QStringLiteral("老王"));
        QVERIFY(!r.ok);
        QCOMPARE(r.message, QStringLiteral("该借出记录已不存在."));

        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 借出记录")).toInt(), 6);
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 管理员日志")).toInt(), 0);
    }

    // The log row is secondary: when it cannot be written the row is deleted all the same.
    void deleteWhenLogFails_data() { TestDatabase::addEngines(); }
    void deleteWhenLogFails()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        const QList<qint64> ids = addFixture(db);
        db.exec(QStringLiteral("drop table 管理员日志"));
        Rights rights;
        rights.qxadmin = true;
        const LoanRecordDeletion::Result r = LoanRecordDeletion::remove(db, rights, ids[0], QStringLiteral("老王"));
        QVERIFY(r.ok);
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 借出记录")).toInt(), 5);
        QVERIFY(!db.inTransaction());
    }

    void deleteQuestion()
    {
        QCOMPARE(LoanRecordDeletion::question(QStringLiteral("张三"), QStringLiteral("红楼梦")),
                 QStringLiteral("您是否要删除读者姓名: (张三), 名称: (红楼梦)"));
    }
};

QTEST_GUILESS_MAIN(TestLoanRecords)
#include "tst_loan_records.moc"
