// SPDX-License-Identifier: MIT
// bookctl lend, return, renew, reservations, clear-reservations and overdue against
// both engines.
#include "../circulation/CirculationFixtures.h"
#include "BookCtl.h"
#include "TestDatabase.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace Fixture;

namespace {
using Run = BookCtlRun;

Run bookctl(const TestDatabase &t, const QStringList &args, const QString &today = QStringLiteral("2024-03-15"))
{
    return runBookCtl(t, args, today);
}

QStringList strings(const QJsonValue &v)
{
    QStringList out;
    for (const QJsonValue &s : v.toArray())
        out << s.toString();
    return out;
}

const QString op = QStringLiteral("超级管理员");
} // namespace

class TestCirculationCommands : public QObject
{
    Q_OBJECT

    void stock(SharedConnection &db)
    {
        reader(db, QStringLiteral("R1"), QStringLiteral("CardId=C1;卡内金额=10"));
        reader(db, QStringLiteral("R2"), QStringLiteral("状态=停用"));
        item(db, QStringLiteral("B1"), QStringLiteral("名称=红楼梦;数量=2"));
        item(db, QStringLiteral("B2"), QStringLiteral("条形码=6901;数量=0"));
        item(db, QStringLiteral("B3"), QStringLiteral("条形码=6901"));
        item(db, QStringLiteral("期刊:Q1"), QStringLiteral("条形码=Q-1"));
        db.exec(QStringLiteral("insert into 管理员 (AdminName, pwd, qxborrow, qxReturn) values (?, ?, ?, ?)"),
                {QStringLiteral("实习生"), QStringLiteral("1"), false, false});
    }

private slots:
    void init() { DayClock::setToday(day()); }
    void cleanup() { DayClock::setToday(QDate()); }

    void lend_data() { TestDatabase::addEngines(); }
    void lend()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        stock(db);
        db.exec(QStringLiteral("update 系统设置 set 启用租金功能=?, 启用读者租金=?"), {true, true});
        db.exec(QStringLiteral("update 读者类别 set 租金=0.2, 借阅数量限制=1"));

        // By card; a book by number, a periodical by barcode, the same book again (silent),
        // a barcode that two books share (the first, out of stock), a missing one.
        Run r = bookctl(t, {"lend", "--operator", op, "--reader", "C1", "B1", "期刊:条形码=Q-1", "B1", "条形码=6901", "B9"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral(
                            "{\"ok\":true,\"messages\":[\"提示:该读者超过借阅数量!\"," // Q1 is the second of one
                            "\"数量不足.\",\"没有找到该图书的数据,请重新输入.\",\"借阅完毕!\"],"
                            "\"loans\":[{\"id\":1,\"编号\":\"B1\",\"类别\":\"图书\",\"应还日期\":\"2024-04-14\",\"租金\":\"0.2\"},"
                            "{\"id\":2,\"编号\":\"Q1\",\"类别\":\"期刊\",\"应还日期\":\"2024-04-14\",\"租金\":\"0.2\"}]}")
                            .toUtf8());
        QCOMPARE(cell(db, QStringLiteral("读者库"), QStringLiteral("未还数量"), QStringLiteral("读者编号=?"), {QStringLiteral("R1")}),
                 QStringLiteral("2"));

        // Nothing lent: exit 1 with every message.
        r = bookctl(t, {"lend", "--operator", op, "--reader", "R1", "B2", "期刊:B1"});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.json.value("ok").toBool(true), false);
        QCOMPARE(strings(r.json.value("messages")),
                 (QStringList{"数量不足.", "没有找到该期刊的数据,请重新输入."}));

        r = bookctl(t, {"lend", "--operator", op, "--reader", "R2", "B1"});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.json.value("message").toString(),
                 QStringLiteral("该用户状态是\"停用\",所以不能使用,只有状态为\"正常\"的用户才可用!"));
        r = bookctl(t, {"lend", "--operator", "实习生", "--reader", "R1", "B1"});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.json.value("message").toString(), QStringLiteral("没有权限!"));
        r = bookctl(t, {"lend", "--operator", "无名", "--reader", "R1", "B1"});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.json.value("message").toString(), QStringLiteral("没有这个管理员: 无名"));
        QCOMPARE(bookctl(t, {"lend", "--operator", op, "--reader", "R1"}).status, 2);
        QCOMPARE(bookctl(t, {"lend", "--reader", "R1", "B1"}).status, 2);
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 借出记录")).toInt(), 2);
    }

    void returnLoan_data() { TestDatabase::addEngines(); }
    void returnLoan()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        stock(db);
        db.exec(QStringLiteral("update 系统设置 set 启用租金功能=?, 超期每日罚金=0.5"), {true});
        loan(db, QStringLiteral("R1"), QStringLiteral("B1"), QStringLiteral("借阅日期=today-20;应还日期=today-3;租金=0.3"));
        loan(db, QStringLiteral("R1"), QStringLiteral("B3"), QStringLiteral("借阅日期=today-20;应还日期=today+3;租金=0.3"));
        loan(db, QStringLiteral("R1"), QStringLiteral("Q1"), QStringLiteral("类别=期刊;借阅日期=today-4;应还日期=today-1;租金=1"));
        db.exec(QStringLiteral("update 读者库 set 未还数量=3 where 读者编号=?"), {QStringLiteral("R1")});

        // The lowest id the search finds, with the values the window shows: 20 days × 0.3,
        // 3 days × 0.5; 10 − 6 − 1.5.
        Run r = bookctl(t, {"return", "--operator", op, "--card", "C1"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral("{\"ok\":true,\"id\":1,\"实际租期\":20,\"实际租金\":\"6\",\"超期天数\":3,"
                                       "\"罚金\":\"1.5\",\"卡内金额\":\"2.5\"}")
                            .toUtf8());
        // --days alone recomputes the rent; lost stays off the shelf.
        r = bookctl(t, {"return", "--operator", op, "--barcode", "TMB3", "--days", "7", "--condition", "丢失",
                        "--compensation", "25", "--remark", "遗失"});
        QCOMPARE(r.out, QStringLiteral("{\"ok\":true,\"id\":2,\"实际租期\":7,\"实际租金\":\"2.1\",\"超期天数\":-3,"
                                       "\"罚金\":\"0\",\"卡内金额\":\"0.4\"}")
                            .toUtf8());
        QCOMPARE(cell(db, QStringLiteral("借出记录"), QStringLiteral("赔偿金额"), QStringLiteral("id=2")), QStringLiteral("25"));
        QCOMPARE(cell(db, QStringLiteral("借出记录"), QStringLiteral("归还备注"), QStringLiteral("id=2")), QStringLiteral("遗失"));
        QCOMPARE(cell(db, QStringLiteral("图书"), QStringLiteral("数量"), QStringLiteral("编号='B3'")), QStringLiteral("1"));
        // Fines off: their values are null; --rent overrides.
        db.exec(QStringLiteral("update 系统设置 set 启用超期罚金=?"), {false});
        r = bookctl(t, {"return", "--operator", op, "--item", "Q1", "--rent", "0.75"});
        QCOMPARE(r.out, QStringLiteral("{\"ok\":true,\"id\":3,\"实际租期\":4,\"实际租金\":\"0.75\",\"超期天数\":null,"
                                       "\"罚金\":null,\"卡内金额\":\"-0.35\"}")
                            .toUtf8());
        QCOMPARE(cell(db, QStringLiteral("期刊"), QStringLiteral("数量"), QStringLiteral("编号='Q1'")), QStringLiteral("2"));
        QCOMPARE(cell(db, QStringLiteral("读者库"), QStringLiteral("未还数量"), QStringLiteral("读者编号='R1'")), QStringLiteral("0"));

        auto refusal = [&](const QStringList &args) {
            const Run x = bookctl(t, QStringList{"return", "--operator", op} + args);
            return QString::number(x.status) + QLatin1Char(' ') + x.json.value("message").toString();
        };
        QCOMPARE(refusal({}), QStringLiteral("1 请输入搜索条件!"));
        QCOMPARE(refusal({"--reader", "R1"}), QStringLiteral("1 没有找到未还的借阅记录"));
        QCOMPARE(refusal({"--card", "C9"}), QStringLiteral("1 找不到该卡号的资料!"));
        loan(db, QStringLiteral("R1"), QStringLiteral("B1"));
        QCOMPARE(refusal({"--item", "B1", "--days", "x"}), QStringLiteral("1 \"x\"不是有效的整数值"));
        QCOMPARE(bookctl(t, {"return", "--operator", op, "--item", "B1", "--condition", "好"}).status, 2);
        QCOMPARE(bookctl(t, {"return", "--operator", "实习生", "--item", "B1"}).json.value("message").toString(),
                 QStringLiteral("没有权限!"));
    }

    void renewAndLists_data() { TestDatabase::addEngines(); }
    void renewAndLists()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        loan(db, QStringLiteral("R1"), QStringLiteral("B1"), QStringLiteral("应还日期=today-2;价格=12.5"));
        loan(db, QStringLiteral("R1"), QStringLiteral("B2"), QStringLiteral("应还日期=today+2"));
        item(db, QStringLiteral("B1"), QStringLiteral("预定状况=R7;预定到期时间=today+1 09:00:00"));

        Run r = bookctl(t, {"overdue"});
        QCOMPARE(r.status, 0);
        const QJsonArray rows = r.json.value("rows").toArray();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].toObject().value("编号").toString(), QStringLiteral("B1"));
        QCOMPARE(rows[0].toObject().value("价格").toString(), QStringLiteral("12.5"));
        QCOMPARE(rows[0].toObject().value("应还日期").toString(), QStringLiteral("2024-03-13"));
        QCOMPARE(rows[0].toObject().value("cardId"), QJsonValue(QJsonValue::Null));
        QCOMPARE(bookctl(t, {"overdue"}, QStringLiteral("2024-03-17")).json.value("rows").toArray().size(), 2);

        r = bookctl(t, {"renew", "--reader", "R1", "--item", "B1", "--due", "2024-04-01"});
        QCOMPARE(r.out, QStringLiteral("{\"ok\":true,\"id\":1,\"应还日期\":\"2024-04-01\",\"message\":\"续借完毕!\"}"));
        QVERIFY(bookctl(t, {"overdue"}).json.value("rows").toArray().isEmpty());
        r = bookctl(t, {"renew", "--reader", "R2", "--item", "B1", "--due", "2024-04-01"});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.json.value("message").toString(), QStringLiteral("没有找到该借阅记录,请检查您输入的信息是否正确!"));
        QCOMPARE(bookctl(t, {"renew", "--reader", "R1", "--item", "B1", "--due", "1.4.2024"}).status, 2);

        r = bookctl(t, {"reservations"});
        QCOMPARE(r.json.value("rows").toArray().size(), 1);
        QCOMPARE(r.json.value("rows").toArray()[0].toObject().value("预定到期时间").toString(), QStringLiteral("2024-03-16 09:00:00"));
        QCOMPARE(bookctl(t, {"clear-reservations"}).out, QStringLiteral("{\"ok\":true,\"cleared\":1}"));
        QVERIFY(bookctl(t, {"reservations"}).json.value("rows").toArray().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCirculationCommands)
#include "tst_circulation_commands.moc"
