// SPDX-License-Identifier: MIT
// The ten code-table windows: the states of the tool bar, the messages, the
// at-least-one-row rule, and the rows written by key, on both engines.
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "foundation/LoginSession.h"
#include "reftables/BkKindUt.h"
#include "reftables/Bk2KindUt.h"
#include "reftables/CodeTableEditor.h"
#include "reftables/DepartMentUt.h"
#include "reftables/MoneyKindUt.h"
#include "reftables/PaperUt.h"
#include "reftables/PlaceUt.h"
#include "reftables/PubUt.h"
#include "reftables/a1Ut.h"
#include "reftables/a2Ut.h"
#include "reftables/a3Ut.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {
struct WindowCase {
    const char *key;
    const char *table;
    const char *column; // the name column
    const char *caption;
};
const WindowCase kWindows[] = {
    {"BkKind", "分类", "名称", "分类设置"},
    {"Bk2Kind", "二级分类", "名称", "二级分类设置"},
    {"Pub", "出版社名", "出版社名", "出版社名设置"},
    {"DepartMent", "单位名称", "单位名称", "单位/部门名称设置"},
    {"Place", "存放位置", "存放位置名", "存放位置名设置"},
    {"Paper", "证件名", "证件名", "证件名设置"},
    {"MoneyKind", "币种", "币种", "币种设置"},
    {"a1", "a1", "名称", "保密级别"},
    {"a2", "a2", "名称", "语种"},
    {"a3", "a3", "名称", "a3"},
};

std::unique_ptr<CodeTableEditorWidget> openWindow(const QString &key, SharedConnection &db,
                                                  const LoginSession &s)
{
    if (key == QLatin1String("BkKind"))
        return std::make_unique<TBkKindFm>(db);
    if (key == QLatin1String("Bk2Kind"))
        return std::make_unique<TBk2KindFm>(db);
    if (key == QLatin1String("Pub"))
        return std::make_unique<TPubFm>(db);
    if (key == QLatin1String("DepartMent"))
        return std::make_unique<TDepartMentFm>(db);
    if (key == QLatin1String("Place"))
        return std::make_unique<TPlaceFm>(db);
    if (key == QLatin1String("Paper"))
        return std::make_unique<TPaperFm>(db);
    if (key == QLatin1String("MoneyKind"))
        return std::make_unique<TMoneyKindFm>(db);
    if (key == QLatin1String("a1"))
        return std::make_unique<Ta1Fm>(db, s);
    if (key == QLatin1String("a2"))
        return std::make_unique<Ta2Fm>(db, s);
    return std::make_unique<Ta3Fm>(db, s);
}

LoginSession captions()
{
    LoginSession s;
    s.switches.a1Caption = QStringLiteral("保密级别");
    s.switches.a2Caption = QStringLiteral("语种");
    return s;
}

// The values of a column, sorted, with Null as "<null>".
QStringList column(SharedConnection &db, const QString &table, const QString &name)
{
    QStringList values;
    QSqlQuery q = db.exec(QStringLiteral("select %1 from %2").arg(name, table));
    while (q.next())
        values << (q.value(0).isNull() ? QStringLiteral("<null>") : q.value(0).toString());
    values.sort();
    return values;
}

struct Controls {
    explicit Controls(QWidget *w) : w(w) {}
    QWidget *w;
    QToolButton *tool(int n) const { return w->findChild<QToolButton *>(QStringLiteral("ToolButton%1").arg(n)); }
    QLineEdit *edit(int n) const { return w->findChild<QLineEdit *>(QStringLiteral("DBEdit%1").arg(n)); }
    QTableView *grid() const { return w->findChild<QTableView *>(QStringLiteral("DBGrid1")); }
    QGroupBox *group() const { return w->findChild<QGroupBox *>(QStringLiteral("GroupBox1")); }
    int rows() const { return grid()->model()->rowCount(); }
    QString cell(int row, int col) const { return grid()->model()->index(row, col).data().toString(); }
    int currentRow() const
    {
        const QModelIndexList rows = grid()->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() : -1;
    }
    // 添加, 修改, 保存, 取消, 删除 enabled ('1') or not, then the edit group (+/-).
    QString state() const
    {
        QString s;
        for (int n : {1, 2, 5, 4, 3})
            s += tool(n)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s + (group()->isEnabled() ? QStringLiteral("+") : QStringLiteral("-"));
    }
    void press(int n) const { QTest::mouseClick(tool(n), Qt::LeftButton); }
    void type(int n, const QString &text) const { edit(n)->setText(text); }
    // Makes the row whose list column col shows text current, as a click would.
    bool select(const QString &text, int col = 0) const
    {
        for (int r = 0; r < rows(); ++r)
            if (cell(r, col) == text) {
                grid()->setCurrentIndex(grid()->model()->index(r, col));
                return true;
            }
        return false;
    }
};

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

const QString kBrowsing = QStringLiteral("11001-");
const QString kEditing = QStringLiteral("00110+");
} // namespace

class TestCodeTables : public QObject
{
    Q_OBJECT

    static void addWindowCases()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        for (const char *engine : {"sqlite", "postgresql"})
            for (const WindowCase &w : kWindows)
                QTest::addRow("%s %s", engine, w.key)
                    << QString::fromLatin1(engine) << QString::fromLatin1(w.key) << QString::fromUtf8(w.table)
                    << QString::fromUtf8(w.column) << QString::fromUtf8(w.caption);
    }

private slots:
    // Each window through a whole cycle: open, add (refused empty, then saved), modify,
    // delete answered No and Yes, down to the last row, which cannot be deleted.
    void editCycle_data() { addWindowCases(); }
    void editCycle()
    {
        QFETCH(QString, engine);
        QFETCH(QString, key);
        QFETCH(QString, table);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        OPEN_TEST_DATABASE(t, engine);
        MessageRecorder messages;
        const LoginSession s = captions();
        auto window = openWindow(key, t.db(), s);
        window->show();
        Controls c(window.get());
        const int nameCol = key == QLatin1String("Pub") ? 1 : 0;

        QCOMPARE(window->windowTitle(), caption);
        const QStringList seeded = column(t.db(), table, name);
        QCOMPARE(c.rows(), seeded.size());
        QCOMPARE(c.state(), kBrowsing);
        QCOMPARE(c.currentRow(), 0);
        QCOMPARE(c.edit(1)->text(), c.cell(0, nameCol));
        QVERIFY(!c.tool(6)->isVisible()); // 打印报表 is hidden

        // 添加: an empty pending row, current; an empty name is refused.
        c.press(1);
        QCOMPARE(c.state(), kEditing);
        QCOMPARE(c.rows(), seeded.size() + 1);
        QCOMPARE(c.currentRow(), seeded.size());
        QCOMPARE(c.edit(1)->text(), QString());
        c.press(5);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("请填写完整！")});
        QCOMPARE(c.state(), kEditing);
        QCOMPARE(column(t.db(), table, name), seeded);

        // A quote or apostrophe is stored as typed.
        const QString added = QStringLiteral("新'值\"一");
        c.type(1, added);
        c.press(5);
        QCOMPARE(c.state(), kBrowsing);
        QCOMPARE(column(t.db(), table, name), sorted(QStringList(seeded) << added));
        QCOMPARE(c.rows(), seeded.size() + 1);
        QCOMPARE(c.cell(c.currentRow(), nameCol), added);
        QCOMPARE(c.edit(1)->text(), added);

        // 修改 renames by the key: the old name is gone, the others untouched.
        c.press(2);
        QCOMPARE(c.state(), kEditing);
        QCOMPARE(c.edit(1)->text(), added);
        const QString renamed = QStringLiteral("改名后");
        c.type(1, renamed);
        c.press(5);
        QCOMPARE(c.state(), kBrowsing);
        QCOMPARE(column(t.db(), table, name), sorted(QStringList(seeded) << renamed));
        QCOMPARE(c.edit(1)->text(), renamed);

        // 删除 asks with the name; No keeps the row, Yes deletes it.
        messages.clear();
        messages.answers << false;
        c.press(3);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("您是否要删除\" 改名后\"")});
        QCOMPARE(column(t.db(), table, name), sorted(QStringList(seeded) << renamed));
        c.press(3);
        QCOMPARE(column(t.db(), table, name), seeded);
        QCOMPARE(c.rows(), seeded.size());
        QVERIFY(c.currentRow() >= 0);
        QCOMPARE(c.edit(1)->text(), c.cell(c.currentRow(), nameCol));

        // Deleting down to one row, which stays.
        while (c.rows() > 1) {
            const int before = c.rows();
            c.press(3);
            QCOMPARE(c.rows(), before - 1);
        }
        messages.clear();
        c.press(3);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("至少留有一个！！")});
        QCOMPARE(column(t.db(), table, name).size(), 1);
        QCOMPARE(c.state(), kBrowsing);
    }

    // 取消 after 添加 or 修改 leaves the table as it was and the window browsing.
    void cancel_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<int>("button");
        for (const char *engine : {"sqlite", "postgresql"}) {
            QTest::addRow("%s add", engine) << QString::fromLatin1(engine) << 1;
            QTest::addRow("%s modify", engine) << QString::fromLatin1(engine) << 2;
        }
    }
    void cancel()
    {
        QFETCH(QString, engine);
        QFETCH(int, button);
        OPEN_TEST_DATABASE(t, engine);
        MessageRecorder messages;
        t.db().exec(QStringLiteral("insert into 存放位置 (存放位置名) values (?)"), {QStringLiteral("阅览室")});
        TPlaceFm window(t.db());
        Controls c(&window);
        QVERIFY(c.select(QStringLiteral("阅览室")));
        c.press(button);
        c.type(1, QStringLiteral("不要了"));
        c.press(4);
        QCOMPARE(c.state(), kBrowsing);
        QCOMPARE(c.rows(), 2);
        QCOMPARE(column(t.db(), QStringLiteral("存放位置"), QStringLiteral("存放位置名")),
                 (QStringList{QStringLiteral("书库"), QStringLiteral("阅览室")}));
        QCOMPARE(c.edit(1)->text(), QStringLiteral("阅览室"));
        QCOMPARE(c.cell(c.currentRow(), 0), QStringLiteral("阅览室"));
        QVERIFY(messages.texts.isEmpty());
    }

    // Only empty text is refused: blanks are a name. A duplicate is refused by the
    // database's unique key, whose message is shown while the row stays in editing.
    void blanksAndDuplicates_data() { TestDatabase::addEngines(); }
    void blanksAndDuplicates()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        MessageRecorder messages;
        TMoneyKindFm window(t.db());
        Controls c(&window);
        c.press(1);
        c.type(1, QStringLiteral("  "));
        c.press(5);
        QVERIFY(messages.texts.isEmpty());
        QCOMPARE(column(t.db(), QStringLiteral("币种"), QStringLiteral("币种")),
                 (QStringList{QStringLiteral("  "), QStringLiteral("人民币")}));

        c.press(1);
        c.type(1, QStringLiteral("人民币"));
        c.press(5);
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(!messages.texts.first().isEmpty());
        QCOMPARE(c.state(), kEditing);
        QCOMPARE(c.edit(1)->text(), QStringLiteral("人民币"));
        c.type(1, QStringLiteral("美元"));
        c.press(5);
        QCOMPARE(c.state(), kBrowsing);
        QCOMPARE(column(t.db(), QStringLiteral("币种"), QStringLiteral("币种")),
                 (QStringList{QStringLiteral("  "), QStringLiteral("人民币"), QStringLiteral("美元")}));
    }

    // Renaming a code changes neither the books that hold the old text nor the other rows.
    void renameTouchesOnlyItsRow_data() { TestDatabase::addEngines(); }
    void renameTouchesOnlyItsRow()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        MessageRecorder messages;
        t.db().exec(QStringLiteral("insert into 分类 (名称) values (?)"), {QStringLiteral("文学")});
        t.db().exec(QStringLiteral("insert into 图书 (编号, 名称, 分类) values (?, ?, ?)"),
                    {QStringLiteral("B1"), QStringLiteral("红楼梦"), QStringLiteral("文学")});
        TBkKindFm window(t.db());
        Controls c(&window);
        QVERIFY(c.select(QStringLiteral("文学")));
        QCOMPARE(c.edit(1)->text(), QStringLiteral("文学"));
        c.press(2);
        c.type(1, QStringLiteral("小说"));
        c.press(5);
        QCOMPARE(column(t.db(), QStringLiteral("分类"), QStringLiteral("名称")),
                 (QStringList{QStringLiteral("小说"), QStringLiteral("综合")}));
        QCOMPARE(column(t.db(), QStringLiteral("图书"), QStringLiteral("分类")), QStringList{QStringLiteral("文学")});
        QCOMPARE(c.cell(c.currentRow(), 0), QStringLiteral("小说"));
    }

    // The publisher window: the list's three columns in their order, three boxes with
    // only the name required, a sort by a click on a column head, and a delete question
    // that names the publisher.
    void publisher_data() { TestDatabase::addEngines(); }
    void publisher()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        MessageRecorder messages;
        TPubFm window(t.db());
        window.show();
        Controls c(&window);
        QAbstractItemModel *model = c.grid()->model();
        QCOMPARE(model->columnCount(), 3);
        QStringList heads;
        for (int i = 0; i < 3; ++i)
            heads << model->headerData(i, Qt::Horizontal).toString();
        QCOMPARE(heads, (QStringList{QStringLiteral("ISBN"), QStringLiteral("出版社名"), QStringLiteral("出版地")}));
        QCOMPARE(c.grid()->selectionBehavior(), QAbstractItemView::SelectRows);

        // A new publisher with the name only: ISBN and 出版地 stay Null.
        c.press(1);
        QVERIFY(c.edit(2) && c.edit(3));
        c.type(1, QStringLiteral("无名出版社"));
        c.press(5);
        QVERIFY(messages.texts.isEmpty());
        QSqlQuery q = t.db().exec(QStringLiteral("select ISBN, 出版地 from 出版社名 where 出版社名 = ?"),
                                  {QStringLiteral("无名出版社")});
        QVERIFY(q.next());
        QVERIFY(q.value(0).isNull());
        QVERIFY(q.value(1).isNull());

        // All three boxes are written by 修改.
        QVERIFY(c.select(QStringLiteral("无名出版社"), 1));
        c.press(2);
        c.type(2, QStringLiteral("7-999"));
        c.type(3, QStringLiteral("北京"));
        c.press(5);
        q = t.db().exec(QStringLiteral("select ISBN, 出版地 from 出版社名 where 出版社名 = ?"),
                        {QStringLiteral("无名出版社")});
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("7-999"));
        QCOMPARE(q.value(1).toString(), QStringLiteral("北京"));
        QCOMPARE(c.cell(c.currentRow(), 0), QStringLiteral("7-999"));

        // A click on the ISBN head sorts ascending, a second click descending; the
        // current row stays the same publisher.
        auto isbns = [&] {
            QStringList list;
            for (int r = 0; r < c.rows(); ++r)
                list << c.cell(r, 0);
            return list;
        };
        QStringList ascending = column(t.db(), QStringLiteral("出版社名"), QStringLiteral("ISBN"));
        QStringList descending = ascending;
        std::reverse(descending.begin(), descending.end());
        QHeaderView *header = c.grid()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
        QCOMPARE(isbns(), ascending);
        QCOMPARE(c.edit(1)->text(), QStringLiteral("无名出版社"));
        QCOMPARE(c.cell(c.currentRow(), 1), QStringLiteral("无名出版社"));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
        QCOMPARE(isbns(), descending);
        QCOMPARE(c.cell(c.currentRow(), 1), QStringLiteral("无名出版社"));

        // The question names the publisher (the table's first column), not the ISBN.
        messages.answers << false;
        c.press(3);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("您是否要删除\" 无名出版社\"")});
    }

    // The list and the boxes follow the current row; while editing the list stays put.
    void currentRowFollowsList_data() { TestDatabase::addEngines(); }
    void currentRowFollowsList()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        MessageRecorder messages;
        for (const char *name : {"护照", "学生证"})
            t.db().exec(QStringLiteral("insert into 证件名 (证件名) values (?)"), {QString::fromUtf8(name)});
        TPaperFm window(t.db());
        window.show();
        Controls c(&window);
        QCOMPARE(c.rows(), 3);
        QTest::keyClick(c.grid(), Qt::Key_Down);
        QCOMPARE(c.edit(1)->text(), c.cell(1, 0));
        c.press(2);
        QVERIFY(!c.grid()->isEnabled());
        c.type(1, QStringLiteral("军官证"));
        c.press(5);
        QCOMPARE(c.edit(1)->text(), QStringLiteral("军官证"));
        QCOMPARE(c.cell(c.currentRow(), 0), QStringLiteral("军官证"));
        QVERIFY(c.grid()->isEnabled());
        QCOMPARE(column(t.db(), QStringLiteral("证件名"), QStringLiteral("证件名")).size(), 3);
    }

    // The a1 to a3 windows take their caption from the session each time they show.
    void captionFromSession()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        LoginSession s;
        s.switches.a3Caption = QStringLiteral("装帧");
        Ta3Fm window(t.db(), s);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("装帧"));
        window.hide();
        s.switches.a3Caption = QStringLiteral("开本");
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("开本"));
    }

    // An empty table (emptied outside the window): 删除 does nothing, 修改 starts a new
    // row as 添加 does.
    void emptyTable_data() { TestDatabase::addEngines(); }
    void emptyTable()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        MessageRecorder messages;
        t.db().exec(QStringLiteral("delete from 二级分类"));
        TBk2KindFm window(t.db());
        Controls c(&window);
        QCOMPARE(c.rows(), 0);
        c.press(3);
        QVERIFY(messages.texts.isEmpty());
        c.press(2);
        QCOMPARE(c.state(), kEditing);
        c.type(1, QStringLiteral("散文"));
        c.press(5);
        QCOMPARE(column(t.db(), QStringLiteral("二级分类"), QStringLiteral("名称")), QStringList{QStringLiteral("散文")});
    }
};

QTEST_MAIN(TestCodeTables)
#include "tst_code_tables.moc"
