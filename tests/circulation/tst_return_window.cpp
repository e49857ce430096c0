// SPDX-License-Identifier: MIT
// The return window offscreen on both engines: searching, the figures of the current
// record, returning one loan after another, the card number, the return details.
#include "CirculationFixtures.h"
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "WindowHelpers.h"
#include "circulation/BkReturnUt.h"
#include "foundation/GridWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Fixture;

namespace {
QString text(QWidget *w, const char *name)
{
    return child<QLineEdit>(w, name)->text();
}
// 实际租期|实际租金|超期天数|超期罚金 as the boxes show them.
QString figures(QWidget *w)
{
    return QStringList{text(w, "Edit4"), text(w, "Edit5"), text(w, "Edit6"), text(w, "Edit7")}.join(QLatin1Char('|'));
}

LoginSession rentAndFines()
{
    LoginSession s = session();
    s.switches.启用租金功能 = true;
    s.switches.超期每日罚金 = Money::fromText(QStringLiteral("0.5"));
    return s;
}
} // namespace

class TestReturnWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { DayClock::setToday(day()); }
    void cleanup() { DayClock::setToday(QDate()); }

    void returnsOneAfterAnother_data() { TestDatabase::addEngines(); }
    void returnsOneAfterAnother()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        db.exec(QStringLiteral("update 系统设置 set 归还焦点读者编号=?"), {true});
        reader(db, QStringLiteral("R1"), QStringLiteral("卡内金额=10;未还数量=2"));
        item(db, QStringLiteral("B1"), QStringLiteral("数量=0;存放位置=二楼"));
        item(db, QStringLiteral("B2"), QStringLiteral("数量=0"));
        loan(db, QStringLiteral("R1"), QStringLiteral("B1"), QStringLiteral("借阅日期=today-10;应还日期=today-3;租金=0.2"));
        loan(db, QStringLiteral("R1"), QStringLiteral("B2"), QStringLiteral("借阅日期=today-5;应还日期=today+25;租金=0.1"));
        MessageRecorder messages;
        LoginSession s = rentAndFines();
        TBkReturnFm w(db, s);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(&w, "Edit3"));
        QVERIFY(!child<QGroupBox>(&w, "GroupBox2")->isVisibleTo(&w));

        scan(child<QLineEdit>(&w, "Edit3"), QStringLiteral("R1"));
        QCOMPARE(messages.texts, QStringList{QStringLiteral("超期罚金是:1.5 元.")});
        QCOMPARE(child<QLabel>(&w, "countLabel")->text(), QStringLiteral("当前数量:2"));
        QCOMPARE(text(&w, "loanNumber"), QStringLiteral("B1"));
        QCOMPARE(text(&w, "itemShelf"), QStringLiteral("二楼"));
        QCOMPARE(text(&w, "loanDate"), QStringLiteral("2024-03-05"));
        QCOMPARE(figures(&w), QStringLiteral("10|2|3|1.5"));

        // A click on the second row shows its own figures; back to the first.
        auto *grid = child<GridWidget>(&w, "DBGrid1");
        grid->setCurrentRow(1);
        QCOMPARE(figures(&w), QStringLiteral("5|0.5|-25|0"));
        grid->setCurrentRow(0);

        messages.clear();
        QTest::mouseClick(child<QPushButton>(&w, "Button1"), Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("归还完毕!")});
        QCOMPARE(cell(db, QStringLiteral("读者库"), QStringLiteral("卡内金额"), QStringLiteral("读者编号='R1'")), QStringLiteral("6.5"));
        // The search stays: the reader's next loan is current, with its own figures.
        QCOMPARE(text(&w, "Edit3"), QStringLiteral("R1"));
        QCOMPARE(child<QLabel>(&w, "countLabel")->text(), QStringLiteral("当前数量:1"));
        QCOMPARE(text(&w, "loanNumber"), QStringLiteral("B2"));
        QCOMPARE(figures(&w), QStringLiteral("5|0.5|-25|0"));
        QTest::mouseClick(child<QPushButton>(&w, "Button1"), Qt::LeftButton);
        QCOMPARE(cell(db, QStringLiteral("读者库"), QStringLiteral("卡内金额"), QStringLiteral("读者编号='R1'")), QStringLiteral("6"));
        QCOMPARE(cell(db, QStringLiteral("读者库"), QStringLiteral("未还数量"), QStringLiteral("读者编号='R1'")), QStringLiteral("0"));
        QCOMPARE(child<QLabel>(&w, "countLabel")->text(), QStringLiteral("当前数量:0"));
        QCOMPARE(text(&w, "Edit4"), QString());
        QCOMPARE(text(&w, "Edit5"), QString());
        // Nothing left: 归还 does nothing.
        messages.clear();
        QTest::mouseClick(child<QPushButton>(&w, "Button1"), Qt::LeftButton);
        QVERIFY(messages.texts.isEmpty());
    }

    void searchAndCard_data() { TestDatabase::addEngines(); }
    void searchAndCard()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        reader(db, QStringLiteral("R1"), QStringLiteral("CardId=C-1"));
        loan(db, QStringLiteral("R1"), QStringLiteral("B1"));
        MessageRecorder messages;
        LoginSession s = session();
        TBkReturnFm w(db, s);
        w.show();
        QTest::mouseClick(child<QPushButton>(&w, "Button4"), Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("请输入搜索条件!")});
        scan(child<QLineEdit>(&w, "Edit8"), QStringLiteral("C-9"));
        QCOMPARE(messages.last(), QStringLiteral("找不到该卡号的资料!"));
        messages.clear();
        scan(child<QLineEdit>(&w, "Edit8"), QStringLiteral("C-1"));
        QCOMPARE(text(&w, "Edit3"), QStringLiteral("R1"));
        QCOMPARE(text(&w, "Edit8"), QString());
        QCOMPARE(child<GridWidget>(&w, "DBGrid1")->rowCount(), 1);
        QVERIFY(messages.texts.isEmpty()); // due in 30 days: no fine
        // Rent off, fines on: the rent box is hidden, the fine boxes shown.
        QVERIFY(!child<QLineEdit>(&w, "Edit5")->isVisibleTo(&w));
        QVERIFY(child<QLineEdit>(&w, "Edit7")->isVisibleTo(&w));
        scan(child<QLineEdit>(&w, "Edit1"), QStringLiteral("none"));
        QCOMPARE(child<QLabel>(&w, "countLabel")->text(), QStringLiteral("当前数量:0"));
        QVERIFY(messages.texts.isEmpty());
        QTest::mouseClick(child<QPushButton>(&w, "Button2"), Qt::LeftButton);
        QCOMPARE(text(&w, "Edit1"), QString());
        QCOMPARE(text(&w, "Edit3"), QString());
        QVERIFY(!child<GridWidget>(&w, "DBGrid1")->isOpen());
    }

    // Lost, with compensation and remark; days typed over carry the rent with them;
    // days that are not a whole number store nothing.
    void returnDetails_data() { TestDatabase::addEngines(); }
    void returnDetails()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        reader(db, QStringLiteral("R1"), QStringLiteral("卡内金额=0;未还数量=1"));
        item(db, QStringLiteral("B1"), QStringLiteral("数量=0"));
        loan(db, QStringLiteral("R1"), QStringLiteral("B1"), QStringLiteral("借阅日期=today-10;应还日期=today+5;租金=0.3"));
        MessageRecorder messages;
        LoginSession s = rentAndFines();
        TBkReturnFm w(db, s);
        w.show();
        scan(child<QLineEdit>(&w, "Edit1"), QStringLiteral("B1"));
        QCOMPARE(figures(&w), QStringLiteral("10|3|-5|0"));

        auto *days = child<QLineEdit>(&w, "Edit4");
        days->selectAll();
        QTest::keyClicks(days, QStringLiteral("4.5"));
        QTest::mouseClick(child<QPushButton>(&w, "Button1"), Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("\"4.5\"不是有效的整数值")});
        QCOMPARE(cell(db, QStringLiteral("借出记录"), QStringLiteral("已还"), QStringLiteral("编号='B1'")), QStringLiteral("否"));

        days->selectAll();
        QTest::keyClicks(days, QStringLiteral("4"));
        QCOMPARE(text(&w, "Edit5"), QStringLiteral("1.2"));
        child<QCheckBox>(&w, "CheckBox1")->setChecked(true);
        QVERIFY(child<QGroupBox>(&w, "GroupBox2")->isVisibleTo(&w));
        auto *condition = child<QComboBox>(&w, "DBComboBox1");
        QCOMPARE(condition->currentText(), QStringLiteral("完好"));
        QCOMPARE(condition->count(), 3);
        condition->setCurrentText(QStringLiteral("丢失"));
        child<QLineEdit>(&w, "DBEdit6")->setText(QStringLiteral("40"));
        child<QPlainTextEdit>(&w, "DBMemo1")->setPlainText(QStringLiteral("读者说掉在车上"));
        messages.clear();
        QTest::mouseClick(child<QPushButton>(&w, "Button1"), Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("归还完毕!")});
        const QString where = QStringLiteral("编号='B1'");
        auto l = [&](const char *c) { return cell(db, QStringLiteral("借出记录"), QString::fromUtf8(c), where); };
        QCOMPARE((QStringList{l("实际租期"), l("实际租金"), l("物品状况"), l("赔偿金额"), l("归还备注")}),
                 (QStringList{"4", "1.2", "丢失", "40", "读者说掉在车上"}));
        QCOMPARE(cell(db, QStringLiteral("图书"), QStringLiteral("数量"), where), QStringLiteral("0"));
        QCOMPARE(cell(db, QStringLiteral("读者库"), QStringLiteral("卡内金额"), QStringLiteral("读者编号='R1'")), QStringLiteral("-1.2"));
    }
};

QTEST_MAIN(TestReturnWindow)
#include "tst_return_window.moc"
