// SPDX-License-Identifier: MIT
// The periodical windows offscreen: registration with the copy from a stored barcode,
// the save rules, editing with the pinyin, and the modeless management window.
#include "CatalogueFixtures.h"
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "WindowHelpers.h"
#include "catalogue/QkAddUt.h"
#include "catalogue/QkEditUt.h"
#include "catalogue/QkSearchUt.h"
#include "foundation/DayClock.h"
#include "foundation/GridWidget.h"
#include "foundation/SqlValues.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace CatalogueFixtures;
using namespace WindowHelpers;

namespace {
const QString kTable = QStringLiteral("期刊");

void storeFebruaryIssue(const SharedConnection &db)
{
    storeRow(db, kTable,
             {{QStringLiteral("编号"), QStringLiteral("DZ2402")}, {QStringLiteral("名称"), QStringLiteral("读者")},
              {QStringLiteral("条形码"), QStringLiteral("9771000000001")}, {QStringLiteral("物品级别"), QStringLiteral("普通")},
              {QStringLiteral("出版社"), QStringLiteral("读者出版社")}, {QStringLiteral("存放位置"), QStringLiteral("书库")},
              {QStringLiteral("分类"), QStringLiteral("综合")}, {QStringLiteral("二级分类"), QStringLiteral("综合")},
              {QStringLiteral("ISSN"), QStringLiteral("1005-1805")}, {QStringLiteral("国内统一刊号"), QStringLiteral("CN62-1118/Z")},
              {QStringLiteral("邮发代号"), QStringLiteral("54-17")}, {QStringLiteral("第几期"), QStringLiteral("4")},
              {QStringLiteral("总第几期"), QStringLiteral("700")}, {QStringLiteral("价格"), QStringLiteral("5.5")},
              {QStringLiteral("py"), QStringLiteral("DZ")}, {QStringLiteral("简介"), QStringLiteral("综合文摘")},
              {QStringLiteral("数量"), 3}, {QStringLiteral("出版时间"), QStringLiteral("2024-02-01")},
              {QStringLiteral("状态"), QStringLiteral("不外借")}});
}
void click(QWidget *w, const char *name)
{
    auto *b = w->findChild<QAbstractButton *>(QString::fromLatin1(name));
    QVERIFY2(b, name);
    b->click();
}
QStringList listed(GridWidget *g)
{
    QStringList out;
    for (int r = 0; r < g->rowCount(); ++r)
        out << g->value(r, QStringLiteral("编号")).toString();
    out.sort();
    return out;
}
} // namespace

class TestPeriodicalWindows : public QObject
{
    Q_OBJECT
private slots:
    void init() { DayClock::setToday(QDate(2024, 12, 8)); }
    void cleanup() { DayClock::setToday(QDate()); }

    void nextIssueFromTheStoredBarcode_data() { TestDatabase::addEngines(); }
    void nextIssueFromTheStoredBarcode()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        storeFebruaryIssue(t.db());
        MessageRecorder messages;
        LoginSession s = session(t.db());
        TQkAddFm w(t.db(), s);
        QCOMPARE(w.windowTitle(), QStringLiteral("添加期刊---字体加重的项必须填写"));
        QCOMPARE(child<QDateEdit>(&w, QStringLiteral("DateTimePicker1"))->date(), QDate(2008, 3, 26));
        // A barcode not stored changes nothing.
        type(&w, QStringLiteral("Edit3"), QStringLiteral("977'9"));
        enter(&w, QStringLiteral("Edit3"));
        QCOMPARE(text(&w, QStringLiteral("Edit2")), QString());
        type(&w, QStringLiteral("Edit3"), QStringLiteral("9771000000001"));
        enter(&w, QStringLiteral("Edit3"));
        const QList<QPair<const char *, const char *>> copied{
            {"Edit2", "读者"},       {"ComboBox2", "普通"},   {"ComboBox1", "读者出版社"}, {"ComboBox3", "书库"},
            {"ComboBox4", "综合"},   {"ComboBox5", "综合"},   {"Edit5", "1005-1805"},     {"Edit6", "CN62-1118/Z"},
            {"Edit7", "54-17"},      {"Edit8", "4"},          {"Edit9", "700"},           {"Edit10", "5.5"},
            {"Edit11", "DZ"},        {"Memo1", "综合文摘"},
            // Not copied: 编号, 数量, 出版时间, 状态.
            {"Edit1", ""},           {"Edit4", "1"},          {"ComboBox6", "正常"}};
        for (const auto &[box, value] : copied)
            QCOMPARE(text(&w, QString::fromLatin1(box)), QString::fromUtf8(value));
        type(&w, QStringLiteral("Edit1"), QStringLiteral("DZ2403"));
        type(&w, QStringLiteral("Edit8"), QStringLiteral("5"));
        type(&w, QStringLiteral("Edit9"), QStringLiteral("701"));
        child<QDateEdit>(&w, QStringLiteral("DateTimePicker1"))->setDate(QDate(2024, 5, 1));
        click(&w, "Button1");
        QCOMPARE(messages.texts, QStringList{QStringLiteral("保存完毕")});
        auto f = [&](const char *c) { return field(t.db(), kTable, QStringLiteral("DZ2403"), QString::fromUtf8(c)); };
        QCOMPARE(f("出版时间").toString(), QStringLiteral("2024-05-01"));
        QCOMPARE(f("总第几期").toString(), QStringLiteral("701"));
        QCOMPARE(f("国内统一刊号").toString(), QStringLiteral("CN62-1118/Z"));
        QCOMPARE(f("py").toString(), QStringLiteral("DZ"));
        QCOMPARE(f("状态").toString(), QStringLiteral("正常"));
        QCOMPARE(f("登记人").toString(), QStringLiteral("小王"));
        QCOMPARE(SqlValues::dateTimeText(f("入库时间")), QStringLiteral("2024-12-08 00:00:00"));
        // The reset empties 编号 and keeps the publication date.
        QCOMPARE(text(&w, QStringLiteral("Edit1")), QString());
        QCOMPARE(text(&w, QStringLiteral("Edit2")), QString());
        QCOMPARE(child<QDateEdit>(&w, QStringLiteral("DateTimePicker1"))->date(), QDate(2024, 5, 1));
    }

    void saveRefusals_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("required");
        for (const char *e : {"sqlite", "postgresql"}) {
            QTest::addRow("%s no price", e) << e << "Edit10" << "" << true;
            QTest::addRow("%s no level", e) << e << "ComboBox2" << "" << true;
            QTest::addRow("%s no barcode", e) << e << "Edit3" << "" << true;
            QTest::addRow("%s number taken", e) << e << "Edit1" << "DZ2402" << false;
        }
    }
    void saveRefusals()
    {
        QFETCH(QString, engine);
        QFETCH(QString, box);
        QFETCH(QString, value);
        QFETCH(bool, required);
        OPEN_TEST_DATABASE(t, engine);
        storeFebruaryIssue(t.db());
        MessageRecorder messages;
        LoginSession s = session(t.db());
        TQkAddFm w(t.db(), s);
        type(&w, QStringLiteral("Edit1"), QStringLiteral("N1"));
        type(&w, QStringLiteral("Edit2"), QStringLiteral("新刊"));
        type(&w, QStringLiteral("Edit3"), QStringLiteral("977"));
        type(&w, box, value);
        click(&w, "Button1");
        QCOMPARE(messages.texts.size(), 1);
        if (required)
            QCOMPARE(messages.last(), QStringLiteral("字体加重的项目必须填写完整!"));
        else
            QVERIFY(messages.last() != QStringLiteral("保存完毕"));
        QCOMPARE(count(t.db(), kTable), 1);
        QCOMPARE(text(&w, QStringLiteral("Edit2")), QStringLiteral("新刊"));
    }

    void editing_data() { TestDatabase::addEngines(); }
    void editing()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        storeFebruaryIssue(t.db());
        MessageRecorder messages;
        LoginSession s = session(t.db());
        TQkEditFm w(t.db(), s, QStringLiteral("DZ2402"));
        QCOMPARE(w.windowTitle(), QStringLiteral("期刊编辑"));
        QCOMPARE(text(&w, QStringLiteral("field_py")), QStringLiteral("DZ"));
        type(&w, QStringLiteral("field_名称"), QStringLiteral("读者 "));
        QCOMPARE(text(&w, QStringLiteral("field_py")), QStringLiteral("DZ")); // odd last byte dropped
        type(&w, QStringLiteral("field_名称"), QStringLiteral("A读者"));
        const QString shifted = text(&w, QStringLiteral("field_py"));
        QVERIFY(shifted.startsWith(QLatin1Char(' '))); // not trimmed
        type(&w, QStringLiteral("field_数量"), QStringLiteral("x"));
        click(&w, "saveButton");
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(messages.last() != QStringLiteral("保存完毕"));
        QVERIFY(w.result() != QDialog::Accepted);
        type(&w, QStringLiteral("field_数量"), QStringLiteral("4"));
        click(&w, "saveButton");
        QCOMPARE(messages.last(), QStringLiteral("保存完毕"));
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(field(t.db(), kTable, QStringLiteral("DZ2402"), QStringLiteral("名称")).toString(), QStringLiteral("A读者"));
        QCOMPARE(field(t.db(), kTable, QStringLiteral("DZ2402"), QStringLiteral("py")).toString(), shifted);
        QCOMPARE(field(t.db(), kTable, QStringLiteral("DZ2402"), QStringLiteral("数量")).toInt(), 4);
    }

    void managementIsModelessAndSingle()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        storeFebruaryIssue(t.db());
        LoginSession s = session(t.db());
        TQkSearchFm *w = TQkSearchFm::showWindow(t.db(), s, nullptr);
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowModality(), Qt::NonModal);
        QCOMPARE(w->windowTitle(), QStringLiteral("期刊管理"));
        QCOMPARE(TQkSearchFm::showWindow(t.db(), s, nullptr), w);
        QCOMPARE(w->grid()->rowCount(), 1);
        w->close();
        QTRY_VERIFY(!TQkSearchFm::openWindow());
    }

    void search_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("exact");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("message");
        for (const char *e : {"sqlite", "postgresql"}) {
            QTest::addRow("%s fuzzy", e) << e << "名称" << "读者" << false << QStringList{"DZ2402", "QN1"} << "";
            QTest::addRow("%s exact", e) << e << "名称" << "读者" << true << QStringList{"DZ2402"} << "";
            QTest::addRow("%s leading blank", e) << e << "名称" << " 读者" << true << QStringList{} << "";
            QTest::addRow("%s empty value", e) << e << "名称" << "" << false << QStringList{"DZ2402", "QN1"}
                                              << "请填写好查询条件!";
            QTest::addRow("%s empty field", e) << e << "" << "x" << false << QStringList{"DZ2402", "QN1"}
                                              << "请填写好查询条件!";
        }
    }
    void search()
    {
        QFETCH(QString, engine);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(bool, exact);
        QFETCH(QStringList, expected);
        QFETCH(QString, message);
        OPEN_TEST_DATABASE(t, engine);
        storeFebruaryIssue(t.db());
        storeRow(t.db(), kTable, {{QStringLiteral("编号"), QStringLiteral("QN1")}, {QStringLiteral("名称"), QStringLiteral("青年读者")}});
        MessageRecorder messages;
        LoginSession s = session(t.db());
        TQkSearchFm w(t.db(), s);
        child<QComboBox>(&w, QStringLiteral("ComboBox1"))->setEditText(field);
        type(&w, QStringLiteral("Edit1"), value);
        child<QRadioButton>(&w, exact ? QStringLiteral("RadioButton1") : QStringLiteral("RadioButton2"))->setChecked(true);
        enter(&w, QStringLiteral("Edit1"));
        QCOMPARE(listed(w.grid()), expected);
        QCOMPARE(messages.texts, message.isEmpty() ? QStringList{} : QStringList{message});
    }

    void rightsAndDeletion_data() { TestDatabase::addEngines(); }
    void rightsAndDeletion()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        storeFebruaryIssue(t.db());
        MessageRecorder messages;
        LoginSession limited = session(t.db(), {QStringLiteral("qxqkxg"), QStringLiteral("qxadddata")});
        TQkSearchFm w(t.db(), limited);
        QVERIFY(!child<QToolButton>(&w, QStringLiteral("ToolButton1"))->isEnabled());
        QVERIFY(!child<QToolButton>(&w, QStringLiteral("ToolButton2"))->isEnabled());
        QVERIFY(child<QToolButton>(&w, QStringLiteral("ToolButton3"))->isEnabled());
        messages.answers.enqueue(false);
        click(&w, "ToolButton3");
        QCOMPARE(count(t.db(), kTable), 1);
        click(&w, "ToolButton3");
        QCOMPARE(messages.texts, (QStringList{"您是否要删除\" 读者\"", "您是否要删除\" 读者\""}));
        QCOMPARE(count(t.db(), kTable), 0);
        QCOMPARE(w.grid()->rowCount(), 0);
    }

    void editFromTheListShowsThePostedRow_data() { TestDatabase::addEngines(); }
    void editFromTheListShowsThePostedRow()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        storeFebruaryIssue(t.db());
        MessageRecorder messages;
        LoginSession s = session(t.db());
        TQkSearchFm w(t.db(), s);
        whenModal([&](QWidget *modal) {
            auto *edit = qobject_cast<TQkEditFm *>(modal);
            QVERIFY(edit);
            type(edit, QStringLiteral("field_第几期"), QStringLiteral("6"));
            click(edit, "saveButton");
        });
        click(&w, "ToolButton2");
        QCOMPARE(w.grid()->value(QStringLiteral("第几期")).toString(), QStringLiteral("6"));
    }
};

QTEST_MAIN(TestPeriodicalWindows)
#include "tst_periodical_windows.moc"
