// SPDX-License-Identifier: MIT
// bookctl add-book, books, add-periodical, periodicals and per-operator, run as a
// separate process against a fresh database of either engine.
#include "BookCtl.h"
#include "TestDatabase.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {
using Run = BookCtlRun;

class Bookctl
{
public:
    explicit Bookctl(const TestDatabase &t) : m_t(t) {}
    Run operator()(const QStringList &args, const QString &today = QStringLiteral("2024-12-08")) const
    {
        return runBookCtl(m_t, args, today);
    }

private:
    const TestDatabase &m_t;
};

QStringList numbers(const QJsonArray &rows, const char *key = "编号")
{
    QStringList out;
    for (const QJsonValue &v : rows)
        out << v.toObject().value(QString::fromUtf8(key)).toString();
    return out;
}
const QString kAdmin = QStringLiteral("超级管理员");
} // namespace

class TestCatalogueCommands : public QObject
{
    Q_OBJECT
private slots:
    void addBook_data() { TestDatabase::addEngines(); }
    void addBook()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        Bookctl bookctl(t);
        Run r = bookctl({"add-book", "--operator", kAdmin, "--set", "编号=A1", "--set", "名称=数据库", "--set",
                         "ISBN=7302123454", "--set", "作者=O'Brien \"Jr\""});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out,
                 QStringLiteral("{\"ok\":true,\"books\":[{\"编号\":\"A1\",\"索书号\":\"\",\"zch\":null,\"py\":\"SJK\"}]}"));
        r = bookctl({"books", "--field", "编号", "--value", "A1", "--exact"});
        QCOMPARE(r.status, 0);
        const QJsonObject row = r.json.value("rows").toArray().first().toObject();
        // Keys as the schema spells them; the reset values where nothing was set.
        QCOMPARE(row.value("isbn").toString(), QStringLiteral("7302123454"));
        QCOMPARE(row.value("作者").toString(), QStringLiteral("O'Brien \"Jr\""));
        QCOMPARE(row.value("条形码").toString(), QStringLiteral("n"));
        QCOMPARE(row.value("价格").toString(), QStringLiteral("0"));
        QCOMPARE(row.value("数量").toInt(), 1);
        QCOMPARE(row.value("物品级别").toString(), QStringLiteral("普通"));
        QCOMPARE(row.value("登记人").toString(), kAdmin);
        QVERIFY(row.value("入库时间").toString().startsWith(QStringLiteral("2024-12-08 ")));
        QVERIFY(row.value("TmpA").toString().endsWith(QStringLiteral("+A")));
    }

    void callNumbersAndCopies_data() { TestDatabase::addEngines(); }
    void callNumbersAndCopies()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        Bookctl bookctl(t);
        Run r = bookctl({"add-book", "--operator", kAdmin, "--set", "编号=T1", "--set", "名称=x", "--set", "分类号=TP311",
                         "--set", "zch=7"});
        QCOMPARE(r.status, 0);
        r = bookctl({"add-book", "--operator", kAdmin, "--set", "编号=T2", "--set", "名称=x", "--set", "分类号=TP311",
                     "--call-number"});
        QCOMPARE(r.out,
                 QStringLiteral("{\"ok\":true,\"books\":[{\"编号\":\"T2\",\"索书号\":\"TP311/8\",\"zch\":8,\"py\":\"\"}]}"));
        // Copies: each its own 种次号; a taken number is refused, the others still stored.
        bookctl({"add-book", "--operator", kAdmin, "--set", "编号=B100-2", "--set", "名称=x"});
        r = bookctl({"add-book", "--operator", kAdmin, "--set", "编号=B100", "--set", "名称=x", "--set", "分类号=TP311",
                     "--copies", "3", "--sep", "-"});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.json.value("ok").toBool(true), false);
        QCOMPARE(r.json.value("message").toString(), QStringLiteral("保存失败, 因为数据库中已经有这个编号了 (B100-2)"));
        const QJsonArray books = r.json.value("books").toArray();
        QCOMPARE(numbers(books), (QStringList{"B100-1", "B100-3"}));
        QCOMPARE(books[0].toObject().value("zch").toInt(), 9);
        QCOMPARE(books[1].toObject().value("索书号").toString(), QStringLiteral("TP311/10"));
        r = bookctl({"books", "--field", "编号", "--value", "B100", "--exact"});
        QCOMPARE(r.json.value("rows").toArray().size(), 0);
    }

    void addBookRefusals_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("message");
        const QStringList base{"add-book", "--operator", "超级管理员", "--set", "编号=A1"};
        QTest::newRow("required") << base << 1 << "字体加重的项目必须填写完整!";
        QTest::newRow("empty price") << base + QStringList{"--set", "名称=x", "--set", "价格="} << 1 << "字体加重的项目必须填写完整!";
        QTest::newRow("copies zero") << base + QStringList{"--set", "名称=x", "--copies", "0"} << 1 << "请输入要录入的数量!";
        QTest::newRow("no box") << base + QStringList{"--set", "名称=x", "--set", "借出次数=9"} << 1 << "登记窗口没有这个字段: 借出次数";
        QTest::newRow("py computed") << base + QStringList{"--set", "名称=x", "--set", "py=X"} << 1 << "登记窗口没有这个字段: py";
        QTest::newRow("page count") << base + QStringList{"--set", "名称=x", "--set", "页数=1.2.3"} << 1 << "";
        QTest::newRow("unknown operator") << QStringList{"add-book", "--operator", "nobody", "--set", "编号=A1", "--set", "名称=x"}
                                          << 1 << "没有这个管理员: nobody";
        QTest::newRow("no right") << QStringList{"add-book", "--operator", "小李", "--set", "编号=A1", "--set", "名称=x"} << 1
                                  << "没有权限!";
        QTest::newRow("malformed set") << QStringList{"add-book", "--operator", "超级管理员", "--set", "编号"} << 2 << "";
        QTest::newRow("sep without copies") << base + QStringList{"--set", "名称=x", "--sep", "-"} << 2 << "";
    }
    void addBookRefusals()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exit);
        QFETCH(QString, message);
        OPEN_TEST_DATABASE(t, QStringLiteral("sqlite"));
        t.db().exec(QStringLiteral("insert into 管理员 (AdminName, pwd, qxAddData) values (?, ?, ?)"),
                    {QStringLiteral("小李"), QStringLiteral("1"), false});
        const Run r = Bookctl(t)(args);
        QCOMPARE(r.status, exit);
        if (exit == 1) {
            QCOMPARE(r.json.value("ok").toBool(true), false);
            if (!message.isEmpty())
                QCOMPARE(r.json.value("message").toString(), message);
            else
                QVERIFY(!r.json.value("message").toString().isEmpty());
        }
        QCOMPARE(t.db().scalar(QStringLiteral("select count(*) from 图书")).toInt(), 0);
    }

    void searches_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QStringList>("expected");
        for (const char *e : {"sqlite", "postgresql"}) {
            QTest::addRow("%s fuzzy", e) << e << QStringList{"--field", "名称", "--value", "数据"} << 0
                                        << QStringList{"A100", "A1000"};
            QTest::addRow("%s exact", e) << e << QStringList{"--field", "名称", "--value", "数据", "--exact"} << 0
                                        << QStringList{"A100"};
            QTest::addRow("%s range", e) << e << QStringList{"--field", "名称", "--value", "数据", "--from", "2024-12-08",
                                                         "--to", "2024-12-09"}
                                        << 0 << QStringList{"A100", "A1000"};
            QTest::addRow("%s range excludes", e) << e << QStringList{"--field", "名称", "--value", "数据", "--from",
                                                                  "2024-12-09", "--to", "2024-12-10"}
                                                 << 0 << QStringList{};
            QTest::addRow("%s combined", e) << e << QStringList{"--where", "编号>=A100", "--where", "编号<=A200", "--order",
                                                            "编号", "--desc"}
                                           << 0 << QStringList{"A200", "A1000", "A100"};
            QTest::addRow("%s unknown field", e) << e << QStringList{"--field", "书名", "--value", "x"} << 1 << QStringList{};
            QTest::addRow("%s unknown operator", e) << e << QStringList{"--where", "编号<>A1"} << 1 << QStringList{};
            QTest::addRow("%s sort outside list", e) << e << QStringList{"--where", "编号>A1", "--order", "作者"} << 1
                                                    << QStringList{};
            QTest::addRow("%s nothing", e) << e << QStringList{"--field", "名称"} << 1 << QStringList{};
            QTest::addRow("%s half range", e) << e << QStringList{"--value", "x", "--from", "2024-12-01"} << 2
                                             << QStringList{};
        }
    }
    void searches()
    {
        QFETCH(QString, engine);
        QFETCH(QStringList, args);
        QFETCH(int, exit);
        QFETCH(QStringList, expected);
        OPEN_TEST_DATABASE(t, engine);
        Bookctl bookctl(t);
        for (const auto &[number, title] : QList<QPair<QString, QString>>{{"A100", "数据"}, {"A1000", "数据库"}, {"A200", "史记"}})
            QCOMPARE(bookctl({"add-book", "--operator", kAdmin, "--set", "编号=" + number, "--set", "名称=" + title}).status, 0);
        const Run r = bookctl(QStringList{"books"} + args);
        QCOMPARE(r.status, exit);
        if (exit == 0) {
            QStringList found = numbers(r.json.value("rows").toArray());
            if (!args.contains(QStringLiteral("--where")))
                found.sort();
            QCOMPARE(found, expected);
        } else if (exit == 1) {
            QVERIFY(!r.json.value("message").toString().isEmpty());
        }
    }

    void periodicalsAndOperators_data() { TestDatabase::addEngines(); }
    void periodicalsAndOperators()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        Bookctl bookctl(t);
        Run r = bookctl({"add-periodical", "--operator", kAdmin, "--set", "编号=Q1", "--set", "名称=读者", "--set",
                         "条形码=977", "--set", "出版时间=2024-05-01", "--set", "issn=1005-1805"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.json.value("py").toString(), QStringLiteral("DZ"));
        r = bookctl({"add-periodical", "--operator", kAdmin, "--set", "编号=Q2", "--set", "名称=读者"});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.json.value("message").toString(), QStringLiteral("字体加重的项目必须填写完整!"));
        r = bookctl({"periodicals", "--field", "名称", "--value", "读", "--exact"});
        QCOMPARE(r.json.value("rows").toArray().size(), 0);
        r = bookctl({"periodicals", "--field", "名称", "--value", "读"});
        QCOMPARE(r.status, 0);
        const QJsonObject row = r.json.value("rows").toArray().first().toObject();
        QCOMPARE(row.value("出版时间").toString(), QStringLiteral("2024-05-01"));
        QCOMPARE(row.value("ISSN").toString(), QStringLiteral("1005-1805"));
        QCOMPARE(row.value("入库时间").toString(), QStringLiteral("2024-12-08 00:00:00"));

        bookctl({"add-book", "--operator", kAdmin, "--set", "编号=A1", "--set", "名称=x", "--set", "价格=12.5"});
        bookctl({"add-book", "--operator", kAdmin, "--set", "编号=A2", "--set", "名称=x", "--set", "价格=30"});
        r = bookctl({"per-operator", "--from", "2024-12-08", "--to", "2024-12-09"});
        QCOMPARE(r.status, 0);
        QCOMPARE(QJsonDocument(r.json.value("rows").toArray()).toJson(QJsonDocument::Compact),
                 QStringLiteral("[{\"总价格\":\"42.5\",\"登记人\":\"超级管理员\",\"记录数\":2}]").toUtf8());
        r = bookctl({"per-operator", "--from", "2024-12-09", "--to", "2024-12-10"});
        QCOMPARE(r.json.value("rows").toArray().size(), 0);
        QCOMPARE(bookctl({"per-operator", "--from", "x", "--to", "2024-12-10"}).status, 2);
    }
};

QTEST_GUILESS_MAIN(TestCatalogueCommands)
#include "tst_catalogue_commands.moc"
