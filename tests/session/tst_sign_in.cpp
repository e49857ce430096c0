// SPDX-License-Identifier: MIT
// Sign-in: the rights loaded, the super administrator rule, exact passwords, the
// switches and captions, and the sign-in window's preparation.
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "foundation/LoginSession.h"
#include "session/LoginUt.h"
#include "session/SignIn.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {
void addOperator(SharedConnection &db, const QString &name, const QString &pwd, bool allRights,
                 bool modifyStock)
{
    QVariantList v{name, pwd};
    for (int i = 0; i < 15; ++i)
        v << allRights;
    v << modifyStock;
    db.exec(QStringLiteral("insert into 管理员 (AdminName, pwd, qxadmin, qxdel, qxbk, qxrd, qxqk, qxwp, qxbkxg, "
                           "qxrdxg, qxqkxg, qxDjXg, qxwpxg, qxborrow, qxReturn, qxSysSet, qxAddData, "
                           "qxModifyStock) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
            v);
}
} // namespace

class TestSignIn : public QObject
{
    Q_OBJECT
private slots:
    void superAdministratorRule_data() { TestDatabase::addEngines(); }
    void superAdministratorRule()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        // Every right stored false: all but qxModifyStock are forced on.
        t.db().exec(QStringLiteral("update 管理员 set qxadmin=?, qxsysset=?, qxModifyStock=?"), {false, false, false});
        LoginSession s;
        QVERIFY(SignIn::signIn(t.db(), s, QStringLiteral("超级管理员"), QStringLiteral("8316")).ok);
        for (int i = 0; i < 14; ++i)
            QVERIFY2(s.rights.value(i), qPrintable(Rights::names()[i]));
        QVERIFY(!s.rights.qxModifyStock);
        QCOMPARE(s.OperatorName, QStringLiteral("超级管理员"));
    }

    void ordinaryOperatorGetsItsRow_data() { TestDatabase::addEngines(); }
    void ordinaryOperatorGetsItsRow()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        addOperator(t.db(), QStringLiteral("小王"), QStringLiteral("Ab1"), false, true);
        t.db().exec(QStringLiteral("update 管理员 set qxborrow=?, qxReturn=? where AdminName=?"),
                    {true, true, QStringLiteral("小王")});
        LoginSession s;
        QVERIFY(SignIn::signIn(t.db(), s, QStringLiteral("小王"), QStringLiteral("Ab1")).ok);
        QVERIFY(s.rights.qxborrow && s.rights.qxreturn && s.rights.qxModifyStock);
        QVERIFY(!s.rights.qxadmin && !s.rights.qxsysset && !s.rights.qxbk);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        for (const char *engine : {"sqlite", "postgresql"}) {
            QTest::addRow("%s wrong password", engine) << engine << "超级管理员" << "1234";
            QTest::addRow("%s password case differs", engine) << engine << "小王" << "ab1";
            QTest::addRow("%s untrimmed name", engine) << engine << "超级管理员 " << "8316";
            QTest::addRow("%s unknown name", engine) << engine << "nobody" << "8316";
        }
    }
    void refusals()
    {
        QFETCH(QString, engine);
        QFETCH(QString, name);
        QFETCH(QString, password);
        OPEN_TEST_DATABASE(t, engine);
        addOperator(t.db(), QStringLiteral("小王"), QStringLiteral("Ab1"), true, true);
        LoginSession s;
        s.OperatorName = QStringLiteral("before");
        t.db().exec(QStringLiteral("update 系统设置 set 启用租金功能=?, 图书馆名=?"), {true, QStringLiteral("新馆")});
        const SignIn::Result r = SignIn::signIn(t.db(), s, name, password);
        QVERIFY(!r.ok);
        QCOMPARE(r.message, QStringLiteral("密码不正确!"));
        QCOMPARE(s.OperatorName, QStringLiteral("before"));
        QVERIFY(!s.rights.qxadmin);
        // The switches are reloaded on every attempt.
        QVERIFY(s.switches.启用租金功能);
        QCOMPARE(s.switches.图书馆名, QStringLiteral("新馆"));
    }

    void nameIsTrimmedAfterTheQuery_data() { TestDatabase::addEngines(); }
    void nameIsTrimmedAfterTheQuery()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        // A stored name with a trailing blank signs in as typed; OperatorName is trimmed.
        addOperator(t.db(), QStringLiteral("超级管理员 "), QStringLiteral("x"), false, false);
        LoginSession s;
        QVERIFY(SignIn::signIn(t.db(), s, QStringLiteral("超级管理员 "), QStringLiteral("x")).ok);
        QCOMPARE(s.OperatorName, QStringLiteral("超级管理员"));
        QVERIFY(s.rights.qxadmin); // the super administrator test uses the trimmed name
    }

    void captions_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QVariant>("a1");
        QTest::addColumn<QString>("caption");
        for (const char *engine : {"sqlite", "postgresql"}) {
            QTest::addRow("%s null", engine) << engine << QVariant() << "密级";
            QTest::addRow("%s empty", engine) << engine << QVariant(QString("")) << "";
            QTest::addRow("%s named", engine) << engine << QVariant(QString("保密等级")) << "保密等级";
        }
    }
    void captions()
    {
        QFETCH(QString, engine);
        QFETCH(QVariant, a1);
        QFETCH(QString, caption);
        OPEN_TEST_DATABASE(t, engine);
        t.db().exec(QStringLiteral("update 系统设置 set a1=?, a3=?"), {a1, QStringLiteral("语种")});
        LoginSession s;
        SignIn::loadSwitches(t.db(), s);
        QCOMPARE(s.switches.a1Caption, caption);
        QCOMPARE(s.switches.a2Caption, QStringLiteral("a2"));
        QCOMPARE(s.switches.a3Caption, QStringLiteral("语种"));
        QCOMPARE(s.switches.超期每日罚金.toString(), QStringLiteral("0.1"));
    }

    void windowPreparesAndSignsIn()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        QVERIFY(t.ok());
        addOperator(t.db(), QStringLiteral("小王"), QStringLiteral("Ab1"), false, false);
        MessageRecorder messages;
        LoginSession s;
        s.config.csaccess = t.connectionString();
        SharedConnection db(QStringLiteral("login-window"));
        TLoginFm login(db, s);
        QVERIFY(login.prepare());
        auto *names = login.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
        auto *password = login.findChild<QLineEdit *>(QStringLiteral("Edit1"));
        QCOMPARE(names->count(), 2);
        QCOMPARE(names->currentText(), QStringLiteral("超级管理员"));
        QCOMPARE(password->text(), QStringLiteral("8316"));
        QVERIFY(messages.texts.isEmpty());

        bool signedIn = false;
        connect(&login, &TLoginFm::signedIn, this, [&] { signedIn = true; });
        password->setText(QStringLiteral("wrong"));
        login.findChild<QPushButton *>(QStringLiteral("Button1"))->click();
        QCOMPARE(messages.texts, QStringList{QStringLiteral("密码不正确!")});
        QCOMPARE(password->selectedText(), QStringLiteral("wrong"));
        QVERIFY(!signedIn);
        password->setText(QStringLiteral("8316"));
        login.findChild<QPushButton *>(QStringLiteral("Button1"))->click();
        QVERIFY(signedIn);
        QCOMPARE(s.OperatorName, QStringLiteral("超级管理员"));
        db.close();
    }

    void windowAfterPasswordChangeAndOldDatabase()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        QVERIFY(t.ok());
        t.db().exec(QStringLiteral("update 管理员 set pwd=?"), {QStringLiteral("new")});
        t.db().exec(QStringLiteral("alter table 管理员 drop column qxDjXg"));
        MessageRecorder messages;
        LoginSession s;
        s.config.csaccess = t.connectionString();
        SharedConnection db(QStringLiteral("login-window-2"));
        TLoginFm login(db, s);
        QVERIFY(login.prepare());
        QCOMPARE(login.findChild<QLineEdit *>(QStringLiteral("Edit1"))->text(), QString());
        QCOMPARE(messages.texts, QStringList{QStringLiteral("请使用对应的版本@!bbb")});
        db.close();
    }

    void failedOpenOffersTheDatabaseSettings()
    {
        MessageRecorder messages;
        LoginSession s; // csaccess "0": no usable connection string
        SharedConnection db(QStringLiteral("login-window-4"));
        TLoginFm login(db, s);
        QString shown;
        QTimer::singleShot(0, this, [&] {
            if (QWidget *w = QApplication::activeModalWidget()) {
                shown = w->windowTitle();
                w->close();
            }
        });
        QVERIFY(!login.prepare());
        QVERIFY(messages.texts.value(0).startsWith(QStringLiteral("数据库连接失败,请选择数据库.")));
        QCOMPARE(shown, QStringLiteral("数据库设置"));
        QCOMPARE(login.findChild<QComboBox *>(QStringLiteral("ComboBox1"))->count(), 0);
    }

    void firstStartCreatesTheDatabase()
    {
        QTemporaryDir dir;
        MessageRecorder messages;
        LoginSession s;
        s.config.csaccess = QStringLiteral("Provider=SQLite;Data Source=%1;").arg(dir.filePath("book.db"));
        SharedConnection db(QStringLiteral("login-window-3"));
        TLoginFm login(db, s);
        QVERIFY(login.prepare());
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(messages.texts.first().contains(QStringLiteral("已新建数据库")));
        QVERIFY(QFile::exists(dir.filePath("book.db")));
        QCOMPARE(login.findChild<QComboBox *>(QStringLiteral("ComboBox1"))->currentText(), QStringLiteral("超级管理员"));
        db.close();
    }
};

QTEST_MAIN(TestSignIn)
#include "tst_sign_in.moc"
