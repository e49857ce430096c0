// SPDX-License-Identifier: MIT
// Top-ups, refunds, counter charges and the income listing on both engines.
#include "TestDatabase.h"
#include "foundation/DayClock.h"
#include "foundation/Money.h"
#include "foundation/SqlValues.h"
#include "readers/CardAccount.h"
#include "readers/IncomeJournal.h"

#include <QSqlQuery>
#include <QTest>

namespace {
void addReader(SharedConnection &db, const QString &number, const QVariant &balance)
{
    db.exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名, 卡内金额) values (?, ?, ?)"),
            {number, QStringLiteral("张三"), balance});
}

Money balanceOf(SharedConnection &db, const QString &number)
{
    return Money::fromVariant(db.scalar(QStringLiteral("select 卡内金额 from 读者库 where 读者编号=?"), {number}));
}

Money m(const char *text)
{
    return Money::fromText(QString::fromLatin1(text));
}
} // namespace

class TestCardAccount : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { DayClock::setToday(QDate()); }

    // What an amount box's text is worth: two points or nothing is 0.
    void amountBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refund");
        QTest::addColumn<QString>("amount");
        QTest::newRow("whole") << "50" << false << "50";
        QTest::newRow("decimal") << "12.5" << false << "12.5";
        QTest::newRow("refund") << "20" << true << "-20";
        QTest::newRow("two points") << "1.2.3" << false << "0";
        QTest::newRow("empty") << "" << false << "0";
        QTest::newRow("point only") << "." << false << "0";
        QTest::newRow("four decimals") << "0.0001" << false << "0.0001";
    }
    void amountBox()
    {
        QFETCH(QString, text);
        QFETCH(bool, refund);
        QFETCH(QString, amount);
        QCOMPARE(CardAccount::amountOf(text, refund).toString(), amount);
    }

    // Balance arithmetic in money (no float drift), with the journal row each time.
    void topUpAndRefund_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QVariant>("start");
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QString>("balance");
        for (const char *e : {"sqlite", "postgresql"}) {
            const QString engine = QString::fromLatin1(e);
            QTest::addRow("%s refund 20 of 50", e) << engine << QVariant(50) << QStringList{"-20"} << "30";
            QTest::addRow("%s tenths add up", e)
                << engine << QVariant(0) << QStringList{"0.1", "0.2", "0.1", "0.2", "0.1", "0.2", "0.1"} << "1";
            QTest::addRow("%s below zero", e) << engine << QVariant(QStringLiteral("1.5")) << QStringList{"-4"} << "-2.5";
            QTest::addRow("%s empty balance counts as 0", e) << engine << QVariant() << QStringList{"7.25"} << "7.25";
        }
    }
    void topUpAndRefund()
    {
        QFETCH(QString, engine);
        QFETCH(QVariant, start);
        QFETCH(QStringList, amounts);
        QFETCH(QString, balance);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        addReader(db, QStringLiteral("R1"), start);
        addReader(db, QStringLiteral("R2"), 99);
        Money sum;
        CardAccount::Outcome o;
        for (const QString &a : amounts) {
            o = CardAccount::topUp(db, QStringLiteral("r1"), Money::fromText(a), QStringLiteral("备注 'x'"),
                                   QStringLiteral("王五"));
            QVERIFY(o.ok);
            sum += Money::fromText(a);
        }
        QCOMPARE(o.balance.toString(), balance);
        QCOMPARE(balanceOf(db, QStringLiteral("R1")).toString(), balance);
        QCOMPARE(balanceOf(db, QStringLiteral("R2")), Money::fromYuan(99));

        QSqlQuery q = db.exec(QStringLiteral("select 项目, 读者编号, 读者姓名, 金额, 管理员, 备注, 时间 from 收入 order by id"));
        int rows = 0;
        Money journalled;
        while (q.next()) {
            QCOMPARE(q.value(0).toString(), QStringLiteral("充值"));
            QCOMPARE(q.value(1).toString(), QStringLiteral("R1"));
            QCOMPARE(q.value(2).toString(), QStringLiteral("张三"));
            QCOMPARE(Money::fromVariant(q.value(3)), Money::fromText(amounts.at(rows)));
            QCOMPARE(q.value(4).toString(), QStringLiteral("王五"));
            QCOMPARE(q.value(5).toString(), QStringLiteral("备注 'x'"));
            QCOMPARE(SqlValues::toDateTime(q.value(6)).date(), DayClock::today());
            journalled += Money::fromVariant(q.value(3));
            ++rows;
        }
        QCOMPARE(rows, int(amounts.size()));
        QCOMPARE(journalled, sum);
    }

    void refusals_data() { TestDatabase::addEngines(); }
    void refusals()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        addReader(db, QStringLiteral("R1"), 10);
        const CardAccount::Outcome zero = CardAccount::topUp(db, QStringLiteral("R1"), Money(), {}, QStringLiteral("op"));
        QVERIFY(!zero.ok);
        QCOMPARE(zero.message, QStringLiteral("不能充0元!"));
        const CardAccount::Outcome missing = CardAccount::topUp(db, QStringLiteral("R9"), m("5"), {}, QStringLiteral("op"));
        QVERIFY(!missing.ok);
        QCOMPARE(missing.message, QStringLiteral("没有找到对应的记录!"));
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 收入")).toInt(), 0);
        QCOMPARE(balanceOf(db, QStringLiteral("R1")), Money::fromYuan(10));
        QVERIFY(!db.inTransaction());
    }

    // The balance never changes without its journal row: when the journal cannot be
    // written, the top-up is undone and the database's message comes out.
    void balanceAndJournalTogether_data() { TestDatabase::addEngines(); }
    void balanceAndJournalTogether()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        addReader(db, QStringLiteral("R1"), 10);
        db.exec(QStringLiteral("drop table 收入"));
        QString message;
        try {
            CardAccount::topUp(db, QStringLiteral("R1"), m("5"), {}, QStringLiteral("op"));
        } catch (const DatabaseError &e) {
            message = e.message();
        }
        QVERIFY(message.contains(QStringLiteral("收入")));
        QCOMPARE(balanceOf(db, QStringLiteral("R1")), Money::fromYuan(10));
        QVERIFY(!db.inTransaction());
    }

    // Charges: now, no reader, any amount including 0.
    void charges_data() { TestDatabase::addEngines(); }
    void charges()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        IncomeJournal::charge(db, QStringLiteral("补卡"), m("3.5"), QStringLiteral("丢失"), QStringLiteral("王五"));
        IncomeJournal::charge(db, QStringLiteral("租金"), Money::fromText(QString()), QString(), QStringLiteral("王五"));
        QSqlQuery q = db.exec(QStringLiteral("select 项目, 金额, 读者编号, 读者姓名, 管理员, 备注 from 收入 order by id"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("补卡"));
        QCOMPARE(Money::fromVariant(q.value(1)), m("3.5"));
        QVERIFY(q.value(2).isNull() && q.value(3).isNull());
        QCOMPARE(q.value(5).toString(), QStringLiteral("丢失"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("租金"));
        QVERIFY(!q.value(1).isNull());
        QCOMPARE(Money::fromVariant(q.value(1)), Money());
    }

    // The listing from midnight to midnight: the "to" day itself only for rows stamped
    // at midnight (opening fees); rows of today after midnight only with "to" tomorrow.
    void listingRange_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("sum");
        for (const char *e : {"sqlite", "postgresql"}) {
            const QString engine = QString::fromLatin1(e);
            QTest::addRow("%s to yesterday", e) << engine << QDate(2024, 12, 7) << QStringList{"old"} << "1";
            QTest::addRow("%s to today", e) << engine << QDate(2024, 12, 8) << QStringList{"old", "开户费"} << "3";
            QTest::addRow("%s to tomorrow", e)
                << engine << QDate(2024, 12, 9) << QStringList{"old", "开户费", "充值", "罚金"} << "9.5";
        }
    }
    void listingRange()
    {
        QFETCH(QString, engine);
        QFETCH(QDate, to);
        QFETCH(QStringList, items);
        QFETCH(QString, sum);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        auto add = [&db](const char *item, const QDateTime &when, const char *amount) {
            IncomeJournal::Entry e;
            e.item = QString::fromUtf8(item);
            e.time = when;
            e.amount = m(amount);
            IncomeJournal::append(db, e);
        };
        add("old", QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59)), "100");
        add("old", QDateTime(QDate(2000, 1, 1), QTime(0, 0)), "1");
        add("开户费", QDateTime(QDate(2024, 12, 8), QTime(0, 0)), "2");
        add("充值", QDateTime(QDate(2024, 12, 8), QTime(0, 0, 1)), "4");
        add("罚金", QDateTime(QDate(2024, 12, 8), QTime(23, 59, 59)), "2.5");
        add("future", QDateTime(QDate(2024, 12, 9), QTime(0, 0, 1)), "1000");

        QSqlQuery q = db.exec(IncomeJournal::rangeStatement(), IncomeJournal::rangeValues(QDate(2000, 1, 1), to));
        QStringList found;
        QList<Money> amounts;
        while (q.next()) {
            found << q.value(QStringLiteral("项目")).toString();
            amounts << Money::fromVariant(q.value(QStringLiteral("金额")));
        }
        found.sort();
        items.sort();
        QCOMPARE(found, items);
        QCOMPARE(IncomeJournal::sumOf(amounts).toString(), sum);
    }
};

QTEST_MAIN(TestCardAccount)
#include "tst_card_account.moc"
