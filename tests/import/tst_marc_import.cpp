// SPDX-License-Identifier: MIT
// The MARC import on both engines: records read from a CNMARC file become 图书 rows
// numbered from the start number + 1, with the mapping of the list's thirteen values.
#include "ImportFixtures.h"
#include "TestDatabase.h"
#include "foundation/DayClock.h"
#include "import/MarcFile.h"
#include "import/MarcImport.h"

#include <QTest>

using namespace ImportFixtures;

namespace {
QList<MarcImportRow> listRows(const MarcFileResult &file)
{
    QList<MarcImportRow> rows;
    for (const MarcFileRecord &r : file.records)
        if (r.result.ok())
            rows.append({int(rows.size()), r.result.record.values()});
    return rows;
}

QStringList values(const QString &title, const QString &isbn)
{
    QStringList v;
    for (int i = 0; i < 13; ++i)
        v << QString();
    v[0] = title;
    v[2] = isbn;
    return v;
}
} // namespace

class TestMarcImport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { DayClock::setToday(QDate(2024, 12, 8)); }

    void mapsRecordsToBooks_data() { TestDatabase::addEngines(); }
    void mapsRecordsToBooks()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        const MarcFileResult file = MarcFile::read(QStringLiteral(FIXTURE_DIR "/books.iso"));
        QVERIFY(file.opened);
        QList<MarcImportRow> rows = listRows(file);
        QCOMPARE(rows.size(), 5);
        rows[1].values[0] = QStringLiteral("围城(改过的书名)"); // edited in the list
        const ImportResult r = MarcImport::run(rows, 100, QStringLiteral("小王"), t.db());
        QVERIFY2(r.failed == 0, qPrintable(r.failedRows.value(0).message));
        QCOMPARE(r.inserted, 5);
        QCOMPARE(r.summaryLines(), (QStringList{"成功导入了5行", "导入失败了0行"}));
        QCOMPARE(column(t.db(), "图书", "编号"), (QStringList{"101", "102", "103", "104", "105"}));
        const QString first = QStringLiteral("where 编号 = '101'");
        const QList<QPair<QString, QString>> expected{
            {"名称", "红楼梦"}, {"作者", "(清)曹雪芹著"}, {"条形码", "7-02-000220-X"}, {"isbn", "7-02-000220-X"},
            {"价格", "59.7"}, {"出版社", "人民文学出版社"}, {"出版时间", "1996.12"}, {"页数", "1606"},
            {"附件", "附光盘1张$f一套"}, {"分类号", "I242.4"}, {"分类", "章回小说"},
            {"简介", "中国古典长篇小说。$b第二段"}, {"数量", "1"}, {"借出次数", "0"}, {"zch", "0"},
            {"状态", "正常"}, {"物品级别", "普通"}, {"登记人", "小王"}, {"入库时间", "2024-12-08 00:00:00"},
            {"二级分类", ""}, {"存放位置", ""}, {"索书号", ""}, {"译者", ""}, {"py", ""}, {"币种", ""},
            {"来源", ""}, {"图片地址", ""}};
        for (const auto &[field, value] : expected)
            QVERIFY2(storedText(t.db(), "图书", field, first) == value,
                     qPrintable(field + QStringLiteral(": ") + storedText(t.db(), "图书", field, first)));
        QCOMPARE(storedText(t.db(), "图书", "名称", "where 编号 = '102'"), QStringLiteral("围城(改过的书名)"));
        // No page count and no price: 0 for both.
        QCOMPARE(storedText(t.db(), "图书", "页数", "where 编号 = '102'"), QStringLiteral("0"));
        QCOMPARE(storedText(t.db(), "图书", "价格", "where 编号 = '102'"), QStringLiteral("0"));
        QCOMPARE(storedText(t.db(), "图书", "页数", "where 编号 = '105'"), QStringLiteral("0"));
    }

    // A 编号 that is taken fails that row alone; one ISBN twice is two books.
    void refusedRowFailsAlone_data() { TestDatabase::addEngines(); }
    void refusedRowFailsAlone()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        t.db().exec(QStringLiteral("insert into 图书(编号,名称) values(?,?)"), {QStringLiteral("12"), QStringLiteral("旧")});
        const QList<MarcImportRow> rows{{0, values("甲", "7-1")}, {1, values("乙'\"", "7-1")}, {2, values("丙", "7-3")}};
        const ImportResult r = MarcImport::run(rows, 10, QStringLiteral("小王"), t.db(), {}, 2);
        QCOMPARE(r.inserted, 2);
        QCOMPARE(r.failed, 1);
        QCOMPARE(r.failedRows.first().memoLine, QStringLiteral("1 7-1 乙'\""));
        const QString q = t.db().dialect().textQuote();
        QVERIFY2(r.lastFailedStatement().contains(QStringLiteral("values(%1%2%1,").arg(q, "12")),
                 qPrintable(r.lastFailedStatement()));
        QCOMPARE(column(t.db(), "图书", "名称"), (QStringList{"甲", "旧", "丙"}));
        QCOMPARE(column(t.db(), "图书", "条形码"), (QStringList{"7-1", "<null>", "7-3"}));

        // Same ISBN twice, quotes in the title: both stored as read.
        TestDatabase u(engine);
        const ImportResult twice = MarcImport::run({{0, values("乙'\"", "7-1")}, {1, values("乙'\"", "7-1")}}, 0,
                                                   QStringLiteral("小王"), u.db());
        QCOMPARE(twice.inserted, 2);
        QCOMPARE(column(u.db(), "图书", "名称"), (QStringList{"乙'\"", "乙'\""}));
    }

    void startNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qint64>("value");
        QTest::newRow("digits") << "45128" << true << qint64(45128);
        QTest::newRow("blanks") << " 100 " << true << qint64(100);
        QTest::newRow("negative") << "-3" << true << qint64(-3);
        QTest::newRow("letter") << "12a" << false << qint64(0);
        QTest::newRow("empty") << "" << false << qint64(0);
        QTest::newRow("too large") << "1000000000000000000" << false << qint64(0);
    }
    void startNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(qint64, value);
        qint64 start = 0;
        QCOMPARE(MarcImport::parseStart(text, &start), ok);
        if (ok)
            QCOMPARE(start, value);
    }
};

QTEST_GUILESS_MAIN(TestMarcImport)
#include "tst_marc_import.moc"
