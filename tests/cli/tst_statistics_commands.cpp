// SPDX-License-Identifier: MIT
// bookctl loans, ranking, counts and per-class against both engines.
#include "../statistics/StatisticsRows.h"
#include "BookCtl.h"
#include "TestDatabase.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace StatisticsRows;

namespace {
using Run = BookCtlRun;

Run bookctl(const TestDatabase &t, const QStringList &args, const QString &today = QStringLiteral("2024-12-08"))
{
    return runBookCtl(t, args, today);
}

QStringList field(const QJsonArray &rows, const QString &name)
{
    QStringList values;
    for (const QJsonValue &row : rows)
        values << row.toObject().value(name).toVariant().toString();
    return values;
}

void addLoans(SharedConnection &db)
{
    const QString yes = QStringLiteral("是");
    addLoan(db, {{"借阅日期", QDate(2024, 12, 8)}, {"价格", money("25.5")}});
    addLoan(db, {{"读者编号", "R002"}, {"读者姓名", "O'Brien"}, {"借阅日期", QDate(2024, 12, 8)}, {"已还", yes},
                 {"归还日期", QDate(2024, 12, 8)}, {"实际租金", money("1.5")}, {"实际租期", 3}, {"价格", money("10")}});
    addLoan(db, {{"读者编号", "R002"}, {"读者姓名", "O'Brien"}, {"借阅日期", QDate(2024, 11, 1)}, {"已还", yes},
                 {"归还日期", QDate(2024, 11, 20)}, {"罚金", money("0.3")}, {"cardId", "C9"}});
}
} // namespace

class TestStatisticsCommands : public QObject
{
    Q_OBJECT

private slots:
    void loans_data() { TestDatabase::addEngines(); }
    void loans()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        addLoans(t.db());

        Run r = bookctl(t, {"loans", "--reader", "R002"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.json.value("count").toInt(), 2);
        const QJsonArray rows = r.json.value("rows").toArray();
        QCOMPARE(field(rows, "读者姓名"), (QStringList{"O'Brien", "O'Brien"}));
        // Keys as the schema spells them, values in their output forms.
        QVERIFY(r.out.contains("\"cardId\":null"));
        QVERIFY(r.out.contains("\"cardId\":\"C9\""));
        const QJsonObject first = rows[0].toObject();
        QCOMPARE(first.value("借阅日期").toString(), QStringLiteral("2024-12-08"));
        QCOMPARE(first.value("实际租金").toString(), QStringLiteral("1.5"));
        QCOMPARE(first.value("实际租期").toInt(), 3);
        QVERIFY(first.value("id").isDouble());
        QCOMPARE(rows[1].toObject().value("罚金").toString(), QStringLiteral("0.3"));
        const QJsonObject sums = r.json.value("sums").toObject();
        QCOMPARE(sums.value("价格").toString(), QStringLiteral("10"));
        QCOMPARE(sums.value("实际租金").toString(), QStringLiteral("1.5"));
        QCOMPARE(sums.value("罚金").toString(), QStringLiteral("0.3"));
        QCOMPARE(sums.value("赔偿金额").toString(), QStringLiteral("0"));

        r = bookctl(t, {"loans", "--returned", "否", "--lent-from", "2024-12-01", "--lent-to", "2024-12-31"});
        QCOMPARE(r.status, 0);
        QCOMPARE(field(r.json.value("rows").toArray(), "读者编号"), (QStringList{"R001"}));
        QCOMPARE(r.json.value("sums").toObject().value("价格").toString(), QStringLiteral("25.5"));

        r = bookctl(t, {"loans", "--name", "O'Brien", "--returned-from", "2024-12-01", "--returned-to", "2024-12-08"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.json.value("count").toInt(), 1);
    }

    void loansRefused_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QList<std::tuple<const char *, QStringList, int, const char *>> cases{
            {"no condition", {}, 1, "请设置查询条件."},
            {"lent reversed", {"--lent-from", "2024-12-08", "--lent-to", "2024-12-07"}, 1, "借阅时间条件不符合正常逻辑!"},
            {"returned reversed", {"--returned-from", "2024-12-08", "--returned-to", "2024-12-07"}, 1,
             "归还时间条件不符合正常逻辑!"},
            {"one end of a range", {"--lent-from", "2024-12-08"}, 2, ""},
            {"not a date", {"--returned-from", "2024-13-01", "--returned-to", "2024-12-31"}, 2, ""},
            {"unknown option", {"--reader", "R1", "--colour", "red"}, 2, ""},
            {"flag without value", {"--returned"}, 2, ""},
        };
        for (const char *engine : {"sqlite", "postgresql"})
            for (const auto &[name, args, status, message] : cases)
                QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(engine, name)))
                    << QString::fromLatin1(engine) << args << status << QString::fromUtf8(message);
    }
    void loansRefused()
    {
        QFETCH(QString, engine);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        OPEN_TEST_DATABASE(t, engine);
        const Run r = bookctl(t, QStringList{"loans"} + args);
        QCOMPARE(r.status, status);
        if (status == 1) {
            QCOMPARE(r.json.value("ok").toBool(true), false);
            QCOMPARE(r.json.value("message").toString(), message);
        } else {
            QVERIFY(r.out.isEmpty());
        }
    }

    void ranking_data() { TestDatabase::addEngines(); }
    void ranking()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        Run r = bookctl(t, {"ranking", "books"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out.trimmed(), QByteArray("{\"ok\":true,\"rows\":[]}"));

        addBook(db, "0002", "乙", 4);
        addBook(db, "0001", "甲", 4);
        addBook(db, "0003", "丙", 9);
        addReader(db, "R2", "李四", 3);
        addReader(db, "R1", "张三", 3);
        r = bookctl(t, {"ranking", "books"});
        QCOMPARE(r.status, 0);
        const int expected = db.dialect().isServer() ? 1 : 3; // 12 percent of 3 rows is one row
        QCOMPARE(field(r.json.value("rows").toArray(), "名称"), (QStringList{"丙", "甲", "乙"}.mid(0, expected)));
        QVERIFY(r.out.contains("{\"名称\":\"丙\",\"借出次数\":9}"));

        r = bookctl(t, {"ranking", "readers"});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains("{\"读者姓名\":\"张三\",\"累计借阅次数\":3}"));

        r = bookctl(t, {"ranking", "authors"});
        QCOMPARE(r.status, 2);
    }

    void counts_data() { TestDatabase::addEngines(); }
    void counts()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        addLoans(t.db());
        addBook(t.db(), "0001", "甲", 0, 4, {}, "综合", QDateTime(QDate(2024, 12, 8), QTime(11, 0)));

        // Without dates: today and tomorrow, as the window opens.
        Run r = bookctl(t, {"counts"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.json.keys().size(), 14);
        const QList<std::pair<const char *, QJsonValue>> expected{
            {"图书总数", 1}, {"期刊总数", 0}, {"读者总数", 0}, {"总未还数量", 1}, {"历史借出总数", 3},
            {"当前在库图书数量", 4}, {"当前在库期刊数量", 0}, {"借出次数", 2}, {"归还次数", 1},
            {"图书入库数", 1}, {"期刊入库数", 0}, {"读者登记数", 0}, {"租金收入", "1.5"}};
        for (const auto &[key, value] : expected)
            QCOMPARE(r.json.value(QString::fromUtf8(key)), value);

        r = bookctl(t, {"counts", "--from", "2024-11-01", "--to", "2024-11-30"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.json.value("借出次数").toInt(), 1);
        QCOMPARE(r.json.value("租金收入").toString(), QStringLiteral("0"));
        QCOMPARE(r.json.value("历史借出总数").toInt(), 3);

        QCOMPARE(bookctl(t, {"counts", "--from", "2024-11-01"}).status, 2);
    }

    void perClass_data() { TestDatabase::addEngines(); }
    void perClass()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        addPeriodical(t.db(), "Q1", "读者", 0, 3, Money::fromText("4.5"), "文摘");
        addPeriodical(t.db(), "Q2", "故事会", 0, 2, Money::fromText("3"), "文摘");
        Run r = bookctl(t, {"per-class", "期刊"});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains("\"rows\":[{\"分类\":\"文摘\",\"数量\":5,\"金额\":\"19.5\"}]"), qPrintable(r.out));

        r = bookctl(t, {"per-class", "图书"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.json.value("rows").toArray().size(), 0);

        r = bookctl(t, {"per-class", "读者库"});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.json.value("message").toString(), QStringLiteral("统计范围只能是\"图书\"或\"期刊\"!"));
    }
};

QTEST_GUILESS_MAIN(TestStatisticsCommands)
#include "tst_statistics_commands.moc"
