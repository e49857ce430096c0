// SPDX-License-Identifier: MIT
// The spreadsheet import frame on both engines: each layout's conversions and defaults,
// numbering, refused rows failing alone across batch boundaries, the readers' stop at an
// empty key, the loans' skipped rows, quotes stored as typed, the three file formats.
#include "ImportFixtures.h"
#include "TestDatabase.h"
#include "foundation/DayClock.h"
#include "foundation/SheetReader.h"
#include "import/SheetImport.h"

#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace ImportFixtures;

namespace {
using Cells = QList<QPair<int, QString>>;
using Expect = QList<QPair<QString, QString>>; // field, stored text

QString today()
{
    return DayClock::today().toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

Q_DECLARE_METATYPE(Cells)
Q_DECLARE_METATYPE(Expect)

class TestSheetImport : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    QString csv(const QString &name, const QList<QStringList> &rows)
    {
        return writeCsv(m_dir.filePath(name + QStringLiteral(".csv")), rows);
    }

    static SheetImportOptions options(NumberingChoice numbering = {}, int batchSize = BatchWriter::kDefaultBatchSize)
    {
        SheetImportOptions o;
        o.numbering = numbering;
        o.operatorName = QStringLiteral("小王");
        o.batchSize = batchSize;
        return o;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        DayClock::setToday(QDate(2024, 12, 8));
    }

    // One data row with the given cells; each expected field as stored.
    void conversionsAndDefaults_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<Cells>("cells");
        QTest::addColumn<Expect>("expected");
        const QList<std::tuple<const char *, QString, Cells, Expect>> cases{
            {"books: an empty row but 编号", "books", {{1, "B1"}},
             {{"条形码", "n"}, {"名称", "n"}, {"价格", "0"}, {"数量", "1"}, {"页数", "0"}, {"zch", "0"},
              {"借出次数", "0"}, {"入库时间", today() + " 00:00:00"}, {"状态", "正常"}, {"出版社", ""},
              {"作者", ""}, {"isbn", ""}, {"py", ""}, {"绝对地址", ""}}},
            {"books: conversions", "books",
             {{1, "B2"}, {2, "  123 "}, {3, "  红楼梦 "}, {5, " 人民文学 "}, {7, "25.5"}, {9, "3"}, {15, "320"},
              {20, "7"}, {23, "12"}, {25, "2008-8-8"}, {8, "7-02-002345-6"}, {19, "hlm"}},
             {{"条形码", "123"}, {"名称", "红楼梦"}, {"出版社", " 人民文学 "}, {"价格", "25.5"}, {"数量", "3"},
              {"页数", "320"}, {"zch", "7"}, {"借出次数", "12"}, {"入库时间", "2008-08-08 00:00:00"},
              {"isbn", "7-02-002345-6"}, {"py", "hlm"}}},
            {"books: unreadable numbers and dates", "books",
             {{1, "B3"}, {7, "￥25"}, {9, "三"}, {20, "1.5"}, {23, "x"}, {25, "去年"}},
             {{"价格", "0"}, {"数量", "1"}, {"zch", "0"}, {"借出次数", "0"}, {"入库时间", today() + " 00:00:00"}}},
            {"books: quotes stored as typed in every column", "books",
             {{1, "B'4\""}, {3, "O'Brien \"说\""}, {5, "人民'出版社"}, {6, "\"作者\""}, {12, "简'介\""}},
             {{"编号", "B'4\""}, {"名称", "O'Brien \"说\""}, {"出版社", "人民'出版社"}, {"作者", "\"作者\""},
              {"简介", "简'介\""}}},
            {"books: a date-time cell keeps only its date", "books", {{1, "B5"}, {25, "2024-01-05 15:30:00"}},
             {{"入库时间", "2024-01-05 00:00:00"}}},
            {"readers: defaults", "readers", {{1, "R1"}, {2, " 张三 "}},
             {{"读者姓名", "张三"}, {"类别", "普通"}, {"状态", "正常"}, {"未还数量", "0"}, {"密码", "8316"},
              {"有效期", "2049-12-10"}, {"登记人", "小王 导入的"}, {"登记日期", today() + " 00:00:00"},
              {"卡内金额", "0"}, {"累计借阅次数", "0"}, {"CardId", ""}, {"py", ""}}},
            {"readers: values as given, trimmed but for 读者编号", "readers",
             {{1, " R2"}, {2, "李四"}, {3, " 男 "}, {4, "教师"}, {13, " C99 "}, {14, "4"}, {15, "2020/3/1"},
              {16, "2030-06-30"}, {17, "12.25"}, {18, " 老李 "}, {19, "ls"}},
             {{"读者编号", " R2"}, {"性别", "男"}, {"类别", "教师"}, {"CardId", "C99"}, {"累计借阅次数", "4"},
              {"登记日期", "2020-03-01 00:00:00"}, {"有效期", "2030-06-30"}, {"卡内金额", "12.25"},
              {"登记人", "老李"}, {"py", "ls"}}},
            {"periodicals: defaults", "periodicals", {{1, "Q1"}},
             {{"名称", "n"}, {"条形码", "n"}, {"数量", "1"}, {"借出次数", "0"}, {"价格", "0"}, {"状态", "正常"},
              {"入库时间", today() + " 00:00:00"}, {"登记人", ""}}},
            {"periodicals: values as given", "periodicals",
             {{1, "Q2"}, {2, " 读者 "}, {3, " 9771 "}, {9, "2"}, {11, "dz"}, {16, "2023-2-1"}, {18, "8.5"},
              {20, "3"}, {21, "停用"}, {27, "小刘"}, {28, "ignored"}},
             {{"名称", "读者"}, {"条形码", "9771"}, {"数量", "2"}, {"py", "dz"}, {"入库时间", "2023-02-01 00:00:00"},
              {"价格", "8.5"}, {"借出次数", "3"}, {"状态", "停用"}, {"登记人", "小刘"}}},
            {"loans: defaults", "loans", {{5, "B1"}, {6, "红楼梦"}},
             {{"cardId", "n"}, {"类别", "图书"}, {"物品级别", "普通"}, {"附件", "n"}, {"借阅日期", "1999-01-01"},
              {"归还日期", "2000-01-01"}, {"应还日期", "2000-02-01"}, {"已还", "否"}, {"价格", "0"},
              {"租金", "0"}, {"实际租期", "0"}, {"赔偿金额", "0"}, {"读者编号", ""}}},
            {"loans: values trimmed, 已还 Y is 否", "loans",
             {{1, " R1 "}, {2, " C1 "}, {5, " B2 "}, {6, " 三国 "}, {11, "2024-11-01"}, {13, "2024-12-01"},
              {14, "Y"}, {15, "1.5"}, {18, "30"}, {20, " 小王 "}},
             {{"读者编号", "R1"}, {"cardId", "C1"}, {"编号", "B2"}, {"名称", "三国"}, {"借阅日期", "2024-11-01"},
              {"应还日期", "2024-12-01"}, {"已还", "否"}, {"租金", "1.5"}, {"实际租期", "30"},
              {"借阅经手人", "小王"}}},
            {"loans: 已还 是 stays", "loans", {{5, "B3"}, {6, "水浒"}, {14, " 是 "}}, {{"已还", "是"}}},
        };
        for (const char *engine : {"sqlite", "postgresql"}) {
            for (const auto &[name, layout, cells, expected] : cases) {
                Expect e;
                for (const auto &p : expected)
                    e << p;
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(engine, name)))
                    << engine << layout << cells << e;
            }
        }
    }
    void conversionsAndDefaults()
    {
        QFETCH(QString, engine);
        QFETCH(QString, layout);
        QFETCH(Cells, cells);
        QFETCH(Expect, expected);
        OPEN_TEST_DATABASE(t, engine);
        const SheetLayout &l = *SheetLayouts::byName(layout);
        // One column more than the layout: it must be ignored.
        const int width = int(l.columns.size()) + 1;
        const QString path = csv(QStringLiteral("one-") + layout, {l.captions() << QStringLiteral("多余"),
                                                                   row(width, cells)});
        const ImportResult r = SheetImport::runFile(path, l, options(), t.db());
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QVERIFY2(r.failed == 0, qPrintable(r.failedRows.value(0).message));
        QCOMPARE(r.inserted, 1);
        for (const auto &[field, value] : expected)
            QVERIFY2(storedText(t.db(), l.table, field) == value,
                     qPrintable(field + QStringLiteral(": ") + storedText(t.db(), l.table, field) +
                                QStringLiteral(" != ") + value));
    }

    // A sheet of fewer columns than the layout reads the missing ones as empty.
    void fewerColumns()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        const QString path = csv(QStringLiteral("narrow"), {{"编号", "条形码"}, {"N1", ""}});
        const ImportResult r = SheetImport::runFile(path, SheetLayouts::books(), options(), t.db());
        QCOMPARE(r.inserted, 1);
        QCOMPARE(storedText(t.db(), "图书", "名称"), QStringLiteral("n"));
        QCOMPARE(storedText(t.db(), "图书", "数量"), QStringLiteral("1"));
    }

    void numbering_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<bool>("clock");
        QTest::addColumn<bool>("fromStart");
        QTest::addColumn<qint64>("start");
        QTest::addColumn<QStringList>("expected"); // "S" stands for the clock stamp
        for (const char *layout : {"books", "readers", "periodicals"}) {
            auto name = [&](const char *what) { return qPrintable(QStringLiteral("%1 %2").arg(layout, what)); };
            QTest::newRow(name("none")) << layout << false << false << qint64(0) << QStringList{"A", "B", "C"};
            QTest::newRow(name("start 1000")) << layout << false << true << qint64(1000)
                                              << QStringList{"1000", "1001", "1002"};
            QTest::newRow(name("ten-digit start")) << layout << false << true << qint64(2412081530)
                                                   << QStringList{"2412081530", "2412081531", "2412081532"};
            QTest::newRow(name("clock")) << layout << true << false << qint64(0) << QStringList{"S2", "S3", "S4"};
            QTest::newRow(name("clock and start")) << layout << true << true << qint64(5)
                                                   << QStringList{"S2+", "S3+", "S4+"};
        }
    }
    void numbering()
    {
        QFETCH(QString, layout);
        QFETCH(bool, clock);
        QFETCH(bool, fromStart);
        QFETCH(qint64, start);
        QFETCH(QStringList, expected);
        TestDatabase t(QStringLiteral("sqlite"));
        const SheetLayout &l = *SheetLayouts::byName(layout);
        const int width = int(l.columns.size());
        const QString path = csv(QStringLiteral("numbers"), {l.captions(), row(width, {{1, "A"}, {2, "甲"}}),
                                                             row(width, {{1, "B"}, {2, "乙"}}),
                                                             row(width, {{1, "C"}, {2, "丙"}})});
        const QString before = RowNumbering::stamp();
        const ImportResult r = SheetImport::runFile(path, l, options({clock, fromStart, start}), t.db());
        const QString after = RowNumbering::stamp();
        QCOMPARE(r.inserted, 3);
        const QStringList stored = column(t.db(), l.table, l.columns.first().field);
        QStringList sorted = expected;
        for (QString &e : sorted) {
            if (!e.startsWith(QLatin1Char('S')))
                continue;
            const bool plusOne = e.endsWith(QLatin1Char('+'));
            const QString rowNumber = e.mid(1).remove(QLatin1Char('+'));
            // The stamp is the minute of each row: either side of a minute boundary.
            for (const QString &s : {before, after}) {
                const QString n = QString::number((s + rowNumber).toLongLong() + (plusOne ? 1 : 0));
                if (stored.contains(n))
                    e = n;
            }
        }
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(stored, sorted);
    }

    // A row whose number is taken fails alone, whatever batch it falls in.
    void repeatedNumberFailsAlone_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<int>("batchSize");
        for (const char *engine : {"sqlite", "postgresql"})
            for (const int size : {1, 2, 1000})
                QTest::newRow(qPrintable(QStringLiteral("%1 batch %2").arg(engine).arg(size))) << engine << size;
    }
    void repeatedNumberFailsAlone()
    {
        QFETCH(QString, engine);
        QFETCH(int, batchSize);
        OPEN_TEST_DATABASE(t, engine);
        t.db().exec(QStringLiteral("insert into 图书(编号,名称) values(?,?)"), {QStringLiteral("B2"), QStringLiteral("旧书")});
        const QString path = csv(QStringLiteral("repeat"), {SheetLayouts::books().captions(),
                                                            {"B1", "111", "一"}, {"B2", "222", "二"},
                                                            {"B3", "333", "三"}, {"B3", "", "四"}, {"B5", "555", "五"}});
        const ImportResult r = SheetImport::runFile(path, SheetLayouts::books(), options({}, batchSize), t.db());
        QCOMPARE(r.inserted, 3);
        QCOMPARE(r.failed, 2);
        QCOMPARE(r.failedRows.size(), 2);
        QCOMPARE(r.failedRows[0].row, 3);
        QCOMPARE(r.failedRows[0].memoLine, QStringLiteral("3 222 二"));
        QCOMPARE(r.failedRows[1].memoLine, QStringLiteral("5 n 四"));
        QVERIFY(!r.failedRows[0].message.isEmpty());
        QCOMPARE(r.failedRows[0].cells.size(), 20);
        QCOMPARE(r.failedRows[0].cells.mid(0, 3), (QStringList{"B2", "222", "二"}));
        QCOMPARE(r.memoLines(), (QStringList{"3 222 二", "5 n 四", "成功导入了3行", "导入失败了2行"}));
        QCOMPARE(column(t.db(), "图书", "名称"), (QStringList{"一", "旧书", "三", "五"}));
        QVERIFY(!t.db().inTransaction());
    }

    // A batch whose commit fails is reported row by row; the other batches stay.
    void lostBatchReportedRowByRow()
    {
        OPEN_TEST_DATABASE(t, QStringLiteral("postgresql"));
        // A deferred check that the server runs only at commit.
        t.db().exec(QStringLiteral("create function refuse_boom() returns trigger language plpgsql as $$ begin "
                                   "if new.名称 = 'boom' then raise exception 'boom at commit'; end if; "
                                   "return new; end $$"));
        t.db().exec(QStringLiteral("create constraint trigger boom after insert on 图书 deferrable initially "
                                   "deferred for each row execute function refuse_boom()"));
        const QString path = csv(QStringLiteral("lost"), {SheetLayouts::books().captions(), {"B1", "1", "一"},
                                                          {"B2", "2", "boom"}, {"B3", "3", "三"}, {"B4", "4", "四"},
                                                          {"B5", "5", "五"}});
        const ImportResult r = SheetImport::runFile(path, SheetLayouts::books(), options({}, 2), t.db());
        QCOMPARE(r.inserted, 3);
        QCOMPARE(r.failed, 2);
        QCOMPARE(r.failedRows.size(), 2);
        QCOMPARE(r.failedRows[0].memoLine, QStringLiteral("2 1 一"));
        QCOMPARE(r.failedRows[1].memoLine, QStringLiteral("3 2 boom"));
        QVERIFY2(r.failedRows[1].message.contains(QStringLiteral("boom at commit")), qPrintable(r.failedRows[1].message));
        QCOMPARE(column(t.db(), "图书", "编号"), (QStringList{"B3", "B4", "B5"}));
    }

    // The failed statement is shown with its values in the dialect's quotes.
    void failedStatementShown_data()
    {
        TestDatabase::addEngines();
    }
    void failedStatementShown()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        // A page count that is no number is refused by both engines.
        const QString path = csv(QStringLiteral("pages"),
                                 {SheetLayouts::books().captions(),
                                  row(31, {{1, "P1"}, {3, "名'称\""}, {7, "9.8"}, {15, "320页"}, {25, "2024-1-2"}})});
        const ImportResult r = SheetImport::runFile(path, SheetLayouts::books(), options(), t.db());
        QCOMPARE(r.inserted, 0);
        QCOMPARE(r.failed, 1);
        const QString q = t.db().dialect().textQuote();
        const QString d = t.db().dialect().dateQuote();
        const QString shown = r.lastFailedStatement();
        QVERIFY2(shown.startsWith(QStringLiteral("insert into 图书(编号,条形码,名称,出版社,")), qPrintable(shown));
        const QString name = QStringLiteral("名'称\"").replace(q, q + q);
        QVERIFY2(shown.contains(QStringLiteral("values(%1P1%1,%1n%1,%1%2%1,").arg(q, name)), qPrintable(shown));
        QVERIFY2(shown.contains(QStringLiteral(",9.8,")), qPrintable(shown));
        QVERIFY2(shown.contains(q + QStringLiteral("320页") + q), qPrintable(shown));
        QVERIFY2(shown.contains(d + QStringLiteral("2024-01-02") + d), qPrintable(shown));
        QCOMPARE(storedText(t.db(), "图书", "编号"), QStringLiteral("<no row>"));
    }

    void readersEndAtFirstEmptyKey_data()
    {
        TestDatabase::addEngines();
    }
    void readersEndAtFirstEmptyKey()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        const QString path = csv(QStringLiteral("gap"), {SheetLayouts::readers().captions(), {"R1", "甲"}, {"R2", "乙"},
                                                         {"R3", "丙"}, {"", ""}, {"R5", "戊"}, {"R6", "己"}});
        const ImportResult r = SheetImport::runFile(path, SheetLayouts::readers(), options(), t.db());
        QCOMPARE(r.inserted, 3);
        QCOMPARE(r.failed, 0);
        QCOMPARE(r.endedAtRow, 5);
        QCOMPARE(r.summaryLines(), (QStringList{"成功导入了3行", "导入失败了0行"}));
        QCOMPARE(column(t.db(), "读者库", "读者编号"), (QStringList{"R1", "R2", "R3"}));

        // With numbering a name alone is the key; a blank name ends the run there.
        TestDatabase u(engine);
        const QString numbered = csv(QStringLiteral("gap2"), {SheetLayouts::readers().captions(), {"", "甲"},
                                                              {"x", "  "}, {"", "丙"}});
        const ImportResult n = SheetImport::runFile(numbered, SheetLayouts::readers(), options({false, true, 7}), u.db());
        QCOMPARE(n.inserted, 1);
        QCOMPARE(n.endedAtRow, 3);
        QCOMPARE(column(u.db(), "读者库", "读者编号"), QStringList{"7"});
    }

    void loansSkipRowsWithoutItem_data()
    {
        TestDatabase::addEngines();
    }
    void loansSkipRowsWithoutItem()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        const int w = int(SheetLayouts::loans().columns.size());
        const QString path = csv(QStringLiteral("loans"),
                                 {SheetLayouts::loans().captions(), row(w, {{1, "R1"}, {5, "B1"}, {6, "一"}}),
                                  row(w, {{1, "R2"}, {6, "无编号"}}), row(w, {{1, "R3"}, {5, "B3"}, {6, "  "}}),
                                  row(w, {{1, "R4"}, {5, "B1"}, {6, "一"}, {11, "2024-13-45"}})});
        const ImportResult r = SheetImport::runFile(path, SheetLayouts::loans(), options(), t.db());
        QCOMPARE(r.inserted, 2);
        QCOMPARE(r.failed, 0);
        QCOMPARE(r.skippedRows, (QList<int>{3, 4}));
        QCOMPARE(column(t.db(), "借出记录", "读者编号"), (QStringList{"R1", "R4"}));
        QCOMPARE(column(t.db(), "借出记录", "借阅日期"), (QStringList{"1999-01-01", "1999-01-01"}));
        // History only: no book, reader or counter is touched.
        QCOMPARE(t.db().scalar(QStringLiteral("select count(*) from 图书")).toInt(), 0);
    }

    void headerOnlyAndBlankRows()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        const QString header = csv(QStringLiteral("header"), {SheetLayouts::books().captions()});
        const ImportResult h = SheetImport::runFile(header, SheetLayouts::books(), options(), t.db());
        QCOMPARE(h.memoLines(), (QStringList{"成功导入了0行", "导入失败了0行"}));
        // Wholly blank rows (a sheet formatted further down than it is filled) make no books.
        const QString blank = csv(QStringLiteral("blank"), {SheetLayouts::books().captions(), {"", " "}, {"K1", "1"},
                                                            {"", ""}, {"K2", "2"}});
        const ImportResult b = SheetImport::runFile(blank, SheetLayouts::books(), options({false, true, 1}), t.db());
        QCOMPARE(b.inserted, 2);
        QCOMPARE(b.skippedRows, (QList<int>{2, 4}));
        QCOMPARE(column(t.db(), "图书", "编号"), (QStringList{"1", "2"}));
    }

    void unreadableFileWritesNothing()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        const QString path = m_dir.filePath(QStringLiteral("damaged.xlsx"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("PK\x03\x04 not a workbook");
        f.close();
        const ImportResult r = SheetImport::runFile(path, SheetLayouts::books(), options(), t.db());
        QVERIFY(r.error.contains(QStringLiteral("damaged.xlsx")));
        QCOMPARE(r.inserted + r.failed, 0);
    }

    // The same sheet saved as .xlsx, .xls and .csv gives the same rows.
    void fileFormats_data()
    {
        QTest::addColumn<QString>("suffix");
        for (const char *s : {"xlsx", "xls", "csv"})
            QTest::newRow(s) << s;
    }
    void fileFormats()
    {
        QFETCH(QString, suffix);
        QJsonArray header;
        for (const QString &c : SheetLayouts::books().captions())
            header << c;
        QJsonArray row1{1001, QStringLiteral("978-7"), QStringLiteral("红楼梦"), QJsonValue(), QStringLiteral("人民文学"),
                        QStringLiteral("曹雪芹"), 25.5, QStringLiteral("7-02"), 3};
        QJsonArray row2{QStringLiteral("B2"), QJsonValue(), QStringLiteral("三国\"演义'"), QJsonValue(), QJsonValue(),
                        QJsonValue(), QJsonValue(), 12345678901.0, QJsonValue()};
        for (int c = 10; c < 25; ++c) {
            row1 << QJsonValue();
            row2 << QJsonValue();
        }
        row1 << QJsonObject{{"date", "2024-12-01"}};
        row2 << QStringLiteral("2008-8-8");
        QString error;
        const QString path = writeSheet(m_dir.filePath(QStringLiteral("formats.") + suffix),
                                        QJsonArray{header, row1, row2}, &error);
        if (path.isEmpty())
            QSKIP(qPrintable(error));
        TestDatabase t(QStringLiteral("sqlite"));
        const ImportResult r = SheetImport::runFile(path, SheetLayouts::books(), options(), t.db());
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.inserted, 2);
        QCOMPARE(column(t.db(), "图书", "编号"), (QStringList{"1001", "B2"}));
        QCOMPARE(column(t.db(), "图书", "名称"), (QStringList{"红楼梦", "三国\"演义'"}));
        QCOMPARE(column(t.db(), "图书", "条形码"), (QStringList{"978-7", "n"}));
        QCOMPARE(column(t.db(), "图书", "价格"), (QStringList{"25.5", "0"}));
        QCOMPARE(column(t.db(), "图书", "isbn"), (QStringList{"7-02", "12345678901"}));
        QCOMPARE(column(t.db(), "图书", "数量"), (QStringList{"3", "1"}));
        QCOMPARE(column(t.db(), "图书", "入库时间"), (QStringList{"2024-12-01 00:00:00", "2008-08-08 00:00:00"}));
        QCOMPARE(column(t.db(), "图书", "分类"), (QStringList{"", ""}));
    }

    void startNumberInput_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::newRow("digits") << "1000" << true;
        QTest::newRow("blanks around") << " 42 " << true;
        QTest::newRow("eighteen digits") << "999999999999999999" << true;
        QTest::newRow("nineteen digits") << "9999999999999999999" << false;
        QTest::newRow("sign") << "-1" << false;
        QTest::newRow("empty") << "" << false;
    }
    void startNumberInput()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        qint64 start = -5;
        QCOMPARE(RowNumbering::parseStart(text, &start), ok);
        if (ok)
            QCOMPARE(start, text.trimmed().toLongLong());
    }
};

QTEST_GUILESS_MAIN(TestSheetImport)
#include "tst_sheet_import.moc"
