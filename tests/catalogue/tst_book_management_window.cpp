// SPDX-License-Identifier: MIT
// Book management offscreen: the opening list and totals, rights, the searches through
// the boxes, the combined search window, deletion, editing and stock correction through
// the real dialogs, recommendations and their list, the export.
#include "CatalogueFixtures.h"
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "WindowHelpers.h"
#include "catalogue/BkEditUt.h"
#include "catalogue/BkSearchAdUt.h"
#include "catalogue/BkSearchUt.h"
#include "catalogue/BkTuiJianUt.h"
#include "foundation/ExcelExportUi.h"
#include "foundation/DayClock.h"
#include "foundation/GridWidget.h"
#include "foundation/PromptDialog.h"
#include "foundation/SqlValues.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>

using namespace CatalogueFixtures;
using namespace WindowHelpers;

namespace {
const QString kBooks = QStringLiteral("图书");

void storeShelf(const SharedConnection &db)
{
    storeBook(db, QStringLiteral("A2"), {{QStringLiteral("名称"), QStringLiteral("数据库")}, {QStringLiteral("数量"), 2},
                                         {QStringLiteral("价格"), QStringLiteral("12.25")},
                                         {QStringLiteral("条形码"), QStringLiteral("9787302000002")},
                                         {QStringLiteral("py"), QStringLiteral("SJK")},
                                         {QStringLiteral("入库时间"), QDateTime(QDate(2024, 12, 1), QTime(9, 0))}});
    storeBook(db, QStringLiteral("A1"), {{QStringLiteral("名称"), QStringLiteral("数据")}, {QStringLiteral("数量"), 3},
                                         {QStringLiteral("价格"), QStringLiteral("400")},
                                         {QStringLiteral("条形码"), QStringLiteral("9787302000001")},
                                         {QStringLiteral("入库时间"), QDateTime(QDate(2024, 12, 8), QTime(23, 59))}});
    storeBook(db, QStringLiteral("B1"), {{QStringLiteral("名称"), QStringLiteral("红楼梦")}, {QStringLiteral("数量"), 1},
                                         {QStringLiteral("价格"), QStringLiteral("10")},
                                         {QStringLiteral("入库时间"), QDateTime(QDate(2024, 12, 9), QTime(0, 0, 1))}});
}

QStringList listed(GridWidget *g)
{
    QStringList out;
    for (int r = 0; r < g->rowCount(); ++r)
        out << g->value(r, QStringLiteral("编号")).toString();
    return out;
}
void click(QWidget *w, const char *name)
{
    QWidget *c = w->findChild<QWidget *>(QString::fromLatin1(name));
    QVERIFY2(c, name);
    if (auto *b = qobject_cast<QAbstractButton *>(c))
        b->click();
}
} // namespace

class TestBookManagementWindow : public QObject
{
    Q_OBJECT
private slots:
    void init() { DayClock::setToday(QDate(2024, 12, 8)); }
    void cleanup() { DayClock::setToday(QDate()); }

    void opening_data() { TestDatabase::addEngines(); }
    void opening()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        storeShelf(t.db());
        MessageRecorder messages;
        LoginSession s = session(t.db());
        TBkSearchFm w(t.db(), s);
        QCOMPARE(w.windowTitle(), QStringLiteral("图书资料管理"));
        QCOMPARE(listed(w.grid()), (QStringList{"A1", "A2", "B1"}));
        QCOMPARE(child<QLabel>(&w, QStringLiteral("Label2"))->text(), QStringLiteral("总记录数:3 总数量:6 总价格:1234.5"));
        QCOMPARE(child<QDateEdit>(&w, QStringLiteral("DTP1"))->date(), QDate(2024, 11, 8));
        QCOMPARE(child<QDateEdit>(&w, QStringLiteral("DTP2"))->date(), QDate(2024, 12, 9));
        QVERIFY(!child<QDateEdit>(&w, QStringLiteral("DTP1"))->isEnabled());
        QVERIFY(child<QRadioButton>(&w, QStringLiteral("RadioButton2"))->isChecked());
        QCOMPARE(w.grid()->footerText(QStringLiteral("编号")), QStringLiteral("3"));
        QVERIFY(messages.texts.isEmpty());
    }

    void emptyTableTotals()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        LoginSession s = session(t.db());
        TBkSearchFm w(t.db(), s);
        QCOMPARE(child<QLabel>(&w, QStringLiteral("Label2"))->text(), QStringLiteral("总记录数:0"));
    }

    void rightsDisableButtons_data()
    {
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("button");
        QTest::newRow("add") << "qxadddata" << "ToolButton1";
        QTest::newRow("edit") << "qxbkxg" << "ToolButton2";
        QTest::newRow("delete") << "qxdel" << "ToolButton3";
    }
    void rightsDisableButtons()
    {
        QFETCH(QString, right);
        QFETCH(QString, button);
        TestDatabase t(QStringLiteral("sqlite"));
        LoginSession s = session(t.db(), {right});
        TBkSearchFm w(t.db(), s);
        for (const char *b : {"ToolButton1", "ToolButton2", "ToolButton3"})
            QCOMPARE(child<QToolButton>(&w, QString::fromLatin1(b))->isEnabled(), button != QLatin1String(b));
    }

    void searchThroughTheBoxes_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("exact");
        QTest::addColumn<bool>("range");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("message");
        for (const char *e : {"sqlite", "postgresql"}) {
            QTest::addRow("%s fuzzy", e) << e << "名称" << "数据" << false << false << QStringList{"A1", "A2"} << "";
            QTest::addRow("%s exact", e) << e << "名称" << "数据" << true << false << QStringList{"A1"} << "";
            QTest::addRow("%s empty field", e) << e << "" << "B1" << true << false << QStringList{"B1"} << "";
            QTest::addRow("%s pinyin", e) << e << "py" << "sjk" << true << false << QStringList{"A2"} << "";
            QTest::addRow("%s default range", e) << e << "名称" << " " << false << true << QStringList{"A1", "A2"} << "";
            QTest::addRow("%s nothing", e) << e << "名称" << "" << false << false << QStringList{"A1", "A2", "B1"}
                                          << "请填写好查询条件!";
            QTest::addRow("%s unknown field", e) << e << "书名" << "x" << false << false
                                                << QStringList{"A1", "A2", "B1"} << "图书中没有这个字段: 书名";
        }
    }
    void searchThroughTheBoxes()
    {
        QFETCH(QString, engine);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(bool, exact);
        QFETCH(bool, range);
        QFETCH(QStringList, expected);
        QFETCH(QString, message);
        OPEN_TEST_DATABASE(t, engine);
        storeShelf(t.db());
        MessageRecorder messages;
        LoginSession s = session(t.db());
        TBkSearchFm w(t.db(), s);
        child<QComboBox>(&w, QStringLiteral("ComboBox1"))->setEditText(field);
        type(&w, QStringLiteral("Edit1"), value);
        child<QRadioButton>(&w, exact ? QStringLiteral("RadioButton1") : QStringLiteral("RadioButton2"))->setChecked(true);
        child<QCheckBox>(&w, QStringLiteral("CheckBox1"))->setChecked(range);
        QCOMPARE(child<QDateEdit>(&w, QStringLiteral("DTP1"))->isEnabled(), range);
        enter(&w, QStringLiteral("Edit1"));
        QStringList found = listed(w.grid());
        if (value.trimmed().isEmpty())
            found.sort();
        QCOMPARE(found, expected);
        QCOMPARE(messages.texts, message.isEmpty() ? QStringList{} : QStringList{message});
        if (field.isEmpty())
            QCOMPARE(text(&w, QStringLiteral("ComboBox1")), QStringLiteral("编号"));
    }

    void combinedSearchWindow_data() { TestDatabase::addEngines(); }
    void combinedSearchWindow()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        for (const char *n : {"A100", "A1000", "A150", "A200", "A201"})
            storeBook(t.db(), QString::fromLatin1(n));
        MessageRecorder messages;
        LoginSession s = session(t.db());
        TBkSearchFm w(t.db(), s);
        bool seen = false;
        whenModal([&](QWidget *modal) {
            auto *ad = qobject_cast<TBkSearchAdFm *>(modal);
            QVERIFY(ad);
            seen = true;
            QCOMPARE(text(ad, QStringLiteral("ComboBox3")), QStringLiteral(">="));
            QCOMPARE(text(ad, QStringLiteral("ComboBox4")), QStringLiteral("<="));
            QVERIFY(!child<QComboBox>(ad, QStringLiteral("ComboBox3"))->isEditable());
            // An incomplete first condition: nothing happens, the window stays.
            click(ad, "Button1");
            QVERIFY(ad->isVisible());
            type(ad, QStringLiteral("Edit1"), QStringLiteral("A100"));
            type(ad, QStringLiteral("Edit2"), QStringLiteral("A200"));
            child<QComboBox>(ad, QStringLiteral("ComboBox6"))->setCurrentText(QStringLiteral("desc"));
            click(ad, "Button1");
        });
        click(&w, "Button2");
        QVERIFY(seen);
        QCOMPARE(listed(w.grid()), (QStringList{"A200", "A150", "A1000", "A100"}));
        QVERIFY(messages.texts.isEmpty());
    }

    void combinedSearchRefusesATypedField()
    {
        MessageRecorder messages;
        TBkSearchAdFm ad;
        child<QComboBox>(&ad, QStringLiteral("ComboBox1"))->setEditText(QStringLiteral("编号 or 1=1 --"));
        type(&ad, QStringLiteral("Edit1"), QStringLiteral("A"));
        click(&ad, "Button1");
        QCOMPARE(ad.result(), int(QDialog::Rejected));
        QCOMPARE(messages.texts, QStringList{QStringLiteral("图书中没有这个字段: 编号 or 1=1 --")});
    }

    void deletion_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<bool>("yes");
        for (const char *e : {"sqlite", "postgresql"}) {
            QTest::addRow("%s yes", e) << e << true;
            QTest::addRow("%s no", e) << e << false;
        }
    }
    void deletion()
    {
        QFETCH(QString, engine);
        QFETCH(bool, yes);
        OPEN_TEST_DATABASE(t, engine);
        storeShelf(t.db());
        // Lent out: deleted all the same.
        storeRow(t.db(), QStringLiteral("借出记录"), {{QStringLiteral("编号"), QStringLiteral("A1")},
                                                  {QStringLiteral("已还"), QStringLiteral("否")}});
        MessageRecorder messages;
        messages.answers.enqueue(yes);
        LoginSession s = session(t.db());
        TBkSearchFm w(t.db(), s);
        w.grid()->setCurrentRow(0);
        click(&w, "ToolButton3");
        QCOMPARE(messages.texts, QStringList{QStringLiteral("您是否要删除\" 数据\"")});
        QCOMPARE(field(t.db(), kBooks, QStringLiteral("A1"), QStringLiteral("编号")).isValid(), !yes);
        QCOMPARE(listed(w.grid()).size(), yes ? 2 : 3);
        QCOMPARE(count(t.db(), QStringLiteral("借出记录")), 1);
    }

    void editingThroughTheDialog_data() { TestDatabase::addEngines(); }
    void editingThroughTheDialog()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        storeShelf(t.db());
        MessageRecorder messages;
        LoginSession s = session(t.db());
        TBkSearchFm w(t.db(), s);
        w.grid()->setCurrentRow(1); // A2
        whenModal([&](QWidget *modal) {
            auto *edit = qobject_cast<TBkEditFm *>(modal);
            QVERIFY(edit);
            QCOMPARE(text(edit, QStringLiteral("field_名称")), QStringLiteral("数据库"));
            QVERIFY(child<QLineEdit>(edit, QStringLiteral("field_数量"))->isReadOnly());
            type(edit, QStringLiteral("field_名称"), QStringLiteral("It's 新\""));
            // The publisher from the barcode, the call number from the class number.
            enter(edit, QStringLiteral("field_条形码"));
            type(edit, QStringLiteral("field_分类号"), QStringLiteral("K"));
            enter(edit, QStringLiteral("field_分类号"));
            QCOMPARE(text(edit, QStringLiteral("field_索书号")), QStringLiteral("K/1"));
            click(edit, "saveButton");
        });
        click(&w, "ToolButton2");
        auto f = [&](const char *c) { return field(t.db(), kBooks, QStringLiteral("A2"), QString::fromUtf8(c)).toString(); };
        QCOMPARE(f("名称"), QStringLiteral("It's 新\""));
        QCOMPARE(f("py"), QStringLiteral("SJK")); // not recomputed
        QCOMPARE(f("isbn"), QStringLiteral("7-302"));
        QCOMPARE(f("出版社"), QStringLiteral("清华大学出版社"));
        QCOMPARE(f("zch"), QStringLiteral("1"));
        // The date box keeps the time of day.
        QCOMPARE(SqlValues::dateTimeText(field(t.db(), kBooks, QStringLiteral("A2"), QStringLiteral("入库时间"))),
                 QStringLiteral("2024-12-01 09:00:00"));
        // The list shows the stored values.
        QVERIFY(listed(w.grid()).contains(QStringLiteral("A2")));
        QCOMPARE(w.grid()->currentRow(), 0);
        QVERIFY(messages.texts.isEmpty());
    }

    void stockCorrection_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<bool>("confirm");
        for (const char *e : {"sqlite", "postgresql"}) {
            QTest::addRow("%s ok", e) << e << true;
            QTest::addRow("%s cancel", e) << e << false;
        }
    }
    void stockCorrection()
    {
        QFETCH(QString, engine);
        QFETCH(bool, confirm);
        OPEN_TEST_DATABASE(t, engine);
        storeShelf(t.db());
        MessageRecorder messages;
        LoginSession s = session(t.db());
        TBkSearchFm w(t.db(), s);
        w.grid()->setCurrentRow(0); // A1, 3 copies
        QString nameAfterStock;
        whenModal([&](QWidget *modal) {
            auto *edit = qobject_cast<TBkEditFm *>(modal);
            QVERIFY(edit);
            type(edit, QStringLiteral("field_名称"), QStringLiteral("改过"));
            whenModal([&, edit](QWidget *stockWindow) {
                QCOMPARE(stockWindow->windowTitle(), QStringLiteral("销售库存修改"));
                type(stockWindow, QStringLiteral("Edit1"), QString());
                click(stockWindow, "Button1");
                QCOMPARE(messages.last(), QStringLiteral("填写数量!"));
                QVERIFY(stockWindow->isVisible());
                type(stockWindow, QStringLiteral("Edit1"), QStringLiteral("7"));
                click(stockWindow, confirm ? "Button1" : "Button2");
                Q_UNUSED(edit);
            });
            click(edit, "stockButton");
            nameAfterStock = text(edit, QStringLiteral("field_名称"));
            click(edit, "cancelButton");
        });
        click(&w, "ToolButton2");
        auto f = [&](const char *c) { return field(t.db(), kBooks, QStringLiteral("A1"), QString::fromUtf8(c)).toString(); };
        QCOMPARE(f("数量"), confirm ? QStringLiteral("7") : QStringLiteral("3"));
        // 确定 posts the edits made so far; 取消 throws them away too.
        QCOMPARE(f("名称"), confirm ? QStringLiteral("改过") : QStringLiteral("数据"));
        QCOMPARE(nameAfterStock, confirm ? QStringLiteral("改过") : QStringLiteral("数据"));
        QSqlQuery log = t.db().exec(QStringLiteral("select 事件, 说明, 管理员 from 管理员日志"));
        if (confirm) {
            QVERIFY(log.next());
            QCOMPARE(log.value(0).toString(), QStringLiteral("修改库存"));
            QCOMPARE(log.value(1).toString(), QStringLiteral("条形码:9787302000001"));
            QCOMPARE(log.value(2).toString(), QStringLiteral("小王"));
        }
        QVERIFY(!log.next());
    }

    void editRights_data()
    {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("button");
        QTest::newRow("save without qxbkxg") << "qxbkxg" << "saveButton";
        QTest::newRow("stock without qxModifyStock") << "qxModifyStock" << "stockButton";
    }
    void editRights()
    {
        QFETCH(QString, missing);
        QFETCH(QString, button);
        TestDatabase t(QStringLiteral("sqlite"));
        storeShelf(t.db());
        MessageRecorder messages;
        LoginSession s = session(t.db(), {missing});
        TBkEditFm edit(t.db(), s, QStringLiteral("A1"));
        type(&edit, QStringLiteral("field_名称"), QStringLiteral("改过"));
        click(&edit, qPrintable(button));
        QCOMPARE(messages.texts, QStringList{QStringLiteral("没有权限!")});
        QCOMPARE(field(t.db(), kBooks, QStringLiteral("A1"), QStringLiteral("名称")).toString(), QStringLiteral("数据"));
        if (missing == QLatin1String("qxModifyStock")) {
            // Every field but 数量 can still be edited.
            click(&edit, "saveButton");
            QCOMPARE(field(t.db(), kBooks, QStringLiteral("A1"), QStringLiteral("名称")).toString(), QStringLiteral("改过"));
        }
    }

    void recommending_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<bool>("admin");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("rows");
        for (const char *e : {"sqlite", "postgresql"}) {
            QTest::addRow("%s 25 characters", e) << e << true << QString(25, QChar(0x4E66)) << QStringList{} << 1;
            QTest::addRow("%s 26 characters", e) << e << true << QString(26, QChar(0x4E66))
                                                << QStringList{"不能大于25个汉字或50个字符!"} << 0;
            QTest::addRow("%s empty", e) << e << true << "" << QStringList{} << 0;
            QTest::addRow("%s no right", e) << e << false << "好" << QStringList{"没有权限!"} << 0;
        }
    }
    void recommending()
    {
        QFETCH(QString, engine);
        QFETCH(bool, admin);
        QFETCH(QString, reason);
        QFETCH(QStringList, messages);
        QFETCH(int, rows);
        OPEN_TEST_DATABASE(t, engine);
        storeShelf(t.db());
        MessageRecorder recorder;
        LoginSession s = session(t.db(), admin ? QStringList{} : QStringList{QStringLiteral("qxadmin")});
        TBkSearchFm w(t.db(), s);
        w.grid()->setCurrentRow(0);
        bool prompted = false;
        if (admin) {
            whenModal([&](QWidget *modal) {
                auto *prompt = qobject_cast<PromptDialog *>(modal);
                QVERIFY(prompt);
                prompted = true;
                QCOMPARE(prompt->windowTitle(), QStringLiteral("推荐理由"));
                prompt->edit()->setText(reason);
                prompt->accept();
            });
        }
        w.findChild<QAction *>(QStringLiteral("N1"))->trigger();
        QCOMPARE(prompted, admin);
        QCOMPARE(recorder.texts, messages);
        QCOMPARE(count(t.db(), QStringLiteral("b_tuiJian")), rows);
    }

    void recommendationList_data() { TestDatabase::addEngines(); }
    void recommendationList()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        for (const char *n : {"A1", "A2", "A3"})
            storeRow(t.db(), QStringLiteral("b_tuiJian"), {{QStringLiteral("编号"), QString::fromLatin1(n)},
                                                          {QStringLiteral("memo"), QStringLiteral("好")}});
        MessageRecorder messages;
        LoginSession s = session(t.db());
        TBkTuiJianFm w(t.db(), s);
        QCOMPARE(w.windowTitle(), QStringLiteral("推荐"));
        QCOMPARE(w.grid()->rowCount(), 3);
        messages.answers.enqueue(false);
        click(&w, "ToolButton1");
        QCOMPARE(count(t.db(), QStringLiteral("b_tuiJian")), 3);
        click(&w, "ToolButton1");
        QCOMPARE(count(t.db(), QStringLiteral("b_tuiJian")), 2);
        QCOMPARE(w.grid()->rowCount(), 2);
        click(&w, "ToolButton2");
        QCOMPARE(messages.texts, (QStringList{"您是否要删除", "您是否要删除", "您是否要全部删除", "删除完毕!"}));
        QCOMPARE(count(t.db(), QStringLiteral("b_tuiJian")), 0);
        QCOMPARE(w.grid()->rowCount(), 0);
    }

    void export_()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        storeShelf(t.db());
        MessageRecorder messages;
        QStringList opened;
        ExcelExportUi::setOpener([&](const QString &file) {
            opened << file;
            return true;
        });
        LoginSession s = session(t.db());
        TBkSearchFm w(t.db(), s);
        click(&w, "ToolButton10");
        ExcelExportUi::setOpener({});
        QCOMPARE(opened.size(), 1);
        QVERIFY(QFileInfo(opened.first()).size() > 0);
        QFile::remove(opened.first());
        QVERIFY(messages.texts.isEmpty());
    }
};

QTEST_MAIN(TestBookManagementWindow)
#include "tst_book_management_window.moc"
