// SPDX-License-Identifier: MIT
// The operator-log row and the password prompt.
#include "TestDatabase.h"
#include "foundation/AdminLog.h"
#include "foundation/DayClock.h"
#include "foundation/PromptDialog.h"
#include "foundation/SqlValues.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

class TestAdminLog : public QObject
{
    Q_OBJECT
private slots:
    void writesOneRow_data() { TestDatabase::addEngines(); }
    void writesOneRow()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        DayClock::setToday(QDate(2026, 3, 1));
        const QString detail = QStringLiteral("读者编号：[R'1],姓名:[\"张\"],名称:[:x ?]");
        AdminLog(t.db(), QStringLiteral("删借出记录"), detail, QStringLiteral("小王"));
        DayClock::setToday(QDate());
        QSqlQuery q = t.db().exec(QStringLiteral("select id, 事件, 日期, 管理员, 说明 from 管理员日志"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 1);
        QCOMPARE(q.value(1).toString(), QStringLiteral("删借出记录"));
        const QDateTime at = SqlValues::toDateTime(q.value(2));
        QCOMPARE(at.date(), QDate(2026, 3, 1));
        QCOMPARE(at.time().msec(), 0);
        QCOMPARE(q.value(3).toString(), QStringLiteral("小王"));
        QCOMPARE(q.value(4).toString(), detail); // colons and quotes are plain text
        QVERIFY(!q.next());
    }

    void passwordPrompt()
    {
        PromptDialog d(nullptr, QStringLiteral("请输入正确的密码"), QStringLiteral("密码:"), QStringLiteral("old"),
                       QLatin1Char('*'));
        auto *edit = d.findChild<QLineEdit *>(QStringLiteral("Edit1"));
        QCOMPARE(edit->echoMode(), QLineEdit::Password);
        QCOMPARE(edit->maxLength(), 255);
        QCOMPARE(edit->selectedText(), QStringLiteral("old"));
        QCOMPARE(d.windowTitle(), QStringLiteral("请输入正确的密码"));

        QString typed = QStringLiteral("unchanged");
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<PromptDialog *>(QApplication::activeModalWidget());
            QTest::keyClicks(dialog->edit(), QStringLiteral("jukx"));
            QTest::keyClick(dialog->edit(), Qt::Key_Return);
        });
        QVERIFY(PromptDialog::run(nullptr, QStringLiteral("t"), QStringLiteral("p"), QString(), QLatin1Char('*'), &typed));
        QCOMPARE(typed, QStringLiteral("jukx"));
        QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
        QVERIFY(!PromptDialog::run(nullptr, QStringLiteral("t"), QStringLiteral("p"), QString(), QLatin1Char('*'), &typed));
        QCOMPARE(typed, QStringLiteral("jukx"));
    }
};

QTEST_MAIN(TestAdminLog)
#include "tst_admin_log.moc"
