// SPDX-License-Identifier: MIT
// Renewal, the reservation list and its clearing, and the overdue and reader lists,
// on both engines.
#include "CirculationFixtures.h"
#include "TestDatabase.h"
#include "circulation/OpenLoans.h"
#include "circulation/RenewalDesk.h"
#include "circulation/Reservations.h"
#include "circulation/ReturnDesk.h"

#include <QTest>

using namespace Fixture;

namespace {
QStringList column(SharedConnection &db, const BoundQuery &q, const char *name)
{
    QStringList out;
    QSqlQuery rows = db.exec(q.sql, q.values);
    while (rows.next())
        out << rows.value(QString::fromUtf8(name)).toString();
    return out;
}
} // namespace

class TestRenewalReservations : public QObject
{
    Q_OBJECT

private slots:
    void init() { DayClock::setToday(day()); }
    void cleanup() { DayClock::setToday(QDate()); }

    void renewal_data() { TestDatabase::addEngines(); }
    void renewal()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        loan(db, QStringLiteral("R1"), QStringLiteral("B1"), QStringLiteral("已还=是;应还日期=today-5"));
        loan(db, QStringLiteral("R1"), QStringLiteral("B1"), QStringLiteral("应还日期=today+3"));
        loan(db, QStringLiteral("R1"), QStringLiteral("B1"), QStringLiteral("应还日期=today+9"));
        const QString notFound = QStringLiteral("没有找到该借阅记录,请检查您输入的信息是否正确!");

        QCOMPARE(RenewalDesk::find(db, QStringLiteral("R2"), QStringLiteral("B1")).message, notFound);
        QCOMPARE(RenewalDesk::find(db, QStringLiteral("R1 "), QStringLiteral("B1")).message, notFound);
        // Two open copies of one number: the first open row, never the returned one.
        const RenewalDesk::Found f = RenewalDesk::find(db, QStringLiteral("R1"), QStringLiteral("B1"));
        QVERIFY(f.ok);
        QCOMPARE(f.loan.应还日期, day().addDays(3));

        // Any date, also one in the past, which makes the loan overdue at once.
        QString message;
        QVERIFY(RenewalDesk::renew(db, f.loan.id, day().addDays(-2), &message));
        QCOMPARE(message, QStringLiteral("续借完毕!"));
        QCOMPARE(cell(db, QStringLiteral("借出记录"), QStringLiteral("应还日期"), QStringLiteral("id=?"), {f.loan.id}),
                 QStringLiteral("2024-03-13"));
        QCOMPARE(column(db, OpenLoans::overdue(day()), "id"), QStringList{QString::number(f.loan.id)});
        const LoginSession s = session();
        ReturnDesk returning(db, s);
        QCOMPARE(returning.figures(RenewalDesk::find(db, QStringLiteral("R1"), QStringLiteral("B1")).loan).罚金.toString(),
                 QStringLiteral("0.2"));

        // Renewed into the future it leaves the overdue list.
        QVERIFY(RenewalDesk::renew(db, f.loan.id, day().addDays(20), &message));
        QVERIFY(column(db, OpenLoans::overdue(day()), "id").isEmpty());

        // Returned meanwhile elsewhere: not renewed.
        db.exec(QStringLiteral("update 借出记录 set 已还=? where id=?"), {QStringLiteral("是"), f.loan.id});
        QVERIFY(!RenewalDesk::renew(db, f.loan.id, day().addDays(30), &message));
        QCOMPARE(message, notFound);
        QCOMPARE(cell(db, QStringLiteral("借出记录"), QStringLiteral("应还日期"), QStringLiteral("id=?"), {f.loan.id}),
                 QStringLiteral("2024-04-04"));
    }

    void reservations_data() { TestDatabase::addEngines(); }
    void reservations()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        item(db, QStringLiteral("B2"), QStringLiteral("预定状况=R1;预定到期时间=today+1 10:00:00"));
        item(db, QStringLiteral("B1"), QStringLiteral("预定状况=R2"));
        item(db, QStringLiteral("B3"), QStringLiteral("预定到期时间=today+1 10:00:00"));
        item(db, QStringLiteral("B4"));
        item(db, QStringLiteral("期刊:Q1"), QStringLiteral("预定状况=R1;预定到期时间=today+1 10:00:00"));
        QCOMPARE(column(db, {Reservations::listQuery(), {}}, "编号"), (QStringList{"B1", "B2"}));

        QCOMPARE(Reservations::clearAll(db), 2);
        QVERIFY(column(db, {Reservations::listQuery(), {}}, "编号").isEmpty());
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 图书 where 预定到期时间 is not null")).toInt(), 0);
        // Periodicals keep theirs: only lending clears them.
        QCOMPARE(cell(db, QStringLiteral("期刊"), QStringLiteral("预定状况"), QStringLiteral("编号=?"), {QStringLiteral("Q1")}),
                 QStringLiteral("R1"));
        QCOMPARE(Reservations::clearAll(db), 0);
    }

    void overdueAndReaderLists_data() { TestDatabase::addEngines(); }
    void overdueAndReaderLists()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        loan(db, QStringLiteral("R1"), QStringLiteral("due-today"), QStringLiteral("应还日期=today"));
        loan(db, QStringLiteral("R2"), QStringLiteral("due-yesterday"), QStringLiteral("应还日期=today-1"));
        loan(db, QStringLiteral("R1"), QStringLiteral("due-tomorrow"), QStringLiteral("应还日期=today+1"));
        loan(db, QStringLiteral("R1"), QStringLiteral("returned"), QStringLiteral("应还日期=today-9;已还=是"));
        QCOMPARE(column(db, OpenLoans::overdue(day()), "编号"), (QStringList{"due-today", "due-yesterday"}));
        QCOMPARE(column(db, OpenLoans::ofReader(QStringLiteral("R1")), "编号"), (QStringList{"due-today", "due-tomorrow"}));
        QVERIFY(column(db, OpenLoans::ofReader(QString()), "编号").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRenewalReservations)
#include "tst_renewal_reservations.moc"
