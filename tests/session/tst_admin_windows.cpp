// SPDX-License-Identifier: MIT
// The administrators and password windows: the super administrator's rules, new
// operators with the factory password and no rights, each right box and its column,
// and the password change with its messages, on both engines.
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "foundation/LoginSession.h"
#include "foundation/SqlValues.h"
#include "session/AdminUt.h"
#include "session/Administrators.h"
#include "session/ChangePwdUt.h"
#include "session/MainUt.h"
#include "session/SignIn.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {
const QString kSuper = QStringLiteral("超级管理员");

struct AdminControls {
    explicit AdminControls(QWidget *w) : w(w) {}
    QWidget *w;
    QToolButton *tool(int n) const { return w->findChild<QToolButton *>(QStringLiteral("ToolButton%1").arg(n)); }
    QLineEdit *name() const { return w->findChild<QLineEdit *>(QStringLiteral("DBEdit1")); }
    QGroupBox *rights() const { return w->findChild<QGroupBox *>(QStringLiteral("GroupBox2")); }
    QTableView *grid() const { return w->findChild<QTableView *>(QStringLiteral("DBGrid1")); }
    QCheckBox *box(const QString &column) const { return w->findChild<QCheckBox *>(column); }
    void press(int n) const { QTest::mouseClick(tool(n), Qt::LeftButton); }
    // 添加, 修改, 保存, 取消, 删除 enabled or not, the name box and the rights group.
    QString state() const
    {
        QString s;
        for (int n : {1, 2, 5, 4, 3})
            s += tool(n)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        s += name()->isEnabled() ? QLatin1Char('N') : QLatin1Char('-');
        return s + (rights()->isEnabled() ? QLatin1Char('R') : QLatin1Char('-'));
    }
    bool select(const QString &admin) const
    {
        for (int r = 0; r < grid()->model()->rowCount(); ++r)
            if (grid()->model()->index(r, 0).data().toString() == admin) {
                grid()->setCurrentIndex(grid()->model()->index(r, 0));
                return true;
            }
        return false;
    }
};

// The names of the right columns that are true in the row, and its password.
struct StoredAdmin {
    bool found = false;
    QString name;
    QString pwd;
    QStringList rightsOn;
};
StoredAdmin stored(SharedConnection &db, const QString &name)
{
    StoredAdmin a;
    QSqlQuery q = db.exec(QStringLiteral("select * from 管理员 where AdminName = ?"), {name});
    if (!q.next())
        return a;
    a.found = true;
    a.name = q.value(QStringLiteral("AdminName")).toString();
    a.pwd = q.value(QStringLiteral("pwd")).toString();
    for (const QString &column : Administrators::rightColumns())
        if (SqlValues::toBool(q.value(column)))
            a.rightsOn << column;
    return a;
}

QStringList adminNames(SharedConnection &db)
{
    QStringList names = SignIn::operatorNames(db);
    names.sort();
    return names;
}

void addOperator(SharedConnection &db, const QString &name, const QString &pwd)
{
    Administrators::Administrator a;
    a.name = name;
    QVERIFY(Administrators::insert(db, a).isEmpty());
    db.exec(QStringLiteral("update 管理员 set pwd = ? where AdminName = ?"), {pwd, name});
}

const QString kBrowsing = QStringLiteral("11001--");
} // namespace

class TestAdminWindows : public QObject
{
    Q_OBJECT
private slots:
    // The super administrator cannot be deleted or renamed; its rights can be changed.
    void superAdministrator_data() { TestDatabase::addEngines(); }
    void superAdministrator()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        MessageRecorder messages;
        TAdminFm window(t.db());
        AdminControls c(&window);
        QCOMPARE(window.windowTitle(), QStringLiteral("系统管理员权限设置"));
        QCOMPARE(c.state(), kBrowsing);
        QVERIFY(c.select(kSuper));
        QCOMPARE(c.name()->text(), kSuper);
        QVERIFY(c.box(QStringLiteral("qxAdmin"))->isChecked());

        c.press(3);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("超级管理员 不能删除！")});
        QVERIFY(stored(t.db(), kSuper).found);

        c.press(2);
        QCOMPARE(c.state(), QStringLiteral("00110-R"));
        c.box(QStringLiteral("qxModifyStock"))->setChecked(false);
        c.press(5);
        QCOMPARE(c.state(), kBrowsing);
        StoredAdmin a = stored(t.db(), kSuper);
        QVERIFY(a.found);
        QVERIFY(!a.rightsOn.contains(QStringLiteral("qxModifyStock")));
        QVERIFY(a.rightsOn.contains(QStringLiteral("qxadmin")));

        // The rule holds in the core too, whatever name it is given.
        Administrators::Administrator renamed;
        renamed.name = QStringLiteral("别名");
        QVERIFY(Administrators::update(t.db(), kSuper, renamed).isEmpty());
        QCOMPARE(adminNames(t.db()), QStringList{kSuper});
        QCOMPARE(Administrators::remove(t.db(), kSuper), QStringLiteral("超级管理员 不能删除！"));
        QCOMPARE(adminNames(t.db()), QStringList{kSuper});
    }

    // A new operator: the name is required, the password is 8316 and no right is set;
    // he signs in with it and has no rights until some are ticked and saved.
    void newAdministrator_data() { TestDatabase::addEngines(); }
    void newAdministrator()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        MessageRecorder messages;
        TAdminFm window(t.db());
        AdminControls c(&window);
        c.press(1);
        QCOMPARE(c.state(), QStringLiteral("00110NR"));
        QCOMPARE(c.name()->text(), QString());
        for (const Administrators::RightBox &box : Administrators::rightBoxes())
            QVERIFY2(!c.box(box.column)->isChecked(), qPrintable(box.column));
        c.press(5);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("用户名必须填写！")});
        QCOMPARE(c.state(), QStringLiteral("00110NR"));
        QCOMPARE(adminNames(t.db()), QStringList{kSuper});

        c.name()->setText(QStringLiteral("小王"));
        c.press(5);
        QCOMPARE(c.state(), kBrowsing);
        StoredAdmin a = stored(t.db(), QStringLiteral("小王"));
        QVERIFY(a.found);
        QCOMPARE(a.pwd, QStringLiteral("8316"));
        QCOMPARE(a.rightsOn, QStringList());
        QCOMPARE(c.name()->text(), QStringLiteral("小王"));

        LoginSession s;
        QVERIFY(SignIn::signIn(t.db(), s, QStringLiteral("小王"), QStringLiteral("8316")).ok);
        for (int i = 0; i < Rights::names().size(); ++i)
            QVERIFY2(!s.rights.value(i), qPrintable(Rights::names()[i]));

        // Rights ticked and saved take effect at the next sign-in; the rename is by key.
        QVERIFY(c.select(QStringLiteral("小王")));
        c.press(2);
        QCOMPARE(c.state(), QStringLiteral("00110NR"));
        c.name()->setText(QStringLiteral("小李"));
        c.box(QStringLiteral("qxborrow"))->setChecked(true);
        c.press(5);
        QCOMPARE(adminNames(t.db()), (QStringList{QStringLiteral("小李"), kSuper}));
        QCOMPARE(stored(t.db(), QStringLiteral("小李")).rightsOn, QStringList{QStringLiteral("qxborrow")});
        LoginSession again;
        QVERIFY(SignIn::signIn(t.db(), again, QStringLiteral("小李"), QStringLiteral("8316")).ok);
        QVERIFY(again.rights.qxborrow);
        QVERIFY(!again.rights.qxadmin);
    }

    // Each box writes its own column and no other.
    void eachBoxWritesItsColumn_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("caption");
        for (const char *engine : {"sqlite", "postgresql"})
            for (const Administrators::RightBox &box : Administrators::rightBoxes())
                QTest::addRow("%s %s", engine, qPrintable(box.column))
                    << QString::fromLatin1(engine) << box.column << box.caption;
    }
    void eachBoxWritesItsColumn()
    {
        QFETCH(QString, engine);
        QFETCH(QString, column);
        QFETCH(QString, caption);
        OPEN_TEST_DATABASE(t, engine);
        MessageRecorder messages;
        TAdminFm window(t.db());
        AdminControls c(&window);
        c.press(1);
        c.name()->setText(QStringLiteral("甲"));
        QCOMPARE(c.box(column)->text(), caption);
        c.box(column)->setChecked(true);
        c.press(5);
        const StoredAdmin a = stored(t.db(), QStringLiteral("甲"));
        QCOMPARE(a.rightsOn.size(), 1);
        QCOMPARE(a.rightsOn.first().toLower(), column.toLower());
        // And it shows again as ticked when the row is current.
        QVERIFY(c.select(kSuper));
        QVERIFY(c.select(QStringLiteral("甲")));
        for (const Administrators::RightBox &box : Administrators::rightBoxes())
            QCOMPARE(c.box(box.column)->isChecked(), box.column == column);
    }

    // Deleting another operator asks with his name; No keeps him. 取消 after 添加 writes
    // nothing. A duplicate name is refused by the database and stays in editing.
    void deleteCancelDuplicate_data() { TestDatabase::addEngines(); }
    void deleteCancelDuplicate()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        MessageRecorder messages;
        addOperator(t.db(), QStringLiteral("小张"), QStringLiteral("8316"));
        TAdminFm window(t.db());
        AdminControls c(&window);
        QVERIFY(c.select(QStringLiteral("小张")));
        messages.answers << false;
        c.press(3);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("您是否要删除\" 小张\"")});
        QCOMPARE(adminNames(t.db()).size(), 2);

        c.press(1);
        c.name()->setText(QStringLiteral("小赵"));
        c.press(4);
        QCOMPARE(c.state(), kBrowsing);
        QCOMPARE(adminNames(t.db()).size(), 2);
        QCOMPARE(c.grid()->model()->rowCount(), 2);

        messages.clear();
        c.press(1);
        c.name()->setText(QStringLiteral("小张"));
        c.press(5);
        QCOMPARE(messages.texts.size(), 1);
        QCOMPARE(c.state(), QStringLiteral("00110NR"));
        c.press(4);

        QVERIFY(c.select(QStringLiteral("小张")));
        messages.clear();
        c.press(3);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("您是否要删除\" 小张\"")});
        QCOMPARE(adminNames(t.db()), QStringList{kSuper});
        QCOMPARE(c.grid()->model()->rowCount(), 1);
        QCOMPARE(c.name()->text(), kSuper);
    }

    // The password window: the old password compares exactly (letter case included),
    // it is checked before the confirmation, an empty new password is accepted.
    void changePassword_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("oldTyped");
        QTest::addColumn<QString>("newTyped");
        QTest::addColumn<QString>("confirmTyped");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("storedAfter");
        for (const char *e : {"sqlite", "postgresql"}) {
            const QString en = QString::fromLatin1(e);
            QTest::addRow("%s changed", e) << en << "Abc9" << "New1" << "New1" << "修改成功！" << "New1";
            QTest::addRow("%s empty new", e) << en << "Abc9" << "" << "" << "修改成功！" << "";
            QTest::addRow("%s wrong old", e) << en << "xyz" << "New1" << "New1" << "旧密码输入错误！" << "Abc9";
            QTest::addRow("%s other case", e) << en << "ABC9" << "New1" << "New1" << "旧密码输入错误！" << "Abc9";
            QTest::addRow("%s empty old", e) << en << "" << "New1" << "New1" << "旧密码输入错误！" << "Abc9";
            QTest::addRow("%s differ", e) << en << "Abc9" << "New1" << "new1" << "两次输入的新密码不一致！"
                                          << "Abc9";
            QTest::addRow("%s wrong and differ", e)
                << en << "abc9" << "New1" << "New2" << "旧密码输入错误！" << "Abc9";
        }
    }
    void changePassword()
    {
        QFETCH(QString, engine);
        QFETCH(QString, oldTyped);
        QFETCH(QString, newTyped);
        QFETCH(QString, confirmTyped);
        QFETCH(QString, message);
        QFETCH(QString, storedAfter);
        OPEN_TEST_DATABASE(t, engine);
        MessageRecorder messages;
        addOperator(t.db(), QStringLiteral("小王"), QStringLiteral("Abc9"));
        addOperator(t.db(), QStringLiteral("小李"), QStringLiteral("Abc9"));
        LoginSession s;
        s.OperatorName = QStringLiteral("小王");
        TChangePwdFm window(t.db(), s);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("修改密码"));
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Label2"))->text(), QStringLiteral("小王"));
        const QList<QLineEdit *> edits{window.findChild<QLineEdit *>(QStringLiteral("Edit1")),
                                       window.findChild<QLineEdit *>(QStringLiteral("Edit2")),
                                       window.findChild<QLineEdit *>(QStringLiteral("Edit3"))};
        const QStringList typed{oldTyped, newTyped, confirmTyped};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(edits[i]->text(), QString());
            QCOMPARE(edits[i]->echoMode(), QLineEdit::Password);
            edits[i]->setText(typed[i]);
        }
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList{message});
        QCOMPARE(stored(t.db(), QStringLiteral("小王")).pwd, storedAfter);
        QCOMPARE(stored(t.db(), QStringLiteral("小李")).pwd, QStringLiteral("Abc9"));
        const bool changed = message == QStringLiteral("修改成功！");
        QCOMPARE(window.isVisible(), !changed);
        if (changed) {
            QCOMPARE(window.result(), int(QDialog::Accepted));
            LoginSession after;
            QVERIFY(SignIn::signIn(t.db(), after, QStringLiteral("小王"), storedAfter).ok);
        }
    }

    // Each menu item of these windows opens its window (closed again at once).
    void menuOpensWindow_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("title");
        const char *const cases[][2] = {
            {"修改密码", "修改密码"},           {"管理员日志", "管理员日志"},
            {"系统管理员权限设置", "系统管理员权限设置"}, {"图书分类设置", "分类设置"},
            {"二级分类设置", "二级分类设置"},   {"出版社名设置", "出版社名设置"},
            {"单位/部门名", "单位/部门名称设置"}, {"存放位置", "存放位置名设置"},
            {"证件名设置", "证件名设置"},       {"币种名设置", "币种设置"},
            {"保密级别设置", "保密级别"},       {"a2设置", "a2"},
            {"a3设置", "a3"},
        };
        for (const auto &c : cases)
            QTest::newRow(c[0]) << QString::fromUtf8(c[0]) << QString::fromUtf8(c[1]);
    }
    void menuOpensWindow()
    {
        QFETCH(QString, caption);
        QFETCH(QString, title);
        TestDatabase t(QStringLiteral("sqlite"));
        MessageRecorder messages;
        LoginSession s;
        for (int i = 0; i < Rights::names().size(); ++i)
            s.rights.setValue(i, true);
        s.OperatorName = kSuper;
        s.switches.a1Caption = QStringLiteral("保密级别");
        TMainFm window(t.db(), s);
        QAction *action = window.command(caption);
        QVERIFY(action);
        QVERIFY(action->isEnabled());
        QString opened;
        QTimer::singleShot(0, [&opened] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                opened = modal->windowTitle();
                modal->close();
            }
        });
        action->trigger();
        QCOMPARE(opened, title);
        QVERIFY(messages.texts.isEmpty());
    }

    // 关闭 closes without a change.
    void closeWithoutChange()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        MessageRecorder messages;
        LoginSession s;
        s.OperatorName = kSuper;
        TChangePwdFm window(t.db(), s);
        window.show();
        window.findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("8316"));
        window.findChild<QLineEdit *>(QStringLiteral("Edit2"))->setText(QStringLiteral("1"));
        window.findChild<QLineEdit *>(QStringLiteral("Edit3"))->setText(QStringLiteral("1"));
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("Button2")), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QVERIFY(messages.texts.isEmpty());
        QCOMPARE(stored(t.db(), kSuper).pwd, QStringLiteral("8316"));
    }
};

QTEST_MAIN(TestAdminWindows)
#include "tst_admin_windows.moc"
