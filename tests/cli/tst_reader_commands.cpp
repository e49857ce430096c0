// SPDX-License-Identifier: MIT
// bookctl add-reader, topup, charge, income and readers against both engines.
#include "BookCtl.h"
#include "TestDatabase.h"
#include "foundation/Money.h"
#include "foundation/SqlValues.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <QTest>

namespace {
using Run = BookCtlRun;

Run bookctl(const TestDatabase &t, const QStringList &args, const QString &today = QStringLiteral("2024-12-08"))
{
    return runBookCtl(t, args, today);
}

const QString op = QStringLiteral("超级管理员");
} // namespace

class TestReaderCommands : public QObject
{
    Q_OBJECT

private slots:
    void addReader_data() { TestDatabase::addEngines(); }
    void addReader()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        db.exec(QStringLiteral("update 系统设置 set 开户费=?"), {QStringLiteral("5.5")});

        Run r = bookctl(t, {"add-reader", "--operator", op, "--set", "读者编号=R1", "--set", "读者姓名=张三丰",
                            "--set", "住址=O'Neil \"楼\"", "--set", "cardid=C1"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out.trimmed(), QStringLiteral("{\"ok\":true,\"读者编号\":\"R1\",\"py\":\"ZSF\"}").toUtf8());
        QSqlQuery q = db.exec(QStringLiteral("select * from 读者库"));
        QVERIFY(q.next());
        QCOMPARE(q.value("住址").toString(), QStringLiteral("O'Neil \"楼\""));
        QCOMPARE(q.value("CardId").toString(), QStringLiteral("C1"));
        QCOMPARE(q.value("类别").toString(), QStringLiteral("普通"));
        QCOMPARE(q.value("登记人").toString(), op);
        QCOMPARE(SqlValues::toDate(q.value("有效期")), QDate(2024, 12, 8).addDays(14600));
        q.finish(); // an open SQLite statement would keep its snapshot
        QCOMPARE(Money::fromVariant(db.scalar(QStringLiteral("select sum(金额) from 收入 where 项目='开户费'"))).toString(),
                 QStringLiteral("5.5"));

        // A duplicate number in another letter case: the database's message, nothing written.
        db.exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名) values ('x9', '甲')"));
        r = bookctl(t, {"add-reader", "--operator", op, "--set", "读者编号=X9", "--set", "读者姓名=乙"});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.json.value("ok").toBool(true), false);
        QVERIFY(!r.json.value("message").toString().isEmpty());
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 读者库")).toInt(), 2);
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 收入")).toInt(), 1);

        r = bookctl(t, {"add-reader", "--operator", op, "--set", "读者编号=R2", "--set", "有效期=2030-06-30",
                        "--set", "读者姓名=Li"});
        QCOMPARE(r.status, 0);
        QCOMPARE(SqlValues::toDate(db.scalar(QStringLiteral("select 有效期 from 读者库 where 读者编号='R2'"))),
                 QDate(2030, 6, 30));
    }

    void addReaderRefusals_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        for (const char *e : {"sqlite", "postgresql"}) {
            const QString en = QString::fromLatin1(e);
            QTest::addRow("%s no name", e) << en << QStringList{"--operator", op, "--set", "读者编号=R1"} << 1
                                           << "字体加重的项目必须填写!";
            QTest::addRow("%s empty category", e)
                << en << QStringList{"--operator", op, "--set", "读者编号=R1", "--set", "读者姓名=甲", "--set", "类别="}
                << 1 << "字体加重的项目必须填写!";
            QTest::addRow("%s no such operator", e)
                << en << QStringList{"--operator", "nobody", "--set", "读者编号=R1", "--set", "读者姓名=甲"} << 1
                << "没有这个管理员: nobody";
            QTest::addRow("%s operator without the right", e)
                << en << QStringList{"--operator", "录入员", "--set", "读者编号=R1", "--set", "读者姓名=甲"} << 1
                << "没有权限!";
            // Only the window's boxes: py, 状态 or 卡内金额 cannot be set.
            QTest::addRow("%s column without a box", e)
                << en << QStringList{"--operator", op, "--set", "读者编号=R1", "--set", "卡内金额=100"} << 2 << "";
            QTest::addRow("%s bad date", e)
                << en << QStringList{"--operator", op, "--set", "读者编号=R1", "--set", "有效期=2030-02-30"} << 2 << "";
        }
    }
    void addReaderRefusals()
    {
        QFETCH(QString, engine);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        OPEN_TEST_DATABASE(t, engine);
        t.db().exec(QStringLiteral("insert into 管理员 (AdminName, pwd, qxAddData) values (?, ?, ?)"),
                    {QStringLiteral("录入员"), QStringLiteral("1"), false});
        const Run r = bookctl(t, QStringList{"add-reader"} + args);
        QCOMPARE(r.status, status);
        if (status == 1)
            QCOMPARE(r.json.value("message").toString(), message);
        QCOMPARE(t.db().scalar(QStringLiteral("select count(*) from 读者库")).toInt(), 0);
    }

    void topupAndRefund_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("result"); // balance or message
        for (const char *e : {"sqlite", "postgresql"}) {
            const QString en = QString::fromLatin1(e);
            QTest::addRow("%s top-up", e) << en << QStringList{"--reader", "R1", "--amount", "12.5"} << 0 << "62.5";
            QTest::addRow("%s refund", e) << en << QStringList{"--reader", "r1", "--amount", "20", "--refund"} << 0 << "30";
            QTest::addRow("%s refund below zero", e)
                << en << QStringList{"--reader", "R1", "--amount", "60.25", "--refund"} << 0 << "-10.25";
            QTest::addRow("%s zero", e) << en << QStringList{"--reader", "R1", "--amount", "0"} << 1 << "不能充0元!";
            QTest::addRow("%s two points", e) << en << QStringList{"--reader", "R1", "--amount", "1.2.3"} << 1
                                              << "不能充0元!";
            QTest::addRow("%s no such reader", e) << en << QStringList{"--reader", "R9", "--amount", "5"} << 1
                                                  << "没有找到对应的记录!";
            QTest::addRow("%s letters in the amount", e) << en << QStringList{"--reader", "R1", "--amount", "-5"} << 2
                                                         << "";
        }
    }
    void topupAndRefund()
    {
        QFETCH(QString, engine);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, result);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        db.exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名, 卡内金额) values ('R1', '张三', 50)"));
        const Run r = bookctl(t, QStringList{"topup", "--operator", op, "--remark", "现金"} + args);
        QCOMPARE(r.status, status);
        const Money balance = Money::fromVariant(db.scalar(QStringLiteral("select 卡内金额 from 读者库")));
        const int journal = db.scalar(QStringLiteral("select count(*) from 收入")).toInt();
        if (status == 0) {
            QCOMPARE(r.json.value("卡内金额").toString(), result);
            QCOMPARE(balance.toString(), result);
            QSqlQuery q = db.exec(QStringLiteral("select 项目, 金额, 读者编号, 备注, 管理员 from 收入"));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toString(), QStringLiteral("充值"));
            QCOMPARE(Money::fromVariant(q.value(1)), Money::fromText(result) - Money::fromYuan(50));
            QCOMPARE(q.value(2).toString(), QStringLiteral("R1"));
            QCOMPARE(q.value(3).toString(), QStringLiteral("现金"));
            QCOMPARE(q.value(4).toString(), op);
        } else {
            if (status == 1)
                QCOMPARE(r.json.value("message").toString(), result);
            QCOMPARE(balance, Money::fromYuan(50));
            QCOMPARE(journal, 0);
        }
    }

    // Charges and top-ups listed from midnight to midnight with their sum.
    void chargeAndIncome_data() { TestDatabase::addEngines(); }
    void chargeAndIncome()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        db.exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名, 卡内金额) values ('R1', '张三', 0)"));
        Run r = bookctl(t, {"charge", "--operator", op, "--item", "补卡", "--amount", "3.5", "--remark", "丢失"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.json.value("金额").toString(), QStringLiteral("3.5"));
        r = bookctl(t, {"charge", "--operator", op});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.json.value("项目").toString(), QStringLiteral("租金"));
        QCOMPARE(r.json.value("金额").toString(), QStringLiteral("0"));
        QCOMPARE(bookctl(t, {"topup", "--operator", op, "--reader", "R1", "--amount", "10"}).status, 0);

        r = bookctl(t, {"income", "--from", "2000-01-01", "--to", "2024-12-09"});
        QCOMPARE(r.status, 0);
        const QJsonArray rows = r.json.value("rows").toArray();
        QCOMPARE(rows.size(), 3);
        QCOMPARE(r.json.value("sum").toString(), QStringLiteral("13.5"));
        const QJsonObject first = rows.at(0).toObject();
        QCOMPARE(first.keys().size(), 8);
        QCOMPARE(first.value("项目").toString(), QStringLiteral("补卡"));
        QVERIFY(first.value("时间").toString().startsWith(QStringLiteral("2024-12-08 ")));
        QVERIFY(first.value("读者编号").isNull());
        QVERIFY(first.value("id").isDouble());

        // To today: today's stamped rows are after midnight and left out.
        r = bookctl(t, {"income", "--from", "2000-01-01", "--to", "2024-12-08"});
        QCOMPARE(r.json.value("rows").toArray().size(), 0);
        QCOMPARE(r.json.value("sum").toString(), QStringLiteral("0"));
        // The default range ends tomorrow.
        QCOMPARE(bookctl(t, {"income"}).json.value("rows").toArray().size(), 3);
    }

    void readerSearch_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("numbers"); // or the message
        for (const char *e : {"sqlite", "postgresql"}) {
            const QString en = QString::fromLatin1(e);
            QTest::addRow("%s fuzzy", e) << en << QStringList{"--field", "读者姓名", "--value", "张"} << 0
                                         << QStringList{"R1", "R2"};
            QTest::addRow("%s exact", e) << en << QStringList{"--field", "读者姓名", "--value", "张三", "--exact"} << 0
                                         << QStringList{"R2"};
            QTest::addRow("%s card", e) << en << QStringList{"--field", "读者卡号", "--value", "K-2"} << 0
                                        << QStringList{"R2"};
            QTest::addRow("%s quotes", e) << en << QStringList{"--field", "读者姓名", "--value", "O'N\"x"} << 0
                                          << QStringList{"R3"};
            QTest::addRow("%s dates", e)
                << en << QStringList{"--field", "读者姓名", "--value", "", "--from", "2024-12-01", "--to", "2024-12-09"}
                << 0 << QStringList{"R1", "R2", "R3"};
            QTest::addRow("%s unknown field", e) << en << QStringList{"--field", "名字", "--value", "张"} << 1
                                                 << QStringList{"读者库中没有字段\"名字\"!"};
            QTest::addRow("%s no condition", e) << en << QStringList{"--field", "读者姓名", "--value", " "} << 1
                                                << QStringList{"请填写好查询条件!"};
        }
    }
    void readerSearch()
    {
        QFETCH(QString, engine);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QStringList, numbers);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        for (const auto &[n, name, card] : QList<std::tuple<const char *, const char *, const char *>>{
                 {"R2", "张三", "K-2"}, {"R1", "张三丰", "K-1"}, {"R3", "O'N\"x", "K-3"}})
            db.exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名, CardId, 登记日期) values (?,?,?,?)"),
                    {QString::fromUtf8(n), QString::fromUtf8(name), QString::fromUtf8(card),
                     QDateTime(QDate(2024, 12, 8), QTime(9, 30))});
        const Run r = bookctl(t, QStringList{"readers"} + args);
        QCOMPARE(r.status, status);
        if (status != 0) {
            QCOMPARE(r.json.value("message").toString(), numbers.first());
            return;
        }
        QStringList found;
        for (const QJsonValue &row : r.json.value("rows").toArray())
            found << row.toObject().value("读者编号").toString();
        found.sort();
        QCOMPARE(found, numbers);
        const QJsonObject row = r.json.value("rows").toArray().first().toObject();
        QVERIFY(row.contains("CardId"));
        QCOMPARE(row.value("登记日期").toString(), QStringLiteral("2024-12-08 09:30:00"));
        QCOMPARE(row.value("卡内金额").toString(), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestReaderCommands)
#include "tst_reader_commands.moc"
