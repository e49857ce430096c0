// SPDX-License-Identifier: MIT
// The small windows of the counter offscreen: renewal, reservations, the overdue list
// and its report, a reader's open loans, and the receipt printer settings.
#include "CirculationFixtures.h"
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "WindowHelpers.h"
#include "circulation/BorrowRdJieYueJiLuUt.h"
#include "circulation/DueRecordUt.h"
#include "circulation/OverdueReport.h"
#include "circulation/PosPrtSetUt.h"
#include "circulation/ReserveUt.h"
#include "circulation/XuJieUt.h"
#include "foundation/GridWidget.h"
#include "foundation/IniFile.h"
#include "foundation/ReportPreviewDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

using namespace Fixture;

class TestCirculationWindows : public QObject
{
    Q_OBJECT

private slots:
    void init() { DayClock::setToday(day()); }
    void cleanup() { DayClock::setToday(QDate()); }

    void renewal_data() { TestDatabase::addEngines(); }
    void renewal()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        loan(db, QStringLiteral("R1"), QStringLiteral("B1"), QStringLiteral("应还日期=today+3"));
        MessageRecorder messages;
        TXuJieFm w(db);
        w.show();
        auto *renew = child<QPushButton>(&w, "Button2");
        auto *cancel = child<QPushButton>(&w, "Button3");
        QVERIFY(!renew->isEnabled() && !cancel->isEnabled());
        child<QLineEdit>(&w, "Edit1")->setText(QStringLiteral("R1"));
        child<QLineEdit>(&w, "Edit2")->setText(QStringLiteral("B2"));
        QTest::mouseClick(child<QPushButton>(&w, "Button1"), Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("没有找到该借阅记录,请检查您输入的信息是否正确!")});
        QVERIFY(!renew->isEnabled());

        scan(child<QLineEdit>(&w, "Edit2"), QStringLiteral("B1"));
        auto *picker = child<QDateEdit>(&w, "DateTimePicker1");
        QCOMPARE(picker->date(), QDate(2024, 3, 18));
        QVERIFY(renew->isEnabled() && cancel->isEnabled());
        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(!renew->isEnabled());
        QTest::mouseClick(child<QPushButton>(&w, "Button1"), Qt::LeftButton);
        picker->setDate(QDate(2024, 4, 30));
        messages.clear();
        QTest::mouseClick(renew, Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("续借完毕!")});
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(cell(db, QStringLiteral("借出记录"), QStringLiteral("应还日期"), QStringLiteral("编号='B1'")),
                 QStringLiteral("2024-04-30"));
    }

    void reservations_data() { TestDatabase::addEngines(); }
    void reservations()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        item(db, QStringLiteral("B1"), QStringLiteral("预定状况=R1;预定到期时间=today+2 12:00:00"));
        item(db, QStringLiteral("B2"), QStringLiteral("预定状况=R2"));
        item(db, QStringLiteral("B3"));
        MessageRecorder messages;
        TReserveFm w(db);
        auto *grid = child<GridWidget>(&w, "DBGrid1");
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->text(0, QStringLiteral("预定到期时间")), QStringLiteral("2024-03-17 12:00:00"));
        item(db, QStringLiteral("B4"), QStringLiteral("预定状况=R3"));
        QTest::mouseClick(child<QPushButton>(&w, "Button3"), Qt::LeftButton);
        QCOMPARE(grid->rowCount(), 3);
        QTest::mouseClick(child<QPushButton>(&w, "Button2"), Qt::LeftButton); // without asking
        QCOMPARE(grid->rowCount(), 0);
        QVERIFY(messages.texts.isEmpty());
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 图书 where 预定到期时间 is not null")).toInt(), 0);
    }

    void overdueList_data() { TestDatabase::addEngines(); }
    void overdueList()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        loan(db, QStringLiteral("R1"), QStringLiteral("B1"), QStringLiteral("应还日期=today;价格=12.5"));
        loan(db, QStringLiteral("R2"), QStringLiteral("B2"), QStringLiteral("应还日期=today-4;价格=20;借阅日期=2024-02-01"));
        loan(db, QStringLiteral("R3"), QStringLiteral("B3"), QStringLiteral("应还日期=today+1;价格=99"));
        loan(db, QStringLiteral("R4"), QStringLiteral("B4"), QStringLiteral("应还日期=today-9;价格=99;已还=是"));
        MessageRecorder messages;
        TDueRecordFm w(db);
        auto *grid = child<GridWidget>(&w, "DBGrid1");
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->footerText(QStringLiteral("id")), QStringLiteral("2"));
        QCOMPARE(grid->footerText(QStringLiteral("价格")), QStringLiteral("32.50"));
        QVERIFY(!grid->visibleFields().contains(QStringLiteral("租金")));
        QVERIFY(!grid->visibleFields().contains(QStringLiteral("归还备注")));
        QCOMPARE(grid->visibleFields().first(), QStringLiteral("id"));

        // The report's lines: id, 读者编号, 读者姓名, 编号, 名称, 类别, 借阅日期, 已还.
        OverdueReport report;
        report.setRows(grid->rowTexts(OverdueReport::fields()));
        QCOMPARE(report.rowCount(), 2);
        QCOMPARE(grid->rowTexts(OverdueReport::fields()).at(1),
                 (QStringList{"2", "R2", "读者R2", "B2", "书名B2", "图书", "2024-02-01", "否"}));
        QTemporaryDir dir;
        QVERIFY(report.renderToPdf(dir.filePath(QStringLiteral("due.pdf"))));
        // 打印报表 opens the preview.
        bool previewed = false;
        whenModal<ReportPreviewDialog>([&previewed](ReportPreviewDialog *preview) {
            previewed = true;
            preview->reject();
        });
        QTest::mouseClick(child<QToolButton>(&w, "ToolButton6"), Qt::LeftButton);
        QVERIFY(previewed);
        QVERIFY(messages.texts.isEmpty());
    }

    void emptyOverdueListAndReaderLoans_data() { TestDatabase::addEngines(); }
    void emptyOverdueListAndReaderLoans()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        loan(db, QStringLiteral("R1"), QStringLiteral("B1"));
        loan(db, QStringLiteral("R1"), QStringLiteral("B2"), QStringLiteral("已还=是"));
        MessageRecorder messages;
        TDueRecordFm due(db);
        QCOMPARE(child<GridWidget>(&due, "DBGrid1")->footerText(QStringLiteral("id")), QStringLiteral("0"));
        TBorrowRdJieYueJiLuFm none(db, QString());
        QCOMPARE(child<GridWidget>(&none, "DBGrid1")->rowCount(), 0);
        TBorrowRdJieYueJiLuFm r1(db, QStringLiteral("R1"));
        QCOMPARE(child<GridWidget>(&r1, "DBGrid1")->rowCount(), 1);
        QVERIFY(messages.texts.isEmpty());
    }

    void printerSettings()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("de.ini"));
        {
            QFile f(ini);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[part1]\nsoftname=图书管理系统\n; 注释\n[PosPrt]\nPosPort=LPT1\nJieChuHouDaYin=0\n");
        }
        MessageRecorder messages;
        LoginSession s = session();
        s.config.softname = QStringLiteral("图书管理系统");
        s.config.jieChuHouDaYin = QStringLiteral("1");
        s.config.posPort = QStringLiteral("COM3");
        TPosPrtSetFm w(s, nullptr, ini);
        QVERIFY(child<QCheckBox>(&w, "CheckBox1")->isChecked());
        auto *port = child<QComboBox>(&w, "ComboBox1");
        QCOMPARE(port->currentText(), QStringLiteral("COM3"));
        QCOMPARE(port->count(), 12);
        QCOMPARE(child<QLineEdit>(&w, "Edit1")->text(), QStringLiteral("打印测试内容ABCD"));

        // The test print goes to the port in the box, as typed.
        const QString file = dir.filePath(QStringLiteral("小票.prn"));
        port->setCurrentText(file);
        QTest::mouseClick(child<QPushButton>(&w, "Button3"), Qt::LeftButton);
        QVERIFY(messages.texts.isEmpty());
        QFile printed(file);
        QVERIFY(printed.open(QIODevice::ReadOnly));
        const QByteArray bytes = printed.readAll();
        QVERIFY(bytes.startsWith(QByteArray(" \r\n [") + QByteArray::fromHex("b4f2d3a1bfaacabc") + "]\r\n"));
        QVERIFY(bytes.endsWith(QByteArray::fromHex("0b1b4a8c0d0a")));
        port->setCurrentText(dir.filePath(QStringLiteral("no/such/folder")));
        QTest::mouseClick(child<QPushButton>(&w, "Button3"), Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("失败!")});

        // 应用 stores both values, keeps the rest of the file, updates the session.
        messages.clear();
        port->setCurrentText(QStringLiteral("/dev/usb/lp9"));
        child<QCheckBox>(&w, "CheckBox1")->setChecked(false);
        QTest::mouseClick(child<QPushButton>(&w, "Button1"), Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("修改完毕,重启软件后生效!")});
        QCOMPARE(w.result(), int(QDialog::Accepted));
        const IniFile stored(ini);
        QCOMPARE(stored.read(QStringLiteral("PosPrt"), QStringLiteral("PosPort"), {}), QStringLiteral("/dev/usb/lp9"));
        QCOMPARE(stored.read(QStringLiteral("PosPrt"), QStringLiteral("JieChuHouDaYin"), {}), QStringLiteral("0"));
        QCOMPARE(stored.read(QStringLiteral("part1"), QStringLiteral("softname"), {}), QStringLiteral("图书管理系统"));
        QFile again(ini);
        QVERIFY(again.open(QIODevice::ReadOnly));
        QVERIFY(again.readAll().contains("; 注释"));
        QCOMPARE(s.config.posPort, QStringLiteral("/dev/usb/lp9"));
        QCOMPARE(s.config.jieChuHouDaYin, QStringLiteral("0"));
    }
};

QTEST_MAIN(TestCirculationWindows)
#include "tst_circulation_windows.moc"
