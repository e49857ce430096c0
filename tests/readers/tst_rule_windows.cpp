// SPDX-License-Identifier: MIT
// The reader categories and item levels windows: add, modify, save, cancel, delete.
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "foundation/LoginSession.h"
#include "foundation/Money.h"
#include "readers/RdKindUt.h"
#include "readers/RentLevelUt.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {
QStringList rowsOf(SharedConnection &db, const QString &sql)
{
    QStringList rows;
    QSqlQuery q = db.exec(sql);
    while (q.next()) {
        QStringList cells;
        for (int i = 0; i < 4 && q.value(i).isValid(); ++i) {
            Money m; // numbers in their shortest form on both engines
            cells << (i > 0 && Money::parse(q.value(i).toString(), &m) ? m.toString() : q.value(i).toString());
        }
        rows << cells.join(QLatin1Char('|'));
    }
    rows.sort();
    return rows;
}

std::unique_ptr<LendingRuleEditorDialog> openWindow(const QString &which, SharedConnection &db, LoginSession &s)
{
    if (which == QLatin1String("categories"))
        return std::make_unique<TRdKindFm>(db, s);
    return std::make_unique<TRentLevelFm>(db, s);
}

struct Controls {
    explicit Controls(QWidget *w) : w(w) {}
    QWidget *w;
    QToolButton *tool(int n) const { return w->findChild<QToolButton *>(QStringLiteral("ToolButton%1").arg(n)); }
    QLineEdit *edit(int n) const { return w->findChild<QLineEdit *>(QStringLiteral("DBEdit%1").arg(n)); }
    QTableWidget *grid() const { return w->findChild<QTableWidget *>(QStringLiteral("dxDBGrid1")); }
    QGroupBox *group() const { return w->findChild<QGroupBox *>(QStringLiteral("GroupBox1")); }
    // 添加, 修改, 保存, 取消, 删除 enabled, and the edit group.
    QString state() const
    {
        QString s;
        for (int n : {1, 2, 5, 4, 3})
            s += tool(n)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s + (group()->isEnabled() ? QStringLiteral("+") : QStringLiteral("-"));
    }
    void select(const QString &name) const
    {
        for (int r = 0; r < grid()->rowCount(); ++r)
            if (grid()->item(r, 0) && grid()->item(r, 0)->text() == name)
                grid()->setCurrentCell(r, 0);
    }
};
} // namespace

class TestRuleWindows : public QObject
{
    Q_OBJECT

    static void addCases()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("which");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("table");
        for (const char *e : {"sqlite", "postgresql"}) {
            const QString en = QString::fromLatin1(e);
            QTest::addRow("%s categories", e) << en << "categories" << QStringList{"60", "10", "0.5"}
                                              << "select 类别名,借阅天数,借阅数量限制,租金 from 读者类别";
            QTest::addRow("%s levels", e) << en << "levels" << QStringList{"2.5", "1"}
                                          << "select 名称,租金,可借数量 from 物品级别";
        }
    }

private slots:
    void addThenModify_data() { addCases(); }
    void addThenModify()
    {
        QFETCH(QString, engine);
        QFETCH(QString, which);
        QFETCH(QStringList, values);
        QFETCH(QString, table);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        MessageRecorder messages;
        LoginSession session;
        auto window = openWindow(which, db, session);
        window->show();
        const Controls c(window.get());
        QCOMPARE(c.state(), QStringLiteral("11001-"));
        QCOMPARE(c.edit(1)->text(), QStringLiteral("普通"));

        c.tool(1)->click();
        QCOMPARE(c.state(), QStringLiteral("00110+"));
        QVERIFY(c.edit(1)->text().isEmpty());
        // An empty name is refused and the window stays in editing.
        c.tool(5)->click();
        QCOMPARE(messages.texts, QStringList{QStringLiteral("请填写完整！")});
        QCOMPARE(c.state(), QStringLiteral("00110+"));
        c.edit(1)->setText(QStringLiteral("教师"));
        for (int i = 0; i < values.size(); ++i)
            c.edit(i + 2)->setText(values.at(i));
        c.tool(5)->click();
        QCOMPARE(c.state(), QStringLiteral("11001-"));
        const QString expected = QStringLiteral("教师|") + values.join(QLatin1Char('|'));
        QVERIFY2(rowsOf(db, table).contains(expected), qPrintable(rowsOf(db, table).join(',')));
        QCOMPARE(c.grid()->rowCount(), 2);

        // Modify: categories keep the name editable, levels keep their name.
        c.select(QStringLiteral("教师"));
        c.tool(2)->click();
        QCOMPARE(c.state(), QStringLiteral("00110+"));
        QCOMPARE(c.edit(1)->isEnabled(), which == QLatin1String("categories"));
        c.edit(2)->setText(QStringLiteral("7"));
        if (which == QLatin1String("categories"))
            c.edit(1)->setText(QStringLiteral("老师"));
        c.tool(5)->click();
        const QString name = which == QLatin1String("categories") ? QStringLiteral("老师") : QStringLiteral("教师");
        QVERIFY2(rowsOf(db, table).contains(name + QStringLiteral("|7|") + values.mid(1).join(QLatin1Char('|'))),
                 qPrintable(rowsOf(db, table).join(',')));
        QCOMPARE(rowsOf(db, table).size(), 2);

        // 添加 after a modify starts with the name box enabled; 取消 writes nothing.
        c.tool(2)->click();
        c.tool(4)->click();
        c.tool(1)->click();
        QVERIFY(c.edit(1)->isEnabled());
        c.edit(1)->setText(QStringLiteral("x"));
        c.tool(4)->click();
        QCOMPARE(c.state(), QStringLiteral("11001-"));
        QCOMPARE(rowsOf(db, table).size(), 2);
        QCOMPARE(c.grid()->rowCount(), 2);
    }

    // A duplicate name is the database's refusal: the message, and the row stays in edit.
    void duplicateStaysInEdit_data() { addCases(); }
    void duplicateStaysInEdit()
    {
        QFETCH(QString, engine);
        QFETCH(QString, which);
        QFETCH(QStringList, values);
        QFETCH(QString, table);
        OPEN_TEST_DATABASE(t, engine);
        MessageRecorder messages;
        LoginSession session;
        auto window = openWindow(which, t.db(), session);
        const Controls c(window.get());
        c.tool(1)->click();
        c.edit(1)->setText(QStringLiteral("普通"));
        for (int i = 0; i < values.size(); ++i)
            c.edit(i + 2)->setText(values.at(i));
        c.tool(5)->click();
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(!messages.last().isEmpty());
        QCOMPARE(c.state(), QStringLiteral("00110+"));
        QCOMPARE(rowsOf(t.db(), table).size(), 1);
    }

    void deletion_data() { addCases(); }
    void deletion()
    {
        QFETCH(QString, engine);
        QFETCH(QString, which);
        QFETCH(QStringList, values);
        QFETCH(QString, table);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        MessageRecorder messages;
        LoginSession session;
        auto window = openWindow(which, db, session);
        const Controls c(window.get());
        c.tool(1)->click();
        c.edit(1)->setText(QStringLiteral("珍本"));
        for (int i = 0; i < values.size(); ++i)
            c.edit(i + 2)->setText(values.at(i));
        c.tool(5)->click();

        c.select(QStringLiteral("普通"));
        c.tool(3)->click();
        QCOMPARE(messages.last(), which == QLatin1String("categories") ? QStringLiteral("(普通)不能删除！")
                                                                      : QStringLiteral("\"普通\"类型必须保留!"));
        c.select(QStringLiteral("珍本"));
        messages.answers.enqueue(false);
        c.tool(3)->click();
        QCOMPARE(messages.last(), QStringLiteral("您是否要删除\" 珍本\""));
        QCOMPARE(rowsOf(db, table).size(), 2);
        c.tool(3)->click(); // Yes
        QCOMPARE(rowsOf(db, table).size(), 1);
        QCOMPARE(c.grid()->rowCount(), 1);
    }
};

QTEST_MAIN(TestRuleWindows)
#include "tst_rule_windows.moc"
