// SPDX-License-Identifier: MIT
// The lending window offscreen on both engines: the scanner's way through it, its
// refusals and warnings, the pickers, removing lines, printing, and F5/F6 with the
// return window.
#include "CirculationFixtures.h"
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "WindowHelpers.h"
#include "circulation/BkBorrowUt.h"
#include "circulation/BkReturnUt.h"
#include "circulation/BorrowOptBarCodeUt.h"
#include "circulation/BorrowOptBkUt.h"
#include "circulation/BorrowOptRdUt.h"
#include "circulation/BorrowRdJieYueJiLuUt.h"
#include "circulation/ReceiptPrinter.h"
#include "foundation/GridWidget.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>

using namespace Fixture;

namespace {
QStringList lines(TBkBorrowFm &w)
{
    QStringList out;
    auto *list = child<QTreeWidget>(&w, "ListView1");
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int c = 0; c < list->columnCount(); ++c)
            cells << list->topLevelItem(i)->text(c);
        out << cells.join(QLatin1Char('|'));
    }
    return out;
}

QString text(QWidget *w, const char *name)
{
    return child<QLineEdit>(w, name)->text();
}
} // namespace

class TestLendingWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { DayClock::setToday(day()); }
    void cleanup() { DayClock::setToday(QDate()); }

    // WinA "1", barcode focus: reader, two barcodes, Enter each time, then 借出.
    void scannerLendsTwoItems_data() { TestDatabase::addEngines(); }
    void scannerLendsTwoItems()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        db.exec(QStringLiteral("update 系统设置 set 借阅焦点条形码=?"), {true});
        db.exec(QStringLiteral("update 读者类别 set 租金=0.5"));
        reader(db, QStringLiteral("R1"), QStringLiteral("读者姓名=李四;CardId=900001;卡内金额=8"));
        item(db, QStringLiteral("B1"), QStringLiteral("名称=红楼梦;条形码=69001"));
        item(db, QStringLiteral("期刊:Q1"), QStringLiteral("名称=读者;条形码=69002;物品级别=null"));
        MessageRecorder messages;
        LoginSession s = session();
        s.config.winA = QStringLiteral("1");
        s.switches.启用租金功能 = s.switches.启用读者租金 = true;
        TBkBorrowFm w(db, s);
        w.show();
        QVERIFY(child<QRadioButton>(&w, "RadioButton4")->isChecked());
        QCOMPARE(child<QLabel>(&w, "Label12")->text(), QStringLiteral("条形码"));
        QVERIFY(!child<QPushButton>(&w, "Button7")->isVisibleTo(&w));
        QVERIFY(child<QLabel>(&w, "enterHint")->isVisibleTo(&w));

        scan(child<QLineEdit>(&w, "Edit1"), QStringLiteral("900001"));
        QCOMPARE(text(&w, "DBEdit1"), QStringLiteral("R1"));
        QCOMPARE(text(&w, "readerName"), QStringLiteral("李四"));
        QCOMPARE(text(&w, "Edit3"), QStringLiteral("5"));
        QCOMPARE(text(&w, "Edit4"), QStringLiteral("30"));
        QCOMPARE(text(&w, "Edit5"), QStringLiteral("0.5"));
        QCOMPARE(text(&w, "readerBalance"), QStringLiteral("8"));
        QCOMPARE(text(&w, "Edit1"), QString());
        QCOMPARE(w.focusWidget(), child<QLineEdit>(&w, "Edit2"));

        scan(child<QLineEdit>(&w, "Edit2"), QStringLiteral("69001"));
        QCOMPARE(text(&w, "itemName"), QStringLiteral("红楼梦"));
        child<QRadioButton>(&w, "RadioButton2")->setChecked(true);
        QCOMPARE(child<QGroupBox>(&w, "GroupBox2")->title(), QStringLiteral("期刊"));
        scan(child<QLineEdit>(&w, "Edit2"), QStringLiteral("69002"));
        QCOMPARE(lines(w), (QStringList{"B1|69001|红楼梦|图书|30|0.5|普通", "Q1|69002|读者|期刊|30|0.5|"}));
        QCOMPARE(child<QLabel>(&w, "countLabel")->text(), QStringLiteral("当前数量:2"));
        QVERIFY(messages.texts.isEmpty());

        QTest::mouseClick(child<QPushButton>(&w, "Button1"), Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("借阅完毕!")});
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 借出记录 where 读者编号=?"), {QStringLiteral("R1")}).toInt(), 2);
        QCOMPARE(cell(db, QStringLiteral("借出记录"), QStringLiteral("类别"), QStringLiteral("编号=?"), {QStringLiteral("Q1")}),
                 QStringLiteral("期刊"));
        QVERIFY(lines(w).isEmpty());
        QCOMPARE(text(&w, "DBEdit1"), QString());
        QCOMPARE(child<QLabel>(&w, "countLabel")->text(), QStringLiteral("当前数量:0"));
    }

    // WinA not "1": Enter in the item box does nothing; "确定" looks up.
    void enterNeedsWinA_data() { TestDatabase::addEngines(); }
    void enterNeedsWinA()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        reader(db, QStringLiteral("R1"));
        item(db, QStringLiteral("B1"));
        MessageRecorder messages;
        LoginSession s = session();
        TBkBorrowFm w(db, s);
        w.show();
        QVERIFY(child<QRadioButton>(&w, "RadioButton3")->isChecked());
        QVERIFY(child<QPushButton>(&w, "Button7")->isVisibleTo(&w));
        scan(child<QLineEdit>(&w, "Edit1"), QStringLiteral("R1"));
        scan(child<QLineEdit>(&w, "Edit2"), QStringLiteral("B1"));
        QVERIFY(lines(w).isEmpty());
        QVERIFY(db.scalar(QStringLiteral("select count(*) from 借出记录")).toInt() == 0); // Enter pressed no button
        QTest::mouseClick(child<QPushButton>(&w, "Button7"), Qt::LeftButton);
        QCOMPARE(lines(w).size(), 1);
        QVERIFY(messages.texts.isEmpty());
    }

    void refusalsAndWarnings_data() { TestDatabase::addEngines(); }
    void refusalsAndWarnings()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        db.exec(QStringLiteral("update 读者类别 set 借阅数量限制=1"));
        reader(db, QStringLiteral("R1"));
        reader(db, QStringLiteral("R2"), QStringLiteral("有效期=today-1"));
        item(db, QStringLiteral("B1"));
        item(db, QStringLiteral("B2"));
        item(db, QStringLiteral("B3"), QStringLiteral("状态=不外借"));
        MessageRecorder messages;
        LoginSession s = session();
        s.config.winA = QStringLiteral("1");
        TBkBorrowFm w(db, s);
        w.show();
        auto *edit1 = child<QLineEdit>(&w, "Edit1");
        auto *edit2 = child<QLineEdit>(&w, "Edit2");

        // Items before a reader: refused, focus back to the reader box.
        scan(edit2, QStringLiteral("B1"));
        QCOMPARE(messages.last(), QStringLiteral("请输入读者编号后按回车!"));
        QCOMPARE(w.focusWidget(), edit1);
        QTest::mouseClick(child<QPushButton>(&w, "Button1"), Qt::LeftButton);
        QCOMPARE(messages.last(), QStringLiteral("请输入读者编号后按回车!"));

        scan(edit1, QStringLiteral("R2"));
        QCOMPARE(messages.last(), QStringLiteral("该读者有效期是: 2024-03-14 ,已经超期,不能借阅."));
        QCOMPARE(text(&w, "DBEdit1"), QString());
        QCOMPARE(edit1->selectedText(), QStringLiteral("R2"));
        scan(edit1, QStringLiteral("nobody"));
        QCOMPARE(messages.last(), QStringLiteral("没有该编号/卡号的读者资料,请检查输入的是否正确!"));

        scan(edit1, QStringLiteral("R1"));
        messages.clear();
        scan(edit2, QStringLiteral("B3"));
        QCOMPARE(messages.texts, QStringList{QStringLiteral("该资料不外借,请与图书馆管理员联系!")});
        QCOMPARE(text(&w, "itemNumber"), QStringLiteral("B3")); // shown, not listed
        QCOMPARE(edit2->selectedText(), QStringLiteral("B3"));
        scan(edit2, QStringLiteral("B9"));
        QCOMPARE(messages.last(), QStringLiteral("没有找到该图书的数据,请重新输入."));
        scan(edit2, QStringLiteral("B1"));
        scan(edit2, QStringLiteral("B1")); // silently once
        messages.clear();
        scan(edit2, QStringLiteral("B2"));
        QCOMPARE(messages.texts, QStringList{QStringLiteral("提示:该读者超过借阅数量!")});
        QCOMPARE(lines(w).size(), 2);

        // 取消 asks about the selected line; No keeps it, Yes removes it.
        child<QTreeWidget>(&w, "ListView1")->setCurrentItem(child<QTreeWidget>(&w, "ListView1")->topLevelItem(0));
        messages.clear();
        messages.answers << false << true;
        QTest::mouseClick(child<QPushButton>(&w, "Button6"), Qt::LeftButton);
        QCOMPARE(lines(w).size(), 2);
        QTest::mouseClick(child<QPushButton>(&w, "Button6"), Qt::LeftButton);
        QCOMPARE(messages.texts, (QStringList{"您是否要删除\" B1\",\"书名B1\"", "您是否要删除\" B1\",\"书名B1\""}));
        QCOMPARE(lines(w).size(), 1);
        QCOMPARE(w.desk().pending().size(), 1);
        QCOMPARE(child<QLabel>(&w, "countLabel")->text(), QStringLiteral("当前数量:1"));

        // 取消全部 writes nothing and empties the window.
        QTest::mouseClick(child<QPushButton>(&w, "Button2"), Qt::LeftButton);
        QVERIFY(lines(w).isEmpty());
        QVERIFY(!w.desk().hasReader());
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 借出记录")).toInt(), 0);
    }

    // The other workstation took the last copy: nothing lent, the list stays.
    void lastCopyGoneKeepsList_data() { TestDatabase::addEngines(); }
    void lastCopyGoneKeepsList()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        reader(db, QStringLiteral("R1"));
        item(db, QStringLiteral("B1"));
        item(db, QStringLiteral("B2"));
        MessageRecorder messages;
        LoginSession s = session();
        s.config.winA = QStringLiteral("1");
        TBkBorrowFm w(db, s);
        w.show();
        scan(child<QLineEdit>(&w, "Edit1"), QStringLiteral("R1"));
        scan(child<QLineEdit>(&w, "Edit2"), QStringLiteral("B1"));
        scan(child<QLineEdit>(&w, "Edit2"), QStringLiteral("B2"));
        db.exec(QStringLiteral("update 图书 set 数量=0 where 编号=?"), {QStringLiteral("B1")});
        QTest::mouseClick(child<QPushButton>(&w, "Button1"), Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("数量不足. 编号: B1, 名称: 书名B1")});
        QCOMPARE(lines(w).size(), 2);
        QCOMPARE(text(&w, "DBEdit1"), QStringLiteral("R1"));
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 借出记录")).toInt(), 0);
    }

    void switchesShowBoxes_data()
    {
        QTest::addColumn<bool>("rent");
        QTest::addColumn<bool>("readerRent");
        QTest::addColumn<bool>("validity");
        QTest::newRow("all off") << false << false << false;
        QTest::newRow("rent by reader") << true << true << true;
        QTest::newRow("rent by level") << true << false << false;
    }
    void switchesShowBoxes()
    {
        QFETCH(bool, rent);
        QFETCH(bool, readerRent);
        QFETCH(bool, validity);
        OPEN_TEST_DATABASE(t, QStringLiteral("sqlite"));
        MessageRecorder messages;
        LoginSession s = session();
        s.switches.启用租金功能 = rent;
        s.switches.启用读者租金 = readerRent;
        s.switches.启用读者有效期 = validity;
        s.config.jieChuHouDaYin = QStringLiteral("1");
        TBkBorrowFm w(t.db(), s);
        QCOMPARE(child<QLineEdit>(&w, "readerBalance")->isVisibleTo(&w), rent);
        QCOMPARE(child<QLineEdit>(&w, "Edit5")->isVisibleTo(&w), rent && readerRent);
        QCOMPARE(child<QLineEdit>(&w, "Edit6")->isVisibleTo(&w), rent && !readerRent);
        QCOMPARE(child<QLineEdit>(&w, "DBEdit5")->isVisibleTo(&w), rent && !readerRent);
        QCOMPARE(child<QLineEdit>(&w, "readerExpiry")->isVisibleTo(&w), validity);
        QVERIFY(child<QCheckBox>(&w, "CheckBox1")->isChecked());
    }

    // Several books share a barcode: the operator picks the second.
    void sharedBarcodePicker_data() { TestDatabase::addEngines(); }
    void sharedBarcodePicker()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        reader(db, QStringLiteral("R1"));
        item(db, QStringLiteral("B1"), QStringLiteral("条形码=777"));
        item(db, QStringLiteral("B2"), QStringLiteral("条形码=777;名称=第二本"));
        MessageRecorder messages;
        LoginSession s = session();
        s.config.winA = QStringLiteral("1");
        TBkBorrowFm w(db, s);
        w.show();
        child<QRadioButton>(&w, "RadioButton4")->setChecked(true);
        scan(child<QLineEdit>(&w, "Edit1"), QStringLiteral("R1"));
        int shown = 0;
        whenModal<TBorrowOptBarCodeFm>([&shown](TBorrowOptBarCodeFm *pick) {
            auto *grid = child<GridWidget>(pick, "DBGrid1");
            shown = grid->rowCount();
            grid->setCurrentRow(1);
            QTest::mouseClick(child<QPushButton>(pick, "Button1"), Qt::LeftButton);
        });
        scan(child<QLineEdit>(&w, "Edit2"), QStringLiteral("777"));
        QCOMPARE(shown, 2);
        QCOMPARE(lines(w), QStringList{QStringLiteral("B2|777|第二本|图书|30|0|普通")});
    }

    // A double click on a box opens its picker; the pick is looked up at once.
    void pickers_data() { TestDatabase::addEngines(); }
    void pickers()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        reader(db, QStringLiteral("R1"), QStringLiteral("读者姓名=张三;py=ZS"));
        reader(db, QStringLiteral("R2"), QStringLiteral("读者姓名=王五;py=WW"));
        item(db, QStringLiteral("B1"), QStringLiteral("名称=围城;py=WC"));
        item(db, QStringLiteral("B2"), QStringLiteral("名称=边城;py=BC"));
        MessageRecorder messages;
        LoginSession s = session();
        TBkBorrowFm w(db, s);
        w.show();
        int first = 0;
        whenModal<TBorrowOptRdFm>([&first](TBorrowOptRdFm *pick) {
            first = child<GridWidget>(pick, "DBGrid1")->rowCount();
            scan(child<QLineEdit>(pick, "Edit1"), QStringLiteral("ww"));
            QCOMPARE(child<GridWidget>(pick, "DBGrid1")->rowCount(), 1);
            QTest::mouseClick(child<QPushButton>(pick, "Button1"), Qt::LeftButton);
        });
        QTest::mouseDClick(child<QLineEdit>(&w, "Edit1"), Qt::LeftButton);
        QCOMPARE(first, 2);
        QCOMPARE(text(&w, "DBEdit1"), QStringLiteral("R2"));

        whenModal<TBorrowOptBkFm>([](TBorrowOptBkFm *pick) {
            scan(child<QLineEdit>(pick, "Edit2"), QStringLiteral("2"));
            QCOMPARE(child<GridWidget>(pick, "DBGrid1")->rowCount(), 1);
            emit child<GridWidget>(pick, "DBGrid1")->rowActivated(0);
        });
        QTest::mouseDClick(child<QLineEdit>(&w, "Edit2"), Qt::LeftButton);
        QCOMPARE(lines(w), QStringList{QStringLiteral("B2|TMB2|边城|图书|30|0|普通")});

        // The reader's open loans.
        loan(db, QStringLiteral("R2"), QStringLiteral("B7"));
        int listed = -1;
        whenModal<TBorrowRdJieYueJiLuFm>([&listed](TBorrowRdJieYueJiLuFm *list) {
            listed = child<GridWidget>(list, "DBGrid1")->rowCount();
            QTest::mouseClick(child<QPushButton>(list, "Button1"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>(&w, "Button8"), Qt::LeftButton);
        QCOMPARE(listed, 1);
    }

    void printsReceiptWhenTicked_data() { TestDatabase::addEngines(); }
    void printsReceiptWhenTicked()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        reader(db, QStringLiteral("R1"));
        item(db, QStringLiteral("B1"), QStringLiteral("名称=围城"));
        QTemporaryDir dir;
        MessageRecorder messages;
        LoginSession s = session();
        s.config.winA = QStringLiteral("1");
        s.config.posPort = dir.filePath(QStringLiteral("pos.prn"));
        TBkBorrowFm w(db, s);
        w.show();
        child<QCheckBox>(&w, "CheckBox1")->setChecked(true);
        scan(child<QLineEdit>(&w, "Edit1"), QStringLiteral("R1"));
        scan(child<QLineEdit>(&w, "Edit2"), QStringLiteral("B1"));
        QTest::mouseClick(child<QPushButton>(&w, "Button1"), Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("借阅完毕!")});
        QVERIFY(ReceiptPrinter::waitForIdle(5000));
        QFile f(s.config.posPort);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains(QByteArray::fromHex("313acea7b3c70d0a"))); // "1:围城" CR LF
    }

    // F6 opens the return window beside the lending window, F5 back; closing either
    // closes the other.
    void lendingAndReturnClosePairwise()
    {
        OPEN_TEST_DATABASE(t, QStringLiteral("sqlite"));
        MessageRecorder messages;
        LoginSession s = session();
        QWidget main;
        TBkBorrowFm::open(&main, t.db(), s, false);
        QPointer<TBkBorrowFm> lending = TBkBorrowFm::current();
        QVERIFY(lending);
        child<QAction>(lending, "N_Return")->trigger();
        QPointer<TBkReturnFm> returning = TBkReturnFm::current();
        QVERIFY(returning && returning->isVisible());
        child<QAction>(returning, "N_Borrow")->trigger(); // shows the same lending window
        QCOMPARE(TBkBorrowFm::current(), lending.data());
        lending->close();
        QTRY_VERIFY(!lending && !returning);

        TBkReturnFm::open(&main, t.db(), s);
        returning = TBkReturnFm::current();
        child<QAction>(returning, "N_Borrow")->trigger();
        lending = TBkBorrowFm::current();
        QVERIFY(lending && lending->isVisible() && !lending->isModal());
        returning->close();
        QTRY_VERIFY(!lending && !returning);
        QVERIFY(messages.texts.isEmpty());
    }
};

QTEST_MAIN(TestLendingWindow)
#include "tst_lending_window.moc"
