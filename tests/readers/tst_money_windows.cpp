// SPDX-License-Identifier: MIT
// The top-up, charge and income statistics windows on both engines.
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "WindowTestHelpers.h"
#include "foundation/DayClock.h"
#include "foundation/ExcelExportUi.h"
#include "foundation/GridWidget.h"
#include "foundation/LoginSession.h"
#include "foundation/Money.h"
#include "foundation/ReportPreviewDialog.h"
#include "readers/IncomeJournal.h"
#include "readers/RdChongZhiUt.h"
#include "readers/ShouFeiUt.h"
#include "readers/ShouRuCountUt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {
LoginSession signedIn()
{
    LoginSession s;
    s.OperatorName = QStringLiteral("王五");
    return s;
}

template <typename T>
T *child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

Money balanceOf(SharedConnection &db)
{
    return Money::fromVariant(db.scalar(QStringLiteral("select 卡内金额 from 读者库 where 读者编号='R1'")));
}

int journalRows(SharedConnection &db)
{
    return db.scalar(QStringLiteral("select count(*) from 收入")).toInt();
}
} // namespace

class TestMoneyWindows : public QObject
{
    Q_OBJECT

private slots:
    // What the amount box lets through and what the top-up makes of it.
    void topUpAmounts_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refund");
        QTest::addColumn<QString>("box");     // the box after typing
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("balance");
        for (const char *e : {"sqlite", "postgresql"}) {
            const QString en = QString::fromLatin1(e);
            QTest::addRow("%s decimal", e) << en << "12.5" << false << "12.5" << "充值成功!" << "62.5";
            QTest::addRow("%s letters discarded", e) << en << "1a2b.-5" << false << "12.5" << "充值成功!" << "62.5";
            QTest::addRow("%s refund", e) << en << "20" << true << "20" << "充值成功!" << "30";
            QTest::addRow("%s two points", e) << en << "1.2.3" << false << "1.2.3" << "不能充0元!" << "50";
            QTest::addRow("%s zero refund", e) << en << "0" << true << "0" << "不能充0元!" << "50";
        }
    }
    void topUpAmounts()
    {
        QFETCH(QString, engine);
        QFETCH(QString, typed);
        QFETCH(bool, refund);
        QFETCH(QString, box);
        QFETCH(QString, message);
        QFETCH(QString, balance);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        db.exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名, 性别, 卡内金额) values ('R1', '张三', '男', 50)"));
        MessageRecorder messages;
        LoginSession session = signedIn();
        TRdChongZhiFm w(db, session, QStringLiteral("R1"));
        w.show();
        QCOMPARE(child<QLineEdit>(&w, "DBEdit2")->text(), QStringLiteral("张三"));
        QCOMPARE(child<QLineEdit>(&w, "DBEdit4")->text(), QStringLiteral("50"));
        auto *amount = child<QLineEdit>(&w, "Edit1");
        QCOMPARE(amount->text(), QStringLiteral("0"));
        amount->clear();
        QTest::keyClicks(amount, typed);
        QCOMPARE(amount->text(), box);
        child<QCheckBox>(&w, "CheckBox1")->setChecked(refund);
        child<QPlainTextEdit>(&w, "Memo1")->setPlainText(QStringLiteral("现金"));
        child<QPushButton>(&w, "Button1")->click();
        QCOMPARE(messages.texts, QStringList{message});
        QCOMPARE(balanceOf(db).toString(), balance);
        const bool done = message == QStringLiteral("充值成功!");
        QCOMPARE(journalRows(db), done ? 1 : 0);
        QCOMPARE(w.result(), done ? int(QDialog::Accepted) : int(QDialog::Rejected));
        if (done)
            QCOMPARE(Money::fromVariant(db.scalar(QStringLiteral("select 金额 from 收入"))) + Money::fromYuan(50),
                     Money::fromText(balance));
    }

    // An unknown number: the message, and 确定 does nothing.
    void topUpUnknownReader_data() { TestDatabase::addEngines(); }
    void topUpUnknownReader()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        db.exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名, 卡内金额) values ('R1', '张三', 50)"));
        MessageRecorder messages;
        LoginSession session = signedIn();
        TRdChongZhiFm w(db, session, QStringLiteral("R1"));
        auto *number = child<QLineEdit>(&w, "Edit2");
        number->setText(QStringLiteral("R9"));
        QTest::keyClick(number, Qt::Key_Return);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("没有找到对应的记录!")});
        QCOMPARE(child<QLineEdit>(&w, "DBEdit2")->text(), QString());
        child<QLineEdit>(&w, "Edit1")->setText(QStringLiteral("10"));
        child<QPushButton>(&w, "Button1")->click();
        QCOMPARE(messages.texts.size(), 1);
        QCOMPARE(journalRows(db), 0);
        // The lookup by a number found again works.
        number->setText(QStringLiteral("r1"));
        child<QPushButton>(&w, "Button3")->click();
        child<QPushButton>(&w, "Button1")->click();
        QCOMPARE(messages.last(), QStringLiteral("充值成功!"));
        QCOMPARE(balanceOf(db), Money::fromYuan(60));
    }

    // The charge window journals what it holds, an empty amount as 0, and keeps its
    // entries for the next use of the same window.
    void charges_data() { TestDatabase::addEngines(); }
    void charges()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        MessageRecorder messages;
        LoginSession session = signedIn();
        TShouFeiFm w(db, session);
        QCOMPARE(child<QComboBox>(&w, "ComboBox1")->currentText(), QStringLiteral("租金"));
        child<QPushButton>(&w, "Button1")->click();
        QCOMPARE(journalRows(db), 1);
        child<QComboBox>(&w, "ComboBox1")->setEditText(QStringLiteral("复印"));
        QTest::keyClicks(child<QLineEdit>(&w, "Edit1"), QStringLiteral("3.5y"));
        child<QPlainTextEdit>(&w, "Memo1")->setPlainText(QStringLiteral("十页"));
        child<QPushButton>(&w, "Button1")->click();
        QVERIFY(w.isHidden());
        QCOMPARE(child<QLineEdit>(&w, "Edit1")->text(), QStringLiteral("3.5"));
        QSqlQuery q = db.exec(QStringLiteral("select 项目, 金额, 备注, 管理员, 读者编号 from 收入 order by id"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("租金"));
        QCOMPARE(Money::fromVariant(q.value(1)), Money());
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("复印"));
        QCOMPARE(Money::fromVariant(q.value(1)).toString(), QStringLiteral("3.5"));
        QCOMPARE(q.value(2).toString(), QStringLiteral("十页"));
        QCOMPARE(q.value(3).toString(), QStringLiteral("王五"));
        QVERIFY(q.value(4).isNull());
        QVERIFY(messages.texts.isEmpty());
    }

    // The statistics: everything on opening, the range from midnight to midnight, the
    // footer sum, and the printed report's sum.
    void statistics_data() { TestDatabase::addEngines(); }
    void statistics()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        MessageRecorder messages;
        LoginSession session = signedIn();
        auto add = [&db](const char *item, const QDateTime &when, const char *amount) {
            IncomeJournal::Entry e;
            e.item = QString::fromUtf8(item);
            e.time = when;
            e.amount = Money::fromText(QString::fromLatin1(amount));
            IncomeJournal::append(db, e);
        };
        const QDate today = DayClock::today();
        add("开户费", QDateTime(today, QTime(0, 0)), "5");
        add("充值", QDateTime(today, QTime(9, 30)), "20.25");
        add("罚金", QDateTime(QDate(1999, 6, 1), QTime(9, 0)), "100");
        TShouRuCountFm w(db, session);
        w.show();
        QCOMPARE(w.grid()->rowCount(), 3);
        QCOMPARE(w.grid()->footerText(QStringLiteral("金额")), QStringLiteral("125.25"));
        QCOMPARE(child<QDateEdit>(&w, "DateTimePicker1")->date(), QDate(2000, 1, 1));
        QCOMPARE(child<QDateEdit>(&w, "DateTimePicker2")->date(), today.addDays(1));
        child<QPushButton>(&w, "Button1")->click();
        QCOMPARE(w.grid()->rowCount(), 2);
        QCOMPARE(w.grid()->footerText(QStringLiteral("金额")), QStringLiteral("25.25"));
        child<QDateEdit>(&w, "DateTimePicker2")->setDate(today);
        child<QPushButton>(&w, "Button1")->click();
        QCOMPARE(w.grid()->rowCount(), 1);
        QCOMPARE(w.grid()->value(QStringLiteral("项目")).toString(), QStringLiteral("开户费"));

        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("income.pdf"));
        whenModal<ReportPreviewDialog>([pdf](ReportPreviewDialog *p) {
            QVERIFY(p->saveAsPdf(pdf));
            p->reject();
        });
        child<QPushButton>(&w, "Button2")->click();
        QVERIFY(QFile::exists(pdf));

        QString opened;
        ExcelExportUi::setFolder(out.path());
        ExcelExportUi::setOpener([&opened](const QString &f) {
            opened = f;
            return false; // no program: the operator is told where the file is
        });
        child<QPushButton>(&w, "Button3")->click();
        ExcelExportUi::setFolder(QString());
        ExcelExportUi::setOpener({});
        QVERIFY(QFile::exists(opened));
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(messages.last().contains(opened));
    }
};

QTEST_MAIN(TestMoneyWindows)
#include "tst_money_windows.moc"
