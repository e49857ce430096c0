// SPDX-License-Identifier: MIT
// The return counter's core on both engines: the search, the rent and fine arithmetic
// in exact money, and one return as all or nothing; and a lend and return giving the
// same rows on both engines.
#include "CirculationFixtures.h"
#include "TestDatabase.h"
#include "circulation/LendingDesk.h"
#include "circulation/ReturnDesk.h"

#include <QTest>

using namespace Fixture;

namespace {
QStringList ids(const QList<LoanRow> &rows)
{
    QStringList out;
    for (const LoanRow &r : rows)
        out << r.编号;
    return out;
}
} // namespace

class TestReturnDesk : public QObject
{
    Q_OBJECT

private slots:
    void init() { DayClock::setToday(day()); }
    void cleanup() { DayClock::setToday(QDate()); }

    void figures_data()
    {
        QTest::addColumn<QString>("lent"); // relative dates
        QTest::addColumn<QString>("due");
        QTest::addColumn<QString>("rent"); // daily rent of the loan
        QTest::addColumn<QString>("finePerDay");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("rentCharged");
        QTest::addColumn<int>("overdue");
        QTest::addColumn<QString>("fine");
        QTest::newRow("returned on the lending day") << "today" << "today+30" << "0.5" << "0.1" << 1 << "0.5" << -30 << "0";
        QTest::newRow("returned after ten days") << "today-10" << "today+20" << "0.5" << "0.1" << 10 << "5" << -20 << "0";
        QTest::newRow("due yesterday") << "today-31" << "today-1" << "0" << "0.1" << 31 << "0" << 1 << "0.1";
        QTest::newRow("due today") << "today-30" << "today" << "0" << "0.1" << 30 << "0" << 0 << "0";
        QTest::newRow("three days at 0.5") << "today-33" << "today-3" << "0" << "0.5" << 33 << "0" << 3 << "1.5";
        QTest::newRow("four decimals exact") << "today-7" << "today-3" << "0.3333" << "0.0001" << 7 << "2.3331" << 3 << "0.0003";
        QTest::newRow("a year at 1.2345") << "today-365" << "today-335" << "1.2345" << "0.35" << 365 << "450.5925" << 335 << "117.25";
        QTest::newRow("lending day after today") << "today+2" << "today+32" << "1" << "0.1" << 2 << "2" << -32 << "0";
        QTest::newRow("no lending day") << "null" << "today+1" << "2" << "0.1" << 1 << "2" << -1 << "0";
        QTest::newRow("no due day") << "today-4" << "null" << "0" << "0.1" << 4 << "0" << 0 << "0";
        QTest::newRow("over a month end") << "2024-02-27" << "2024-03-01" << "0.1" << "1" << 17 << "1.7" << 14 << "14";
    }
    void figures()
    {
        QFETCH(QString, lent);
        QFETCH(QString, due);
        QFETCH(QString, rent);
        QFETCH(QString, finePerDay);
        const ReturnFigures f = ReturnFigures::compute(dateOf(lent), dateOf(due), Money::fromText(rent),
                                                       Money::fromText(finePerDay), DayClock::today());
        QTEST(f.实际租期, "days");
        QTEST(f.实际租金.toString(), "rentCharged");
        QTEST(f.超期天数, "overdue");
        QTEST(f.罚金.toString(), "fine");
    }

    void fineNotice_data()
    {
        QTest::addColumn<bool>("finesOn");
        QTest::addColumn<QString>("due");
        QTest::addColumn<QString>("notice");
        QTest::newRow("overdue") << true << "today-3" << "超期罚金是:1.5 元.";
        QTest::newRow("due today") << true << "today" << "";
        QTest::newRow("fines off") << false << "today-3" << "";
    }
    void fineNotice()
    {
        QFETCH(bool, finesOn);
        QFETCH(QString, due);
        LoginSession s = session();
        s.switches.启用超期罚金 = finesOn;
        s.switches.超期每日罚金 = Money::fromText(QStringLiteral("0.5"));
        SharedConnection unused(QStringLiteral("unused"));
        ReturnDesk desk(unused, s);
        LoanRow loan;
        loan.借阅日期 = day().addDays(-40);
        loan.应还日期 = dateOf(due);
        QTEST(desk.fineNotice(desk.figures(loan)), "notice");
    }

    void search_data() { TestDatabase::addEngines(); }
    void search()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        reader(db, QStringLiteral("R1"), QStringLiteral("CardId=C1"));
        loan(db, QStringLiteral("R1"), QStringLiteral("B2"));
        loan(db, QStringLiteral("R2"), QStringLiteral("B1"));
        loan(db, QStringLiteral("R1"), QStringLiteral("B1"));
        loan(db, QStringLiteral("R1"), QStringLiteral("B3"), QStringLiteral("已还=是"));
        const LoginSession s = session();
        ReturnDesk desk(db, s);
        const ReturnDesk::Found none = desk.search({}, {}, {});
        QVERIFY(!none.ok);
        QCOMPARE(none.message, QStringLiteral("请输入搜索条件!"));
        QCOMPARE(ids(desk.search({}, {}, QStringLiteral("R1")).rows), (QStringList{"B2", "B1"}));
        QCOMPARE(ids(desk.search(QStringLiteral("B1"), {}, {}).rows), (QStringList{"B1", "B1"}));
        QCOMPARE(desk.search(QStringLiteral("B1"), {}, {}).rows.first().读者编号, QStringLiteral("R2"));
        QCOMPARE(ids(desk.search({}, QStringLiteral("TMB2"), {}).rows), (QStringList{"B2"}));
        QCOMPARE(ids(desk.search(QStringLiteral("B1"), {}, QStringLiteral("R1")).rows), (QStringList{"B1"}));
        QCOMPARE(ids(desk.search(QStringLiteral("B3"), {}, {}).rows), QStringList());
        QCOMPARE(ids(desk.search(QStringLiteral("B1 "), {}, {}).rows), QStringList());
        const ReturnDesk::Found empty = desk.search(QStringLiteral("nothing"), {}, {});
        QVERIFY(empty.ok);
        QVERIFY(empty.message.isEmpty());

        QString number;
        QVERIFY(desk.readerOfCard(QStringLiteral("C1"), &number));
        QCOMPARE(number, QStringLiteral("R1"));
        QVERIFY(!desk.readerOfCard(QStringLiteral("C9"), &number));
    }

    void returnOne_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("switches");  // rent, fines: "11", "10", "01", "00"
        QTest::addColumn<QString>("loanRow");   // pairs of the loan of B1 to R1
        QTest::addColumn<QString>("readerRow"); // pairs of R1
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("days");      // typed over the proposal ("" keeps it)
        QTest::addColumn<QString>("rent");
        // expected: the loan's 实际租期, 实际租金, 罚金; B1's 数量; R1's 未还数量 and 卡内金额
        QTest::addColumn<QString>("expected");
        const QString overdue = QStringLiteral("借阅日期=today-10;应还日期=today-3;租金=0.5");
        for (const QString &e : engines()) {
            auto row = [&e](const char *name) { return &QTest::newRow(qPrintable(e + QLatin1Char('/') + QLatin1String(name))); };
            *row("rent and fine") << e << "11" << overdue << "卡内金额=20;未还数量=1" << "完好" << "" << "" << "10|5|0.3|1|0|14.7";
            *row("rent only") << e << "10" << overdue << "卡内金额=20;未还数量=1" << "完好" << "" << "" << "10|5|0|1|0|15";
            *row("fine only") << e << "01" << overdue << "卡内金额=20;未还数量=1" << "完好" << "" << "" << "10|0|0.3|1|0|19.7";
            *row("both off") << e << "00" << overdue << "卡内金额=20;未还数量=1" << "完好" << "" << "" << "10|0|0|1|0|20";
            *row("balance goes negative") << e << "11" << "借阅日期=today-3;应还日期=today-10;租金=1"
                                          << "卡内金额=0;未还数量=1" << "完好" << "" << "" << "3|3|1|1|0|-4";
            *row("returned on the lending day") << e << "11" << "租金=0.25" << "卡内金额=1;未还数量=2" << "完好" << "" << ""
                                                << "1|0.25|0|1|1|0.75";
            *row("days and rent typed over") << e << "11" << overdue << "卡内金额=20;未还数量=1" << "完好" << "5" << "2.5"
                                             << "5|2.5|0.3|1|0|17.2";
            *row("rent not a number") << e << "11" << overdue << "卡内金额=20;未还数量=1" << "完好" << "" << "abc"
                                      << "10|0|0.3|1|0|19.7";
            *row("lost stays off the shelf") << e << "00" << "" << "未还数量=1" << "丢失" << "" << "" << "1|0|0|0|0|0";
            *row("damaged goes back") << e << "00" << "" << "未还数量=1" << "破损" << "" << "" << "1|0|0|1|0|0";
            *row("open count never below 0") << e << "00" << "" << "未还数量=0" << "完好" << "" << "" << "1|0|0|1|0|0";
            *row("open count empty") << e << "00" << "" << "未还数量=null" << "完好" << "" << "" << "1|0|0|1|0|0";
        }
    }
    void returnOne()
    {
        QFETCH(QString, engine);
        QFETCH(QString, switches);
        QFETCH(QString, loanRow);
        QFETCH(QString, readerRow);
        QFETCH(QString, condition);
        QFETCH(QString, days);
        QFETCH(QString, rent);
        QFETCH(QString, expected);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        reader(db, QStringLiteral("R1"), readerRow);
        item(db, QStringLiteral("B1"), QStringLiteral("数量=0"));
        loan(db, QStringLiteral("R1"), QStringLiteral("B1"), loanRow);
        LoginSession s = session();
        s.OperatorName = QStringLiteral("管理员乙");
        s.switches.启用租金功能 = switches[0] == QLatin1Char('1');
        s.switches.启用超期罚金 = switches[1] == QLatin1Char('1');
        ReturnDesk desk(db, s);
        const LoanRow found = desk.search(QStringLiteral("B1"), {}, {}).rows.value(0);
        ReturnDesk::Input in = desk.proposal(found);
        in.condition = condition;
        in.remark = QStringLiteral("封面's \"破\"");
        in.compensation = QStringLiteral("12.5");
        if (!days.isEmpty())
            in.days = days;
        if (!rent.isEmpty())
            in.rent = rent;
        const ReturnDesk::Outcome out = desk.returnLoan(found, in);
        QVERIFY2(out.ok, qPrintable(out.message));
        QCOMPARE(out.message, QStringLiteral("归还完毕!"));

        const QString where = QStringLiteral("id=?");
        const QVariantList id{found.id};
        auto l = [&](const char *c) { return cell(db, QStringLiteral("借出记录"), QString::fromUtf8(c), where, id); };
        const QStringList got{l("实际租期"), l("实际租金"), l("罚金"),
                              cell(db, QStringLiteral("图书"), QStringLiteral("数量"), QStringLiteral("编号=?"), {QStringLiteral("B1")}),
                              cell(db, QStringLiteral("读者库"), QStringLiteral("未还数量"), QStringLiteral("读者编号=?"), {QStringLiteral("R1")}),
                              cell(db, QStringLiteral("读者库"), QStringLiteral("卡内金额"), QStringLiteral("读者编号=?"), {QStringLiteral("R1")})};
        QCOMPARE(got.join(QLatin1Char('|')), expected);
        QCOMPARE(out.balance.toString(), got.last());
        QCOMPARE(l("已还"), QStringLiteral("是"));
        QCOMPARE(l("归还日期"), QStringLiteral("2024-03-15"));
        QCOMPARE(l("归还经手人"), QStringLiteral("管理员乙"));
        QCOMPARE(l("物品状况"), condition);
        QCOMPARE(l("赔偿金额"), QStringLiteral("12.5"));
        QCOMPARE(l("归还备注"), QStringLiteral("封面's \"破\""));
        QVERIFY(desk.search(QStringLiteral("B1"), {}, {}).rows.isEmpty());
    }

    void periodicalGoesBackToItsTable_data() { TestDatabase::addEngines(); }
    void periodicalGoesBackToItsTable()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        reader(db, QStringLiteral("R1"), QStringLiteral("未还数量=1"));
        item(db, QStringLiteral("X1"), QStringLiteral("数量=0;存放位置=书库"));
        item(db, QStringLiteral("期刊:X1"), QStringLiteral("数量=0;存放位置=期刊室"));
        loan(db, QStringLiteral("R1"), QStringLiteral("X1"), QStringLiteral("类别=期刊"));
        const LoginSession s = session();
        ReturnDesk desk(db, s);
        const LoanRow found = desk.search(QStringLiteral("X1"), {}, {}).rows.value(0);
        QCOMPARE(desk.shelfOf(found), QStringLiteral("期刊室"));
        QVERIFY(desk.returnLoan(found, desk.proposal(found)).ok);
        QCOMPARE(cell(db, QStringLiteral("期刊"), QStringLiteral("数量"), QStringLiteral("编号=?"), {QStringLiteral("X1")}), QStringLiteral("1"));
        QCOMPARE(cell(db, QStringLiteral("图书"), QStringLiteral("数量"), QStringLiteral("编号=?"), {QStringLiteral("X1")}), QStringLiteral("0"));
    }

    // Refused returns change nothing at all.
    void refusedReturnChangesNothing_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        for (const QString &e : engines()) {
            QTest::newRow(qPrintable(e + QStringLiteral("/days not whole"))) << e << "days" << "3.5" << "\"3.5\"不是有效的整数值";
            QTest::newRow(qPrintable(e + QStringLiteral("/days empty"))) << e << "days" << "" << "\"\"不是有效的整数值";
            QTest::newRow(qPrintable(e + QStringLiteral("/compensation not money"))) << e << "compensation" << "十元"
                                                                                    << "\"十元\"不是有效的赔偿金额";
            QTest::newRow(qPrintable(e + QStringLiteral("/returned elsewhere meanwhile"))) << e << "again" << ""
                                                                                          << "没有找到未还的借阅记录";
        }
    }
    void refusedReturnChangesNothing()
    {
        QFETCH(QString, engine);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        reader(db, QStringLiteral("R1"), QStringLiteral("未还数量=2;卡内金额=10"));
        item(db, QStringLiteral("B1"), QStringLiteral("数量=0"));
        loan(db, QStringLiteral("R1"), QStringLiteral("B1"), QStringLiteral("借阅日期=today-40;应还日期=today-10;租金=1"));
        LoginSession s = session();
        s.switches.启用租金功能 = true;
        ReturnDesk desk(db, s);
        const LoanRow found = desk.search(QStringLiteral("B1"), {}, {}).rows.value(0);
        ReturnDesk::Input in = desk.proposal(found);
        if (field == QLatin1String("days"))
            in.days = typed;
        else if (field == QLatin1String("compensation"))
            in.compensation = typed;
        else
            QVERIFY(desk.returnLoan(found, in).ok); // another workstation returned it
        const QStringList before{dump(db, QStringLiteral("借出记录"), QStringLiteral("id")).join('\n'),
                                 dump(db, QStringLiteral("图书"), QStringLiteral("编号")).join('\n'),
                                 dump(db, QStringLiteral("读者库"), QStringLiteral("读者编号")).join('\n')};
        const ReturnDesk::Outcome out = desk.returnLoan(found, in);
        QVERIFY(!out.ok);
        QCOMPARE(out.message, message);
        const QStringList after{dump(db, QStringLiteral("借出记录"), QStringLiteral("id")).join('\n'),
                                dump(db, QStringLiteral("图书"), QStringLiteral("编号")).join('\n'),
                                dump(db, QStringLiteral("读者库"), QStringLiteral("读者编号")).join('\n')};
        QCOMPARE(after, before);
        QVERIFY(!db.inTransaction());
    }

    // A loan whose item or reader is gone still closes; a database error undoes it all.
    void returnWithoutItemOrReader_data() { TestDatabase::addEngines(); }
    void returnWithoutItemOrReader()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        loan(db, QStringLiteral("R9"), QStringLiteral("B9"));
        const LoginSession s = session();
        ReturnDesk desk(db, s);
        const LoanRow found = desk.search({}, {}, QStringLiteral("R9")).rows.value(0);
        const ReturnDesk::Outcome out = desk.returnLoan(found, desk.proposal(found));
        QVERIFY(out.ok);
        QVERIFY(!out.readerFound);
        QCOMPARE(cell(db, QStringLiteral("借出记录"), QStringLiteral("已还"), QStringLiteral("id=?"), {found.id}), QStringLiteral("是"));

        reader(db, QStringLiteral("R1"), QStringLiteral("未还数量=1"));
        item(db, QStringLiteral("B1"), QStringLiteral("数量=0"));
        loan(db, QStringLiteral("R1"), QStringLiteral("B1"));
        const LoanRow second = desk.search({}, {}, QStringLiteral("R1")).rows.value(0);
        db.exec(QStringLiteral("alter table 读者库 rename to 读者库_gone"));
        const ReturnDesk::Outcome failed = desk.returnLoan(second, desk.proposal(second));
        QVERIFY(!failed.ok);
        QVERIFY(!failed.message.isEmpty());
        QCOMPARE(cell(db, QStringLiteral("借出记录"), QStringLiteral("已还"), QStringLiteral("id=?"), {second.id}), QStringLiteral("否"));
        QCOMPARE(cell(db, QStringLiteral("图书"), QStringLiteral("数量"), QStringLiteral("编号=?"), {QStringLiteral("B1")}), QStringLiteral("0"));
    }

    // The same lend and return on both engines leave the same rows.
    void sameRowsOnBothEngines()
    {
        QStringList results;
        for (const QString &engine : engines()) {
            OPEN_TEST_DATABASE(t, engine);
            SharedConnection &db = t.db();
            db.exec(QStringLiteral("insert into 物品级别 (名称, 租金, 可借数量) values (?, 0.75, 3)"), {QStringLiteral("珍本")});
            reader(db, QStringLiteral("R1"), QStringLiteral("CardId=C1;卡内金额=10.05;登记日期=2024-01-01 09:30:00"));
            item(db, QStringLiteral("B1"), QStringLiteral("名称=围城;数量=2;物品级别=珍本;价格=19.9;入库时间=2024-01-02 00:00:00"));
            item(db, QStringLiteral("B2"), QStringLiteral("名称=边城;预定状况=R1;预定到期时间=today+1 18:00:00"));
            item(db, QStringLiteral("期刊:Q1"), QStringLiteral("名称=收获;物品级别=null"));
            LoginSession s = session();
            s.switches.启用租金功能 = true;
            LendingDesk lending(db, s);
            lending.lookUpReader(QStringLiteral("C1"));
            for (const auto &[table, number] : {std::pair{ItemTable::Book, "B1"}, std::pair{ItemTable::Book, "B2"},
                                                 std::pair{ItemTable::Periodical, "Q1"}})
                lending.admit(lending.findItems(table, ItemKey::Number, QString::fromUtf8(number)).rows.value(0));
            QVERIFY(lending.lend(false).ok);

            DayClock::setToday(day().addDays(40));
            ReturnDesk returning(db, s);
            for (const LoanRow &loan : returning.search({}, {}, QStringLiteral("R1")).rows.mid(0, 2)) {
                ReturnDesk::Input in = returning.proposal(loan);
                if (loan.编号 == QLatin1String("B2"))
                    in.condition = QStringLiteral("丢失");
                QVERIFY(returning.returnLoan(loan, in).ok);
            }
            DayClock::setToday(day());
            // ids are engine counters; both start at 1.
            results << (dump(db, QStringLiteral("借出记录"), QStringLiteral("id")) + dump(db, QStringLiteral("图书"), QStringLiteral("编号"))
                        + dump(db, QStringLiteral("期刊"), QStringLiteral("编号")) + dump(db, QStringLiteral("读者库"), QStringLiteral("读者编号")))
                           .join(QLatin1Char('\n'));
        }
        QCOMPARE(results.size(), 2);
        QCOMPARE(results[1], results[0]);
        QVERIFY(results[0].contains(QStringLiteral("|R1|读者R1|null|TMB1|B1|围城|图书|珍本|19.9|null|2024-03-15|2024-04-14|2024-04-24|是|0.75|0|1|40|30|管理员甲|管理员甲|完好|0|")));
    }
};

QTEST_GUILESS_MAIN(TestReturnDesk)
#include "tst_return_desk.moc"
