// SPDX-License-Identifier: MIT
// The main window: which commands each right disables or refuses, the whole system
// menu behind qxsysset, the labels, the exit question and the overdue reminder.
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "foundation/LoginSession.h"
#include "circulation/DueRecordUt.h"
#include "session/MainUt.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {
enum class Gate { Disable, Refuse, None };
struct Expected {
    const char *caption;
    const char *right; // "" when no right is needed
    Gate gate;
    const char *refusal;
};

// What the operator's rights do to each command, as the main window must apply them.
const Expected kCommands[] = {
    {"借阅", "qxborrow", Gate::Disable, ""},
    {"归还", "qxreturn", Gate::Disable, ""},
    {"续借", "qxborrow", Gate::Disable, ""},
    {"添加图书", "qxadddata", Gate::Disable, ""},
    {"添加读者", "qxadddata", Gate::Disable, ""},
    {"添加期刊", "qxadddata", Gate::Disable, ""},
    {"修改密码", "", Gate::None, ""},
    {"收费", "", Gate::None, ""},
    {"图书管理", "qxbk", Gate::Disable, ""},
    {"读者管理", "qxrd", Gate::Disable, ""},
    {"期刊管理", "qxqk", Gate::Disable, ""},
    {"管理员日志", "qxadmin", Gate::Refuse, "没有权限!"},
    {"系统管理员权限设置", "qxadmin", Gate::Refuse, "没有权限!"},
    {"图书馆信息设置", "qxsysset", Gate::Disable, ""},
    {"系统初始化", "qxsysset", Gate::Disable, ""},
    {"备份数据库", "qxsysset", Gate::Disable, ""},
    {"数据库设置", "qxsysset", Gate::Disable, ""},
    {"批处理数据", "qxadmin", Gate::Refuse, "没有权限!"},
    {"读者类别设置", "", Gate::None, ""},
    {"物品级别设置", "", Gate::None, ""},
    {"资金统计", "", Gate::None, ""},
    {"图书分类设置", "", Gate::None, ""},
    {"二级分类设置", "", Gate::None, ""},
    {"出版社名设置", "", Gate::None, ""},
    {"单位/部门名", "", Gate::None, ""},
    {"存放位置", "", Gate::None, ""},
    {"证件名设置", "", Gate::None, ""},
    {"币种名设置", "", Gate::None, ""},
    {"密级设置", "", Gate::None, ""},
    {"a2设置", "", Gate::None, ""},
    {"a3设置", "", Gate::None, ""},
    {"借出记录", "", Gate::None, ""},
    {"分类统计", "", Gate::None, ""},
    {"图书借阅统计", "", Gate::None, ""},
    {"期刊借阅统计", "", Gate::None, ""},
    {"读者借阅统计", "", Gate::None, ""},
    {"数据盘点", "", Gate::None, ""},
    {"逾期记录", "", Gate::None, ""},
    {"入库信息统计", "", Gate::None, ""},
    {"网页推荐信息", "", Gate::None, ""},
    {"预定信息", "", Gate::None, ""},
    {"Pos小票打印机", "", Gate::None, ""},
    {"Excel导入读者数据", "", Gate::None, ""},
    {"Excel导入图书数据", "", Gate::None, ""},
    {"Excel导入期刊数据", "qxadmin", Gate::Refuse, "没有管理员权限!"},
    {"Excel导入借阅记录", "qxadmin", Gate::Refuse, "没有管理员权限!"},
    {"马克marc数据导入", "qxadmin", Gate::Refuse, "没有管理员权限!"}, // hidden, works
    {"关于", "", Gate::None, ""},
};
// The system menu's refused items also need qxsysset to be reachable at all.
const char *const kSystemMenu[] = {"系统管理员权限设置", "批处理数据"};

// Tool buttons and the command each runs.
const struct {
    const char *button;
    const char *caption;
} kTools[] = {{"ToolButton2", "借阅"},     {"ToolButton3", "归还"},           {"ToolButton4", "图书管理"},
              {"ToolButton5", "读者管理"}, {"ToolButton9", "借出记录"},       {"ToolButton6", "图书馆信息设置"},
              {"ToolButton7", "使用帮助"}, {"ToolButton1", "退出"}};

LoginSession sessionWith(const QString &missingRight)
{
    LoginSession s;
    for (int i = 0; i < Rights::names().size(); ++i)
        s.rights.setValue(i, Rights::names()[i] != missingRight);
    s.OperatorName = QStringLiteral("小王");
    s.config.softname = QStringLiteral("星光图书馆");
    s.config.tel = QStringLiteral("010-1234");
    s.config.company = QStringLiteral("星光");
    s.config.web = QStringLiteral("www.example.cn");
    return s;
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void rightsMatrix_data()
    {
        QTest::addColumn<QString>("right");
        for (const QString &r : Rights::names())
            QTest::newRow(qPrintable(r)) << r;
    }
    void rightsMatrix()
    {
        QFETCH(QString, right);
        TestDatabase t(QStringLiteral("sqlite"));
        MessageRecorder messages;
        LoginSession all = sessionWith(QString());
        TMainFm full(t.db(), all);
        LoginSession s = sessionWith(right);
        TMainFm window(t.db(), s);
        for (const Expected &e : kCommands) {
            const QString caption = QString::fromUtf8(e.caption);
            QAction *withAll = full.command(caption);
            QAction *action = window.command(caption);
            QVERIFY2(action && withAll, e.caption);
            const bool available = withAll->isEnabled(); // its window exists
            const bool lacks = right == QLatin1String(e.right);
            const bool inSystemMenu = right == QLatin1String("qxsysset")
                && std::any_of(std::begin(kSystemMenu), std::end(kSystemMenu),
                               [&](const char *c) { return caption == QString::fromUtf8(c); });
            const bool expectEnabled = available && !inSystemMenu && !(lacks && e.gate == Gate::Disable);
            QVERIFY2(action->isEnabled() == expectEnabled, qPrintable(caption + QLatin1Char(' ') + right));
            if (available && lacks && e.gate == Gate::Refuse && action->isEnabled()) {
                messages.clear();
                action->trigger();
                QCOMPARE(messages.texts, QStringList{QString::fromUtf8(e.refusal)});
            }
        }
        for (const auto &tool : kTools) {
            auto *button = window.findChild<QToolButton *>(QString::fromLatin1(tool.button));
            QVERIFY2(button, tool.button);
            QCOMPARE(button->isEnabled(), window.command(QString::fromUtf8(tool.caption))->isEnabled());
        }
    }

    void labelsAndStatusBar()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        LoginSession s = sessionWith(QString());
        TMainFm window(t.db(), s);
        QCOMPARE(window.windowTitle(), QStringLiteral("星光图书馆"));
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("  当前管理员:小王"));
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Label2"))->text(), QStringLiteral("  当前数据库是: SQLite"));
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("StatusPanel3"))->text(),
                 QStringLiteral("星光 www.example.cn"));
        s.config.abc = QStringLiteral("s");
        s.switches.a1Caption = QStringLiteral("保密");
        TMainFm server(t.db(), s);
        QCOMPARE(server.findChild<QLabel *>(QStringLiteral("Label2"))->text(), QStringLiteral("  当前系统是: PostgreSQL"));
        QVERIFY(server.command(QStringLiteral("保密设置")));
        // The server's backup command only points to the engine's own tool.
        MessageRecorder messages;
        server.command(QStringLiteral("备份数据库"))->trigger();
        QCOMPARE(messages.texts, QStringList{QStringLiteral("请使用PostgreSQL的pg_dump备份!")});
    }

    void exitAsks()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        LoginSession s = sessionWith(QString());
        MessageRecorder messages;
        TMainFm window(t.db(), s);
        window.show();
        messages.answers.enqueue(false);
        QVERIFY(!window.close());
        QCOMPARE(messages.texts, QStringList{QStringLiteral("确认要退出吗?")});
        QVERIFY(window.isVisible());
        messages.answers.enqueue(true);
        QVERIFY(window.close());
    }

    void overdueReminderOnceAfterSignIn()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        LoginSession s = sessionWith(QString());
        s.config.remindYN = QStringLiteral("1");
        MessageRecorder messages;
        TMainFm window(t.db(), s);
        QSignalSpy reminders(&window, &TMainFm::overdueReminderDue);
        // Each reminder opens the overdue list, modally; close it when it shows.
        int overdueLists = 0;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&overdueLists] {
            if (auto *list = qobject_cast<TDueRecordFm *>(QApplication::activeModalWidget())) {
                ++overdueLists;
                list->reject();
            }
        });
        closer.start(5);
        window.show();
        QCOMPARE(reminders.count(), 1);
        QTRY_COMPARE(overdueLists, 1);
        // Closing one of the program's own windows re-activates the main window but
        // must not remind again.
        QDialog dialog(&window);
        QTimer::singleShot(0, &dialog, &QDialog::accept);
        dialog.exec();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&window, &activate);
        QCOMPARE(reminders.count(), 1);
        window.hide();
        window.show();
        QCOMPARE(reminders.count(), 1);
        // Another program took the front, then the operator came back.
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
        QCOMPARE(reminders.count(), 2);
        QTRY_COMPARE(overdueLists, 2);

        LoginSession off = sessionWith(QString());
        TMainFm quiet(t.db(), off);
        QSignalSpy none(&quiet, &TMainFm::overdueReminderDue);
        quiet.show();
        QCOMPARE(none.count(), 0);
        messages.answers << true << true;
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
