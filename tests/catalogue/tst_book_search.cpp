// SPDX-License-Identifier: MIT
// The list statements of book and periodical management run against both engines:
// fuzzy and exact search, the date range bounds, the combined search in text order,
// typed field names checked, the totals line.
#include "CatalogueFixtures.h"
#include "TestDatabase.h"
#include "catalogue/BookTotals.h"
#include "catalogue/CatalogueSearch.h"
#include "catalogue/RowSet.h"
#include "foundation/DayClock.h"

#include <QTest>

using namespace CatalogueFixtures;
using namespace CatalogueSearch;

namespace {
QStringList numbers(const SharedConnection &db, const QString &table, const ListStatement &s)
{
    const RowSet rows = RowSet::fetch(db, table, s);
    QStringList out;
    for (int r = 0; r < rows.rowCount(); ++r)
        out << rows.text(r, QStringLiteral("编号"));
    return out;
}
QStringList sorted(QStringList l)
{
    l.sort();
    return l;
}
QDateTime at(int day, int h, int m, int s = 0)
{
    return QDateTime(QDate(2024, 12, day), QTime(h, m, s));
}
} // namespace

class TestBookSearch : public QObject
{
    Q_OBJECT
private slots:
    void init() { DayClock::setToday(QDate(2024, 12, 8)); }
    void cleanup() { DayClock::setToday(QDate()); }

    void oneFieldSearch_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("exact");
        QTest::addColumn<bool>("range");
        QTest::addColumn<QStringList>("expected"); // in the order listed
        for (const char *e : {"sqlite", "postgresql"}) {
            QTest::addRow("%s fuzzy", e) << e << "名称" << "数据" << false << false << QStringList{"B1", "B2", "B3"};
            QTest::addRow("%s exact", e) << e << "名称" << "数据" << true << false << QStringList{"B1"};
            QTest::addRow("%s value trimmed", e) << e << "名称" << "  数据 " << true << false << QStringList{"B1"};
            QTest::addRow("%s latin ignores case", e) << e << "名称" << "sql" << false << false << QStringList{"B4"};
            QTest::addRow("%s quotes", e) << e << "名称" << "It's \"SQL\"" << true << false << QStringList{"B4"};
            QTest::addRow("%s empty field is 编号", e) << e << " " << "B2" << true << false << QStringList{"B2"};
            QTest::addRow("%s typed field case", e) << e << "ISBN" << "750" << false << false << QStringList{"B3"};
            QTest::addRow("%s number column fuzzy", e) << e << "数量" << "7" << false << false << QStringList{"B2"};
            QTest::addRow("%s fuzzy in range", e) << e << "名称" << "数据" << false << true << QStringList{"B1", "B2"};
            QTest::addRow("%s range only", e) << e << "" << " " << false << true << QStringList{"B1", "B2", "B4", "B6"};
        }
    }
    void oneFieldSearch()
    {
        QFETCH(QString, engine);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(bool, exact);
        QFETCH(bool, range);
        QFETCH(QStringList, expected);
        OPEN_TEST_DATABASE(t, engine);
        const QString tm = QStringLiteral("入库时间");
        // The default range: today - 30 days to today + 1 day (its midnight).
        storeBook(t.db(), QStringLiteral("B3"), {{QStringLiteral("名称"), QStringLiteral("大数据")}, {tm, at(9, 0, 0, 1)},
                                                 {QStringLiteral("isbn"), QStringLiteral("7506200007")}});
        storeBook(t.db(), QStringLiteral("B2"), {{QStringLiteral("名称"), QStringLiteral("数据库")}, {tm, at(8, 23, 59)},
                                                 {QStringLiteral("数量"), 7}});
        storeBook(t.db(), QStringLiteral("B1"), {{QStringLiteral("名称"), QStringLiteral("数据")}, {tm, at(1, 10, 0)}});
        storeBook(t.db(), QStringLiteral("B4"), {{QStringLiteral("名称"), QStringLiteral("It's \"SQL\"")}, {tm, at(9, 0, 0)}});
        storeBook(t.db(), QStringLiteral("B5"), {{QStringLiteral("名称"), QStringLiteral("旧书")},
                                                 {tm, QDateTime(QDate(2024, 11, 7), QTime(23, 59))}});
        storeBook(t.db(), QStringLiteral("B6"), {{QStringLiteral("名称"), QStringLiteral("新书")},
                                                 {tm, QDateTime(QDate(2024, 11, 8), QTime(0, 0))}});
        BookQuery q{field, value, exact, range, DayClock::today().addDays(-30), DayClock::today().addDays(1)};
        const SearchBuild b = books(q);
        QVERIFY2(b.ok, qPrintable(b.message));
        const QStringList found = numbers(t.db(), QStringLiteral("图书"), b.statement);
        // With a value the list is ordered by the first two columns; without, unordered.
        QCOMPARE(value.trimmed().isEmpty() ? sorted(found) : found, expected);
    }

    void searchRefusals_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("range");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing") << "名称" << " " << false << "请填写好查询条件!";
        QTest::newRow("unknown field") << "书名" << "x" << false << unknownFieldMessage("图书", "书名");
        QTest::newRow("injected field") << "1=1 or 名称" << "x" << true << unknownFieldMessage("图书", "1=1 or 名称");
    }
    void searchRefusals()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(bool, range);
        QFETCH(QString, message);
        const SearchBuild b = books({field, value, false, range, QDate(2024, 1, 1), QDate(2024, 2, 1)});
        QVERIFY(!b.ok);
        QCOMPARE(b.message, message);
        QVERIFY(b.statement.isEmpty());
    }

    void combinedSearch_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QStringList>("first");  // field, operator, value
        QTest::addColumn<QStringList>("second");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<QStringList>("expected");
        for (const char *e : {"sqlite", "postgresql"}) {
            QTest::addRow("%s text order desc", e) << e << QStringList{"编号", ">=", "A100"} << QStringList{"编号", "<=", "A200"}
                                                  << "desc" << QStringList{"A200", "A150", "A1000", "A100"};
            QTest::addRow("%s asc", e) << e << QStringList{"编号", ">=", "A100"} << QStringList{"编号", "<=", "A200"}
                                      << "asc" << QStringList{"A100", "A1000", "A150", "A200"};
            QTest::addRow("%s second ignored without value", e)
                << e << QStringList{"编号", ">", "A200"} << QStringList{"编号", "<", " "} << "asc"
                << QStringList{"A201", "B1"};
            QTest::addRow("%s typed field", e) << e << QStringList{"名称", "=", " 甲 "} << QStringList{"", "", ""}
                                              << "asc" << QStringList{"A150"};
            QTest::addRow("%s quote value", e) << e << QStringList{"编号", "=", "A'1\""} << QStringList{"", "", ""}
                                              << "asc" << QStringList{};
        }
    }
    void combinedSearch()
    {
        QFETCH(QString, engine);
        QFETCH(QStringList, first);
        QFETCH(QStringList, second);
        QFETCH(QString, direction);
        QFETCH(QStringList, expected);
        OPEN_TEST_DATABASE(t, engine);
        for (const char *n : {"A1000", "A201", "A100", "B1", "A200", "A150", "A099"})
            storeBook(t.db(), QString::fromUtf8(n));
        t.db().exec(QStringLiteral("update 图书 set 名称=? where 编号=?"), {QStringLiteral("甲"), QStringLiteral("A150")});
        const SearchBuild b = booksCombined({first[0], first[1], first[2]}, {second[0], second[1], second[2]},
                                            QStringLiteral("编号"), direction);
        QVERIFY2(b.ok, qPrintable(b.message));
        QCOMPARE(numbers(t.db(), QStringLiteral("图书"), b.statement), expected);
    }

    void combinedRefusals_data()
    {
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("second");
        QTest::addColumn<QString>("sort");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<bool>("silent");
        QTest::newRow("empty first field") << QStringList{"", ">=", "A"} << QStringList{"", "", ""} << "编号" << "asc" << true;
        QTest::newRow("empty first value") << QStringList{"编号", ">=", "  "} << QStringList{"编号", "<=", "B"} << "编号" << "asc" << true;
        QTest::newRow("unknown field") << QStringList{"编号x", ">=", "A"} << QStringList{"", "", ""} << "编号" << "asc" << false;
        QTest::newRow("unknown second field") << QStringList{"编号", ">=", "A"} << QStringList{"x;", "<=", "B"} << "编号" << "asc" << false;
        QTest::newRow("operator outside list") << QStringList{"编号", "<>", "A"} << QStringList{"", "", ""} << "编号" << "asc" << false;
        QTest::newRow("operator like") << QStringList{"编号", " like ", "A"} << QStringList{"", "", ""} << "编号" << "asc" << false;
        QTest::newRow("sort outside list") << QStringList{"编号", "=", "A"} << QStringList{"", "", ""} << "作者" << "asc" << false;
        QTest::newRow("direction") << QStringList{"编号", "=", "A"} << QStringList{"", "", ""} << "编号" << "up" << false;
    }
    void combinedRefusals()
    {
        QFETCH(QStringList, first);
        QFETCH(QStringList, second);
        QFETCH(QString, sort);
        QFETCH(QString, direction);
        QFETCH(bool, silent);
        const SearchBuild b = booksCombined({first[0], first[1], first[2]}, {second[0], second[1], second[2]}, sort, direction);
        QVERIFY(!b.ok);
        QVERIFY(b.statement.isEmpty());
        QCOMPARE(b.message.isEmpty(), silent);
    }

    void openingAndRecentLists_data() { TestDatabase::addEngines(); }
    void openingAndRecentLists()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        storeBook(t.db(), QStringLiteral("C2"), {{QStringLiteral("入库时间"), at(3, 9, 0)}});
        storeBook(t.db(), QStringLiteral("C10"), {{QStringLiteral("入库时间"), at(5, 9, 0)}});
        storeBook(t.db(), QStringLiteral("C1"), {{QStringLiteral("入库时间"), at(1, 9, 0)}});
        const SqlDialect &d = t.db().dialect();
        QCOMPARE(numbers(t.db(), QStringLiteral("图书"), booksOpening(d)), (QStringList{"C1", "C10", "C2"}));
        QCOMPARE(numbers(t.db(), QStringLiteral("图书"), booksRecent(d)), (QStringList{"C10", "C2", "C1"}));
        QCOMPARE(sorted(numbers(t.db(), QStringLiteral("图书"), all(QStringLiteral("图书")))),
                 (QStringList{"C1", "C10", "C2"}));
        // Column names come back as the schema spells them on both engines.
        const RowSet rows = RowSet::fetch(t.db(), QStringLiteral("图书"), booksOpening(d));
        QVERIFY(rows.columns().contains(QStringLiteral("TmpA")));
        QVERIFY(rows.columns().contains(QStringLiteral("isbn")));
    }

    void totals_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<int>("books");
        QTest::addColumn<QString>("label");
        for (const char *e : {"sqlite", "postgresql"}) {
            QTest::addRow("%s empty", e) << e << 0 << "总记录数:0";
            QTest::addRow("%s full", e) << e << 3 << "总记录数:3 总数量:6 总价格:1234.5";
        }
    }
    void totals()
    {
        QFETCH(QString, engine);
        QFETCH(int, books);
        QFETCH(QString, label);
        OPEN_TEST_DATABASE(t, engine);
        // 2 x 12.25 + 3 x 400 + 1 x 10 = 1234.5
        const QList<QPair<int, QString>> rows{{2, "12.25"}, {3, "400"}, {1, "10"}};
        for (int i = 0; i < books; ++i)
            storeBook(t.db(), QStringLiteral("T%1").arg(i),
                      {{QStringLiteral("数量"), rows[i].first}, {QStringLiteral("价格"), rows[i].second}});
        QCOMPARE(BookTotals::label(t.db()), label);
    }

    void periodicalSearch_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("exact");
        QTest::addColumn<QStringList>("expected");
        for (const char *e : {"sqlite", "postgresql"}) {
            QTest::addRow("%s fuzzy", e) << e << "名称" << "读者" << false << QStringList{"Q1", "Q2"};
            QTest::addRow("%s exact", e) << e << "名称" << "读者" << true << QStringList{"Q1"};
            QTest::addRow("%s leading blanks kept", e) << e << "名称" << " 读者" << true << QStringList{};
            QTest::addRow("%s barcode", e) << e << "条形码" << "977" << false << QStringList{"Q1", "Q2"};
        }
    }
    void periodicalSearch()
    {
        QFETCH(QString, engine);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(bool, exact);
        QFETCH(QStringList, expected);
        OPEN_TEST_DATABASE(t, engine);
        storeRow(t.db(), QStringLiteral("期刊"), {{QStringLiteral("编号"), QStringLiteral("Q1")},
                                                {QStringLiteral("名称"), QStringLiteral("读者")},
                                                {QStringLiteral("条形码"), QStringLiteral("9771000")}});
        storeRow(t.db(), QStringLiteral("期刊"), {{QStringLiteral("编号"), QStringLiteral("Q2")},
                                                {QStringLiteral("名称"), QStringLiteral("青年读者")},
                                                {QStringLiteral("条形码"), QStringLiteral("9772000")}});
        const SearchBuild b = periodicals(field, value, exact);
        QVERIFY2(b.ok, qPrintable(b.message));
        QCOMPARE(sorted(numbers(t.db(), QStringLiteral("期刊"), b.statement)), expected);
    }

    void periodicalRefusals()
    {
        QCOMPARE(periodicals(QString(), QStringLiteral("x"), false).message, QStringLiteral("请填写好查询条件!"));
        QCOMPARE(periodicals(QStringLiteral("名称"), QString(), false).message, QStringLiteral("请填写好查询条件!"));
        QCOMPARE(periodicals(QStringLiteral("索书号"), QStringLiteral("x"), true).message,
                 unknownFieldMessage(QStringLiteral("期刊"), QStringLiteral("索书号")));
    }
};

QTEST_GUILESS_MAIN(TestBookSearch)
#include "tst_book_search.moc"
