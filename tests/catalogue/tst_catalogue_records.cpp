// SPDX-License-Identifier: MIT
// Editing catalogued rows: the row in edit mode, stock correction with its log row in
// one transaction, rights; recommendations with the 50-byte limit; the registration
// lists; periodical registration and the copy from a stored barcode.
#include "CatalogueFixtures.h"
#include "TestDatabase.h"
#include "catalogue/BookEditing.h"
#include "catalogue/PeriodicalRegistration.h"
#include "catalogue/Recommendations.h"
#include "catalogue/RegistrationList.h"
#include "catalogue/RowEdit.h"
#include "catalogue/RowSet.h"
#include "foundation/DayClock.h"
#include "foundation/LoginSession.h"
#include "foundation/Money.h"
#include "foundation/SqlValues.h"

#include <QTest>

using namespace CatalogueFixtures;

namespace {
const QString kBooks = QStringLiteral("图书");
Rights allRights()
{
    Rights r;
    for (int i = 0; i < Rights::names().size(); ++i)
        r.setValue(i, true);
    return r;
}
QDateTime at(int month, int day, int h = 0, int m = 0)
{
    return QDateTime(QDate(2024, month, day), QTime(h, m));
}
} // namespace

class TestCatalogueRecords : public QObject
{
    Q_OBJECT
private slots:
    void init() { DayClock::setToday(QDate(2024, 12, 8)); }
    void cleanup() { DayClock::setToday(QDate()); }

    void editPostsOnlyChangedColumns_data() { TestDatabase::addEngines(); }
    void editPostsOnlyChangedColumns()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        storeBook(t.db(), QStringLiteral("A1"), {{QStringLiteral("名称"), QStringLiteral("旧名")},
                                                 {QStringLiteral("价格"), QStringLiteral("25")},
                                                 {QStringLiteral("py"), QStringLiteral("JM")},
                                                 {QStringLiteral("物品级别"), QStringLiteral("")}});
        RowEdit row(t.db(), kBooks);
        QVERIFY(row.load(QStringLiteral("a1"))); // the key compares without regard to case
        QCOMPARE(row.key(), QStringLiteral("A1"));
        // Unchanged box texts are no change: Null 页数 stays Null.
        row.setText(QStringLiteral("价格"), QStringLiteral("25"));
        row.setText(QStringLiteral("页数"), QString());
        row.setText(QStringLiteral("作者"), QString());
        QVERIFY(!row.isModified());
        // Another workstation changes the author meanwhile; it is kept.
        t.db().exec(QStringLiteral("update 图书 set 作者=? where 编号=?"), {QStringLiteral("别人"), QStringLiteral("A1")});
        row.setText(QStringLiteral("名称"), QStringLiteral("It's \"新\""));
        row.setText(QStringLiteral("编号"), QStringLiteral("A2"));
        QCOMPARE(BookEditing::save(row, allRights()), QString());
        QCOMPARE(row.key(), QStringLiteral("A2"));
        auto f = [&](const char *c) { return field(t.db(), kBooks, QStringLiteral("A2"), QString::fromUtf8(c)); };
        QCOMPARE(f("名称").toString(), QStringLiteral("It's \"新\""));
        QCOMPARE(f("作者").toString(), QStringLiteral("别人"));
        QCOMPARE(f("物品级别").toString(), QStringLiteral("普通")); // empty level becomes 普通
        QCOMPARE(f("py").toString(), QStringLiteral("JM"));        // py is not recomputed
        QVERIFY(f("页数").isNull());
        QVERIFY(!field(t.db(), kBooks, QStringLiteral("A1"), QStringLiteral("编号")).isValid());
    }

    void refusedPostKeepsTheChanges_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("text");
        for (const char *e : {"sqlite", "postgresql"}) {
            QTest::addRow("%s number taken", e) << e << "编号" << "B1";
            QTest::addRow("%s page count", e) << e << "页数" << "12页";
            QTest::addRow("%s price", e) << e << "价格" << "1.2.3";
        }
    }
    void refusedPostKeepsTheChanges()
    {
        QFETCH(QString, engine);
        QFETCH(QString, column);
        QFETCH(QString, text);
        OPEN_TEST_DATABASE(t, engine);
        storeBook(t.db(), QStringLiteral("A1"));
        storeBook(t.db(), QStringLiteral("B1"));
        RowEdit row(t.db(), kBooks);
        QVERIFY(row.load(QStringLiteral("A1")));
        row.setText(QStringLiteral("名称"), QStringLiteral("改过"));
        row.setText(column, text);
        const QString message = BookEditing::save(row, allRights());
        QVERIFY(!message.isEmpty());
        QVERIFY(row.isModified());
        QCOMPARE(row.text(column), text);
        QCOMPARE(field(t.db(), kBooks, QStringLiteral("A1"), QStringLiteral("名称")).toString(), QStringLiteral("书A1"));
        row.cancel();
        QCOMPARE(BookEditing::save(row, allRights()), QString());
    }

    void rights_data() { TestDatabase::addEngines(); }
    void rights()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        storeBook(t.db(), QStringLiteral("A1"));
        RowEdit row(t.db(), kBooks);
        QVERIFY(row.load(QStringLiteral("A1")));
        row.setText(QStringLiteral("名称"), QStringLiteral("改过"));
        Rights none;
        QCOMPARE(BookEditing::save(row, none), QStringLiteral("没有权限!"));
        QVERIFY(row.isModified());
        QCOMPARE(BookEditing::mayCorrectStock(none), QStringLiteral("没有权限!"));
        Rights edit;
        edit.qxbkxg = true;
        QCOMPARE(BookEditing::mayCorrectStock(edit), QStringLiteral("没有权限!"));
        QCOMPARE(BookEditing::save(row, edit), QString());
    }

    void stockCorrectionWritesItsLogRow_data() { TestDatabase::addEngines(); }
    void stockCorrectionWritesItsLogRow()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        storeBook(t.db(), QStringLiteral("A1"), {{QStringLiteral("数量"), 3}, {QStringLiteral("条形码"), QStringLiteral("9787020012345")}});
        RowEdit row(t.db(), kBooks);
        QVERIFY(row.load(QStringLiteral("A1")));
        QCOMPARE(BookEditing::correctStock(t.db(), row, QString(), QStringLiteral("小王")), QStringLiteral("填写数量!"));
        QCOMPARE(count(t.db(), QStringLiteral("管理员日志")), 0);
        // The edits made so far go with the stock.
        row.setText(QStringLiteral("名称"), QStringLiteral("新名"));
        QCOMPARE(BookEditing::correctStock(t.db(), row, QStringLiteral("5"), QStringLiteral("小王")), QString());
        QCOMPARE(field(t.db(), kBooks, QStringLiteral("A1"), QStringLiteral("数量")).toInt(), 5);
        QCOMPARE(field(t.db(), kBooks, QStringLiteral("A1"), QStringLiteral("名称")).toString(), QStringLiteral("新名"));
        QSqlQuery log = t.db().exec(QStringLiteral("select 事件,日期,管理员,说明 from 管理员日志"));
        QVERIFY(log.next());
        QCOMPARE(log.value(0).toString(), QStringLiteral("修改库存"));
        QCOMPARE(SqlValues::toDateTime(log.value(1)).date(), QDate(2024, 12, 8));
        QCOMPARE(log.value(2).toString(), QStringLiteral("小王"));
        QCOMPARE(log.value(3).toString(), QStringLiteral("条形码:9787020012345"));
        QVERIFY(!log.next());
        log.finish();
        QVERIFY(!row.isModified());
    }

    void refusedStockWritesNoLogRow_data() { TestDatabase::addEngines(); }
    void refusedStockWritesNoLogRow()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        storeBook(t.db(), QStringLiteral("A1"), {{QStringLiteral("数量"), 3}});
        RowEdit row(t.db(), kBooks);
        QVERIFY(row.load(QStringLiteral("A1")));
        QVERIFY(!BookEditing::correctStock(t.db(), row, QStringLiteral("五"), QStringLiteral("小王")).isEmpty());
        QCOMPARE(count(t.db(), QStringLiteral("管理员日志")), 0);
        QCOMPARE(field(t.db(), kBooks, QStringLiteral("A1"), QStringLiteral("数量")).toInt(), 3);
        // The log row is written in the same transaction: when it fails, the stock stays.
        t.db().exec(QStringLiteral("drop table 管理员日志"));
        QVERIFY(!BookEditing::correctStock(t.db(), row, QStringLiteral("9"), QStringLiteral("小王")).isEmpty());
        QCOMPARE(field(t.db(), kBooks, QStringLiteral("A1"), QStringLiteral("数量")).toInt(), 3);
    }

    void deletedMeanwhile_data() { TestDatabase::addEngines(); }
    void deletedMeanwhile()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        storeBook(t.db(), QStringLiteral("A1"));
        RowEdit row(t.db(), kBooks);
        QVERIFY(row.load(QStringLiteral("A1")));
        RowEdit::remove(t.db(), kBooks, QStringLiteral("A1"));
        row.setText(QStringLiteral("名称"), QStringLiteral("x"));
        QVERIFY(!BookEditing::save(row, allRights()).isEmpty());
        QCOMPARE(count(t.db(), kBooks), 0);
    }

    void recommendations_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("admin");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QString>("message");
        const QString tooLong = Recommendations::tooLongMessage();
        for (const char *e : {"sqlite", "postgresql"}) {
            QTest::addRow("%s 25 characters", e) << e << QString(25, QChar(0x597D)) << true << true << "";
            QTest::addRow("%s 26 characters", e) << e << QString(26, QChar(0x597D)) << true << false << tooLong;
            QTest::addRow("%s 50 letters", e) << e << QString(50, QLatin1Char('a')) << true << true << "";
            QTest::addRow("%s 51 letters", e) << e << QString(51, QLatin1Char('a')) << true << false << tooLong;
            QTest::addRow("%s quotes", e) << e << "It's \"好\"" << true << true << "";
            QTest::addRow("%s empty", e) << e << "" << true << false << "";
            QTest::addRow("%s no right", e) << e << "好书" << false << false << "没有权限!";
        }
    }
    void recommendations()
    {
        QFETCH(QString, engine);
        QFETCH(QString, reason);
        QFETCH(bool, admin);
        QFETCH(bool, written);
        QFETCH(QString, message);
        OPEN_TEST_DATABASE(t, engine);
        storeBook(t.db(), QStringLiteral("A1"), {{QStringLiteral("作者"), QStringLiteral("O'Hara")},
                                                 {QStringLiteral("分类"), QStringLiteral("文学")},
                                                 {QStringLiteral("存放位置"), QStringLiteral("书库")}});
        Rights r;
        r.qxadmin = admin;
        Recommendations list(t.db());
        QString said;
        QCOMPARE(list.recommend(QStringLiteral("A1"), reason, r, QStringLiteral("小王"), &said), written);
        QCOMPARE(said, message);
        const RowSet rows = RowSet::fetch(t.db(), QStringLiteral("b_tuiJian"), Recommendations::list());
        QCOMPARE(rows.rowCount(), written ? 1 : 0);
        if (written) {
            QCOMPARE(rows.text(0, QStringLiteral("memo")), reason);
            QCOMPARE(rows.text(0, QStringLiteral("作者")), QStringLiteral("O'Hara"));
            QCOMPARE(rows.text(0, QStringLiteral("推荐人")), QStringLiteral("小王"));
            QCOMPARE(rows.text(0, QStringLiteral("名称")), QStringLiteral("书A1"));
        }
    }

    void recommendationRemoval_data() { TestDatabase::addEngines(); }
    void recommendationRemoval()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        storeBook(t.db(), QStringLiteral("A1"));
        storeBook(t.db(), QStringLiteral("A2"));
        Recommendations list(t.db());
        QString said;
        Rights r = allRights();
        QVERIFY(list.recommend(QStringLiteral("A1"), QStringLiteral("一"), r, QStringLiteral("小王"), &said));
        QVERIFY(list.recommend(QStringLiteral("A2"), QStringLiteral("二"), r, QStringLiteral("小王"), &said));
        RowSet rows = RowSet::fetch(t.db(), QStringLiteral("b_tuiJian"), Recommendations::list());
        list.remove(rows.value(0, QStringLiteral("id")).toLongLong());
        QCOMPARE(count(t.db(), QStringLiteral("b_tuiJian")), 1);
        list.removeAll();
        QCOMPARE(count(t.db(), QStringLiteral("b_tuiJian")), 0);
    }

    void registrationList_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("expected");
        for (const char *e : {"sqlite", "postgresql"}) {
            // 1 to 8 December: a book of 8 December counts only when stamped at midnight.
            QTest::addRow("%s books", e) << e << "图书" << QStringList{"B1", "B2"};
            QTest::addRow("%s periodicals", e) << e << "期刊" << QStringList{"Q1", "Q2"};
        }
    }
    void registrationList()
    {
        QFETCH(QString, engine);
        QFETCH(QString, table);
        QFETCH(QStringList, expected);
        OPEN_TEST_DATABASE(t, engine);
        const QString tm = QStringLiteral("入库时间");
        storeBook(t.db(), QStringLiteral("B1"), {{tm, at(12, 1, 0, 0)}});
        storeBook(t.db(), QStringLiteral("B2"), {{tm, at(12, 8, 0, 0)}});
        storeBook(t.db(), QStringLiteral("B3"), {{tm, at(12, 8, 9, 30)}});
        storeBook(t.db(), QStringLiteral("B4"), {{tm, at(11, 30, 23, 59)}});
        storeRow(t.db(), QStringLiteral("期刊"), {{QStringLiteral("编号"), QStringLiteral("Q1")}, {tm, at(12, 8)}});
        storeRow(t.db(), QStringLiteral("期刊"), {{QStringLiteral("编号"), QStringLiteral("Q2")}, {tm, at(12, 1)}});
        storeRow(t.db(), QStringLiteral("期刊"), {{QStringLiteral("编号"), QStringLiteral("Q3")}, {tm, at(12, 9)}});
        const RowSet rows = RowSet::fetch(t.db(), table, RegistrationList::registered(table, QDate(2024, 12, 1), QDate(2024, 12, 8)));
        QStringList found;
        for (int r = 0; r < rows.rowCount(); ++r)
            found << rows.text(r, QStringLiteral("编号"));
        found.sort();
        QCOMPARE(found, expected);
        QCOMPARE(RegistrationList::rangeWarning(QDate(2024, 12, 8), QDate(2024, 12, 1)), QStringLiteral("时间前后逻辑错误!"));
        QVERIFY(RegistrationList::rangeWarning(QDate(2024, 12, 8), QDate(2024, 12, 8)).isEmpty());
    }

    void perOperator_data() { TestDatabase::addEngines(); }
    void perOperator()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        const QString tm = QStringLiteral("入库时间");
        const QString who = QStringLiteral("登记人");
        const QString price = QStringLiteral("价格");
        storeBook(t.db(), QStringLiteral("B1"), {{tm, at(8, 10, 9)}, {who, QStringLiteral("甲")}, {price, QStringLiteral("12.5")}});
        storeBook(t.db(), QStringLiteral("B2"), {{tm, at(8, 11, 9)}, {who, QStringLiteral("甲")}, {price, QStringLiteral("30")}});
        storeBook(t.db(), QStringLiteral("B3"), {{tm, at(8, 11, 9)}, {who, QStringLiteral("乙")}, {price, QStringLiteral("1")}});
        storeBook(t.db(), QStringLiteral("B4"), {{tm, at(9, 1, 9)}, {who, QStringLiteral("丙")}, {price, QStringLiteral("5")}});
        const QDate from(2024, 8, 10), to(2024, 8, 12);
        RowSet rows = RowSet::fetch(t.db(), kBooks, RegistrationList::perOperator(from, to));
        QCOMPARE(rows.columns(), (QStringList{"登记人", "记录数", "总价格"}));
        QMap<QString, QString> got;
        for (int r = 0; r < rows.rowCount(); ++r)
            got.insert(rows.text(r, who), rows.text(r, QStringLiteral("记录数")) + QLatin1Char('/')
                                              + Money::fromVariant(rows.value(r, QStringLiteral("总价格"))).toString());
        QCOMPARE(got, (QMap<QString, QString>{{"甲", "2/42.5"}, {"乙", "1/1"}}));
        QCOMPARE(RegistrationList::perOperatorText(SqlDialect(QStringLiteral("a")), from, to),
                 QStringLiteral("SELECT 登记人, count(编号) AS 记录数, sum(价格) AS 总价格 FROM 图书 where "
                                "入库时间>=#2024-08-10# and 入库时间<=#2024-08-12# GROUP BY 登记人"));
    }

    void periodicalRegistration_data() { TestDatabase::addEngines(); }
    void periodicalRegistration()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        PeriodicalRegistration reg(t.db(), QStringLiteral("小王"));
        PeriodicalEntry e = PeriodicalRegistration::defaults();
        QCOMPARE(PeriodicalRegistration::check(e), QStringLiteral("字体加重的项目必须填写完整!"));
        e.setValue(QStringLiteral("编号"), QStringLiteral(" Q1 "));
        e.setValue(QStringLiteral("名称"), QStringLiteral("读者'文摘\""));
        e.setValue(QStringLiteral("条形码"), QStringLiteral("9771000"));
        e.setValue(QStringLiteral("ISSN"), QStringLiteral("1000-0000"));
        e.setValue(QStringLiteral("价格"), QStringLiteral("5.5"));
        e.setValue(QStringLiteral("第几期"), QStringLiteral("2"));
        e.published = QDate(2024, 5, 1);
        QCOMPARE(PeriodicalRegistration::check(e), QString());
        QCOMPARE(reg.save(e), QString());
        auto f = [&](const char *c) { return field(t.db(), QStringLiteral("期刊"), QStringLiteral("Q1"), QString::fromUtf8(c)); };
        QCOMPARE(f("名称").toString(), QStringLiteral("读者'文摘\""));
        QCOMPARE(f("出版时间").toString(), QStringLiteral("2024-05-01"));
        QCOMPARE(SqlValues::dateTimeText(f("入库时间")), QStringLiteral("2024-12-08 00:00:00"));
        QCOMPARE(f("登记人").toString(), QStringLiteral("小王"));
        QCOMPARE(f("借出次数").toInt(), 0);
        QCOMPARE(f("物品级别").toString(), QStringLiteral("普通"));
        // The database refuses a second issue under the same number.
        QVERIFY(!reg.save(e).isEmpty());
        e.setValue(QStringLiteral("编号"), QStringLiteral("Q2"));
        e.setValue(QStringLiteral("数量"), QStringLiteral("x"));
        QVERIFY(!reg.save(e).isEmpty());
        QCOMPARE(count(t.db(), QStringLiteral("期刊")), 1);
    }

    void copiesTheStoredIssue_data() { TestDatabase::addEngines(); }
    void copiesTheStoredIssue()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        storeRow(t.db(), QStringLiteral("期刊"),
                 {{QStringLiteral("编号"), QStringLiteral("Q2")}, {QStringLiteral("名称"), QStringLiteral("读者")},
                  {QStringLiteral("条形码"), QStringLiteral("9771000")}, {QStringLiteral("物品级别"), QStringLiteral(" 普通 ")},
                  {QStringLiteral("出版社"), QStringLiteral("读者出版社")}, {QStringLiteral("ISSN"), QStringLiteral("1000-0000")},
                  {QStringLiteral("国内统一刊号"), QStringLiteral("CN62-1118")}, {QStringLiteral("邮发代号"), QStringLiteral("54-17")},
                  {QStringLiteral("第几期"), QStringLiteral("2")}, {QStringLiteral("总第几期"), QStringLiteral("500")},
                  {QStringLiteral("价格"), QStringLiteral("5.50")}, {QStringLiteral("py"), QStringLiteral("DZ")},
                  {QStringLiteral("出版时间"), QStringLiteral("2024-02-01")}, {QStringLiteral("数量"), 4}});
        PeriodicalRegistration reg(t.db(), QStringLiteral("小王"));
        const auto copied = reg.fromStoredBarcode(QStringLiteral(" 9771000 "));
        QStringList columns;
        for (const auto &p : copied)
            columns << p.first;
        // Null fields (存放位置, 分类, 二级分类, 简介) and 编号, 数量, 出版时间, 状态 are not copied.
        QCOMPARE(columns, (QStringList{"名称", "物品级别", "出版社", "ISSN", "国内统一刊号", "邮发代号", "第几期",
                                       "总第几期", "价格", "py"}));
        QCOMPARE(copied.value(1).second, QStringLiteral("普通"));
        QCOMPARE(copied.value(8).second, QStringLiteral("5.5"));
        QVERIFY(reg.fromStoredBarcode(QStringLiteral("977'")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCatalogueRecords)
#include "tst_catalogue_records.moc"
