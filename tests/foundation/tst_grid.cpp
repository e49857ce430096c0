// SPDX-License-Identifier: MIT
// The list grid on both engines: how values are written, sorting and filtering on the
// engine, footers, the current row under keyboard and mouse, refresh, export and print
// rows, and the time to open a 100,000-row result.
#include "MessageRecorder.h"
#include "TestDatabase.h"

#include "foundation/GridModel.h"
#include "foundation/GridQuery.h"
#include "foundation/GridWidget.h"
#include "foundation/Money.h"

#include <QAction>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QSqlRecord>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>

namespace {

struct Book {
    const char *number;
    const char *name;
    const char *kind; // 分类; nullptr for Null
    const char *price; // nullptr for Null
    int copies;
};

// Six books; 价格 has a Null, two equal prices and the classic 0.1 + 0.2.
const QList<Book> kBooks = {
    {"B1", "红楼梦", "文学", "25.5", 2},   {"B2", "三国演义", "文学", "0.1", 1},
    {"B3", "O'Reilly \"Qt\"", "计算机", "0.2", 3}, {"B4", "算法导论", "计算机", "128", 1},
    {"B5", "无名", nullptr, nullptr, 0},   {"B6", "史记", "历史", "25.5", 4},
};

QVariant textOrNull(const char *s)
{
    return s ? QVariant(QString::fromUtf8(s)) : QVariant(QMetaType(QMetaType::QString));
}

void insertBook(const SharedConnection &db, const Book &b)
{
    db.exec(QStringLiteral("insert into 图书 (编号, 名称, 分类, 价格, 数量) values (?, ?, ?, ?, ?)"),
            {QString::fromUtf8(b.number), QString::fromUtf8(b.name), textOrNull(b.kind),
             b.price ? Money::fromText(QString::fromUtf8(b.price)).toSql() : QVariant(QMetaType(QMetaType::QString)),
             b.copies});
}

void insertBooks(const SharedConnection &db)
{
    for (const Book &b : kBooks)
        insertBook(db, b);
}

// 100,000 books in one statement, for the timing.
void insertManyBooks(const SharedConnection &db, int n)
{
    db.exec(QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < ?) "
                           "insert into 图书 (编号, 名称, 分类, 数量, 价格) "
                           "select 'B' || i, '图书' || i, '分类' || (i % 20), i % 5, (i % 1000) * 0.25 from n"),
            {n});
}

QList<GridColumn> bookColumns()
{
    return {GridColumn("编号").count(), GridColumn("名称"), GridColumn("分类"),
            GridColumn("数量").sum(), GridColumn("价格").money().sum(), GridColumn("入库时间").date(),
            GridColumn("简介").hide()};
}

QStringList numbersOf(const GridWidget &grid)
{
    QStringList numbers;
    for (int r = 0; r < grid.rowCount(); ++r)
        numbers << grid.value(r, QStringLiteral("编号")).toString();
    return numbers;
}

QPoint headerPoint(const GridWidget &grid, int column)
{
    const QHeaderView *header = grid.view()->horizontalHeader();
    return QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                  header->height() / 2);
}

QAction *menuAction(QMenu *menu, const QString &text)
{
    for (QAction *a : menu->actions())
        if (a->text() == text)
            return a;
    return nullptr;
}

// A window the grid fills, shown offscreen.
struct Window {
    QWidget widget;
    GridWidget *grid;
    Window()
    {
        auto *layout = new QVBoxLayout(&widget);
        layout->setContentsMargins(0, 0, 0, 0);
        grid = new GridWidget(&widget);
        layout->addWidget(grid);
        widget.resize(900, 500);
        widget.show();
        if (!QTest::qWaitForWindowExposed(&widget))
            qWarning("the test window was not exposed");
    }
};

} // namespace

class TestGrid : public QObject {
    Q_OBJECT

private slots:
    // Footers count without the statement's own trailing order, unless a limit needs it.
    void footerStatementDropsOnlyAFreeOrder_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("keepsOrder");
        QTest::newRow("trailing order") << "select * from 图书 order by 1,2" << false;
        QTest::newRow("order with limit") << "select * from 图书 order by 价格 desc limit 2000" << true;
        QTest::newRow("order inside a subquery") << "select * from (select * from 图书 order by 1 limit 5) as t" << true;
        QTest::newRow("order in a quoted value") << "select * from 图书 where 名称 = 'x order by y'" << true;
        QTest::newRow("no order") << "select * from 图书" << false;
    }
    void footerStatementDropsOnlyAFreeOrder()
    {
        QFETCH(QString, sql);
        QFETCH(bool, keepsOrder);
        GridQuery q;
        q.setStatement(sql);
        const QString aggregate = q.aggregateSql({{GridQuery::Aggregate::CountAll, QString()}});
        QCOMPARE(aggregate.contains(QStringLiteral("order by"), Qt::CaseInsensitive), keepsOrder);
    }

    // How each kind of column writes its values, captions and hidden columns.
    void writesValuesByKind_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        for (const char *engine : {"sqlite", "postgresql"}) {
            auto row = [engine](const char *name) -> QTestData & { return QTest::addRow("%s %s", engine, name) << QString::fromLatin1(engine); };
            row("money two decimals") << "select * from 图书 where 编号 = 'B1'" << "价格" << "25.50";
            row("money exact small") << "select * from 图书 where 编号 = 'B2'" << "价格" << "0.10";
            row("money Null") << "select * from 图书 where 编号 = 'B5'" << "价格" << "";
            row("whole number") << "select * from 图书 where 编号 = 'B6'" << "数量" << "4";
            row("quotes kept") << "select * from 图书 where 编号 = 'B3'" << "名称" << "O'Reilly \"Qt\"";
            row("date") << "select * from 借出记录" << "借阅日期" << "2024-05-01";
            row("date-time") << "select * from 管理员日志" << "日期" << "2024-05-01 08:09:10";
            row("yes/no true") << "select * from 管理员 where AdminName = '超级管理员'" << "qxadmin" << "是";
            row("yes/no false") << "select * from 管理员 where AdminName = 'lisi'" << "qxadmin" << "否";
            row("field the result lacks") << "select 编号 from 图书 where 编号 = 'B1'" << "价格" << "";
            row("aggregate alias by value") << "select count(*) as 记录数 from 图书" << "记录数" << "6";
        }
    }

    void writesValuesByKind()
    {
        QFETCH(QString, engine);
        QFETCH(QString, sql);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        OPEN_TEST_DATABASE(t, engine);
        insertBooks(t.db());
        t.db().exec(QStringLiteral("insert into 借出记录 (读者编号, 借阅日期) values (?, ?)"),
                    {QStringLiteral("R1"), QDate(2024, 5, 1)});
        t.db().exec(QStringLiteral("insert into 管理员日志 (事件, 日期) values (?, ?)"),
                    {QStringLiteral("登录"), QDateTime(QDate(2024, 5, 1), QTime(8, 9, 10))});
        t.db().exec(QStringLiteral("insert into 管理员 (AdminName, pwd, qxadmin) values (?, ?, ?)"),
                    {QStringLiteral("lisi"), QStringLiteral("1"), false});

        GridWidget grid;
        grid.setColumns({GridColumn(field), GridColumn("编号")});
        grid.open(t.db(), sql);
        QCOMPARE(grid.rowCount(), 1);
        QCOMPARE(grid.model()->index(0, 0).data().toString(), expected);
        QCOMPARE(grid.text(field), expected);
    }

    void headsAndHiddenColumns_data() { TestDatabase::addEngines(); }
    void headsAndHiddenColumns()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        const QByteArray photo = QByteArray("BM") + QByteArray(4096, '\x7f');
        t.db().exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名, 单位部门, CardId, 卡内金额, pic) values (?, ?, ?, ?, ?, ?)"),
                    {QStringLiteral("R1"), QStringLiteral("张三"), QStringLiteral("一班"), QStringLiteral("C9"),
                     Money::fromText(QStringLiteral("3.5")).toSql(), photo});
        GridWidget grid;
        grid.setColumns({GridColumn("读者编号").count(), GridColumn("单位部门", "部门"), GridColumn("cardid"),
                         GridColumn("卡内金额").money().hide(), GridColumn("pic")});
        grid.open(t.db(), QStringLiteral("select * from 读者库"));
        const QAbstractItemModel *m = grid.model();
        QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("读者编号"));
        QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("部门"));
        QCOMPARE(m->headerData(2, Qt::Horizontal).toString(), QStringLiteral("CardId")); // the schema's spelling
        QVERIFY(grid.view()->isColumnHidden(3));
        QCOMPARE(grid.visibleFields(), (QStringList{"读者编号", "单位部门", "cardid", "pic"}));
        // A picture shows nothing in its cell and is read when asked for.
        QCOMPARE(grid.model()->index(0, 4).data().toString(), QString());
        QVERIFY(grid.model()->index(0, 4).data(GridModel::ValueRole).isNull()); // not in the page
        QCOMPARE(grid.value(QStringLiteral("PIC")).toByteArray(), photo);
        // Values by name in any case, hidden fields and fields not listed included.
        QCOMPARE(grid.value(QStringLiteral("CARDID")).toString(), QStringLiteral("C9"));
        QCOMPARE(grid.text(QStringLiteral("卡内金额")), QStringLiteral("3.50"));
        QCOMPARE(grid.value(QStringLiteral("读者姓名")).toString(), QStringLiteral("张三"));
        QVERIFY(!grid.value(QStringLiteral("没有这列")).isValid());
        grid.setCaption(QStringLiteral("cardid"), QStringLiteral("卡号"));
        QCOMPARE(m->headerData(2, Qt::Horizontal).toString(), QStringLiteral("卡号"));
        QCOMPARE(grid.exportCaptions().mid(0, 2), (QStringList{"读者编号", "读者姓名"}));
        QVERIFY(grid.exportCaptions().contains(QStringLiteral("CardId")));

        // No column list: every field, headed as the schema spells it.
        GridWidget all;
        all.open(t.db(), QStringLiteral("select 读者编号, cardid from 读者库"));
        QCOMPARE(all.model()->columnCount(), 2);
        QCOMPARE(all.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("CardId"));
    }

    // A click on a head sorts on the engine (up, then down), Null first going up; the
    // statement's own order holds until then.
    void sortsByHeadClick_data() { TestDatabase::addEngines(); }
    void sortsByHeadClick()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        insertBooks(t.db());
        Window w;
        GridWidget &grid = *w.grid;
        grid.setColumns(bookColumns());
        grid.setKeyField(QStringLiteral("编号"));
        grid.open(t.db(), QStringLiteral("select * from 图书 where 数量 >= ? order by 编号 desc"), {0});
        QCOMPARE(numbersOf(grid), (QStringList{"B6", "B5", "B4", "B3", "B2", "B1"}));

        QWidget *heads = grid.view()->horizontalHeader()->viewport();
        QTest::mouseClick(heads, Qt::LeftButton, {}, headerPoint(grid, 4)); // 价格
        QCOMPARE(grid.sortField(), QStringLiteral("价格"));
        QCOMPARE(grid.sortOrder(), Qt::AscendingOrder);
        QCOMPARE(numbersOf(grid), (QStringList{"B5", "B2", "B3", "B1", "B6", "B4"}));
        QCOMPARE(grid.view()->horizontalHeader()->sortIndicatorSection(), 4);

        QTest::mouseClick(heads, Qt::LeftButton, {}, headerPoint(grid, 4));
        QCOMPARE(grid.sortOrder(), Qt::DescendingOrder);
        QCOMPARE(numbersOf(grid), (QStringList{"B4", "B1", "B6", "B3", "B2", "B5"}));

        QTest::mouseClick(heads, Qt::LeftButton, {}, headerPoint(grid, 1)); // 名称 (text)
        QCOMPARE(grid.sortField(), QStringLiteral("名称"));
        QCOMPARE(grid.rowCount(), 6);

        // A new statement keeps the sort.
        grid.open(t.db(), QStringLiteral("select * from 图书 where 分类 = ?"), {QStringLiteral("计算机")});
        grid.sortBy(QStringLiteral("价格"), Qt::DescendingOrder);
        QCOMPARE(numbersOf(grid), (QStringList{"B4", "B3"}));
        grid.open(t.db(), QStringLiteral("select * from 图书 where 分类 = ?"), {QStringLiteral("文学")});
        QCOMPARE(numbersOf(grid), (QStringList{"B1", "B2"}));
        grid.clearSort();
        QVERIFY(grid.sortField().isEmpty());
    }

    // The head's menu lists the column's values; choosing one filters on the engine,
    // with the value bound (quotes in it are harmless); the footers follow the filter.
    void filtersByColumnValues_data() { TestDatabase::addEngines(); }
    void filtersByColumnValues()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        insertBooks(t.db());
        Window w;
        GridWidget &grid = *w.grid;
        grid.setColumns(bookColumns());
        grid.open(t.db(), QStringLiteral("select * from 图书"));

        std::unique_ptr<QMenu> menu(grid.createFilterMenu(2)); // 分类
        QStringList labels;
        for (QAction *a : menu->actions())
            if (a->isCheckable())
                labels << a->text();
        QCOMPARE(labels, (QStringList{"(全部)", "(空白)", "历史", "文学", "计算机"}));
        menuAction(menu.get(), QStringLiteral("文学"))->trigger();
        QCOMPARE(numbersOf(grid), (QStringList{"B1", "B2"}));
        QCOMPARE(grid.footerText(QStringLiteral("编号")), QStringLiteral("2"));
        QCOMPARE(grid.footerText(QStringLiteral("价格")), QStringLiteral("25.60"));
        QVERIFY(grid.findChild<QWidget *>(QStringLiteral("filterBar"))->isVisible());
        QCOMPARE(grid.findChild<QLabel *>(QStringLiteral("filterLabel"))->text(), QStringLiteral("过滤: 分类 = 文学"));

        // A second column's filter applies as well; its menu lists only what is left.
        menu.reset(grid.createFilterMenu(1)); // 名称
        QVERIFY(!menuAction(menu.get(), QStringLiteral("史记")));
        grid.setFilter(QStringLiteral("名称"), {QStringLiteral("三国演义")});
        QCOMPARE(numbersOf(grid), QStringList{"B2"});
        grid.clearFilters();
        QCOMPARE(grid.rowCount(), 6);
        QVERIFY(!grid.findChild<QWidget *>(QStringLiteral("filterBar"))->isVisible());

        // A value with both quote characters, and Null.
        grid.setFilter(QStringLiteral("名称"), {QStringLiteral("O'Reilly \"Qt\"")});
        QCOMPARE(numbersOf(grid), QStringList{"B3"});
        grid.clearFilter(QStringLiteral("名称"));
        menu.reset(grid.createFilterMenu(2));
        menuAction(menu.get(), QStringLiteral("(空白)"))->trigger();
        QCOMPARE(numbersOf(grid), QStringList{"B5"});
        QCOMPARE(grid.footerText(QStringLiteral("价格")), QStringLiteral("0.00"));
        menu.reset(grid.createFilterMenu(2));
        QVERIFY(menuAction(menu.get(), QStringLiteral("(空白)"))->isChecked());
        menuAction(menu.get(), QStringLiteral("(全部)"))->trigger();
        QCOMPARE(grid.rowCount(), 6);

        // A new statement drops the filters.
        grid.setFilter(QStringLiteral("分类"), {QStringLiteral("历史")});
        grid.open(t.db(), QStringLiteral("select * from 图书"));
        QCOMPARE(grid.rowCount(), 6);
        QVERIFY(grid.filteredFields().isEmpty());
    }

    // Footers in the formats the windows ask for, exact for money on both engines.
    void footers_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QStringList>("prices");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("moneySum");
        QTest::addColumn<QString>("count");
        for (const char *engine : {"sqlite", "postgresql"}) {
            auto row = [engine](const char *name) -> QTestData & { return QTest::addRow("%s %s", engine, name) << QString::fromLatin1(engine); };
            row("two decimals") << QStringList{"25", "7.5"} << "" << "32.50" << "2";
            row("0.1 + 0.2 exactly") << QStringList{"0.1", "0.2"} << "" << "0.30" << "2";
            row("four decimals rounded for display") << QStringList{"0.0049", "0.0001"} << "" << "0.01" << "2";
            row("whole-number format") << QStringList{"12.5", "0.4"} << "0" << "13" << "2";
            row("negative") << QStringList{"-4", "1.25"} << "0.00" << "-2.75" << "2";
            row("Null not counted") << QStringList{"5", ""} << "" << "5.00" << "1";
            row("empty") << QStringList{} << "" << "0.00" << "0";
            QStringList many;
            for (int i = 0; i < 1000; ++i)
                many << QStringLiteral("0.01");
            row("a thousand cents") << many << "" << "10.00" << "1000";
        }
    }

    void footers()
    {
        QFETCH(QString, engine);
        QFETCH(QStringList, prices);
        QFETCH(QString, format);
        QFETCH(QString, moneySum);
        QFETCH(QString, count);
        OPEN_TEST_DATABASE(t, engine);
        {
            Transaction tx(t.db());
            for (int i = 0; i < prices.size(); ++i)
                t.db().exec(QStringLiteral("insert into 借出记录 (读者编号, 价格, 实际租期) values (?, ?, ?)"),
                            {QStringLiteral("R%1").arg(i),
                             prices[i].isEmpty() ? QVariant(QMetaType(QMetaType::QString))
                                                 : Money::fromText(prices[i]).toSql(),
                             i});
            tx.commit();
        }
        GridWidget grid;
        grid.setColumns({GridColumn("id").count("0"), GridColumn("价格").money().sum(format),
                         GridColumn("实际租期").sum(), GridColumn("读者编号")});
        grid.open(t.db(), QStringLiteral("select * from 借出记录 where 价格 is not null or 价格 is null"));
        QCOMPARE(grid.footerText(QStringLiteral("价格")), moneySum);
        QCOMPARE(grid.footerText(QStringLiteral("ID")), QString::number(prices.size()));
        QCOMPARE(grid.footerText(QStringLiteral("读者编号")), QString());
        const int n = int(prices.size());
        QCOMPARE(grid.footerText(QStringLiteral("实际租期")), QString::number(n * (n - 1) / 2));
        // A count of a field leaves out its Nulls.
        grid.setColumns({GridColumn("价格").count()});
        grid.refresh();
        QCOMPARE(grid.footerText(QStringLiteral("价格")), count);
        QCOMPARE(grid.count(QStringLiteral("价格")), count.toLongLong());
        Money exact;
        for (const QString &p : prices)
            exact += Money::fromText(p);
        QCOMPARE(grid.moneySum(QStringLiteral("价格")), exact);
    }

    // The current row follows the keyboard and the mouse, with one signal per move,
    // across the pages the rows are read in.
    void currentRowFollowsKeyboardAndMouse_data() { TestDatabase::addEngines(); }
    void currentRowFollowsKeyboardAndMouse()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        const int n = GridModel::kPageSize + 100;
        insertManyBooks(t.db(), n);
        Window w;
        GridWidget &grid = *w.grid;
        grid.setColumns(bookColumns());
        QSignalSpy moved(&grid, &GridWidget::currentRowChanged);
        grid.open(t.db(), QStringLiteral("select * from 图书 order by 数量, 编号"));
        QCOMPARE(grid.rowCount(), n);
        QCOMPARE(moved.size(), 1);
        QCOMPARE(grid.currentRow(), 0);
        QCOMPARE(grid.model()->pagesRead(), 1);
        const QString first = grid.value(QStringLiteral("编号")).toString();

        grid.view()->setFocus();
        QTest::keyClick(grid.view(), Qt::Key_Down);
        QCOMPARE(grid.currentRow(), 1);
        QCOMPARE(moved.size(), 2);
        QCOMPARE(moved.last().at(0).toInt(), 1);
        QVERIFY(grid.value(QStringLiteral("编号")).toString() != first);
        QTest::keyClick(grid.view(), Qt::Key_Up);
        QCOMPARE(grid.value(QStringLiteral("编号")).toString(), first);

        // The last row: read from its own page, values right.
        QTest::keyClick(grid.view(), Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(grid.currentRow(), n - 1);
        QCOMPARE(grid.value(QStringLiteral("数量")).toInt(), 4);
        QCOMPARE(grid.value(QStringLiteral("编号")).toString(), QStringLiteral("B99"));
        QVERIFY(grid.model()->pagesRead() <= 3);

        QTest::keyClick(grid.view(), Qt::Key_Home, Qt::ControlModifier);
        const QRect third = grid.view()->visualRect(grid.model()->index(2, 1));
        const int before = int(moved.size());
        QTest::mouseClick(grid.view()->viewport(), Qt::LeftButton, {}, third.center());
        QCOMPARE(grid.currentRow(), 2);
        QCOMPARE(moved.size(), before + 1);
        QCOMPARE(grid.value(QStringLiteral("编号")).toString(), grid.value(2, QStringLiteral("编号")).toString());

        QSignalSpy activated(&grid, &GridWidget::rowActivated);
        QTest::mouseDClick(grid.view()->viewport(), Qt::LeftButton, {}, third.center());
        QCOMPARE(activated.size(), 1);
        QCOMPARE(activated.first().at(0).toInt(), 2);
        QTest::keyClick(grid.view(), Qt::Key_Down);
        QTest::keyClick(grid.view(), Qt::Key_Return);
        QCOMPARE(activated.size(), 2);
        QCOMPARE(activated.last().at(0).toInt(), 3);

        QVERIFY(grid.locate(QStringLiteral("编号"), QStringLiteral("b600"))); // without regard to case
        QCOMPARE(grid.value(QStringLiteral("编号")).toString(), QStringLiteral("B600"));
        QVERIFY(!grid.locate(QStringLiteral("编号"), QStringLiteral("B601")));
    }

    // Refresh shows the rows as they are now and keeps the current row: by key when the
    // grid has one, else by position.
    void refreshKeepsTheCurrentRow_data() { TestDatabase::addEngines(); }
    void refreshKeepsTheCurrentRow()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        insertBooks(t.db());
        GridWidget grid;
        grid.setColumns(bookColumns());
        grid.setKeyField(QStringLiteral("编号"));
        grid.open(t.db(), QStringLiteral("select * from 图书 order by 编号"));
        grid.sortBy(QStringLiteral("名称"));
        QVERIFY(grid.locate(QStringLiteral("编号"), QStringLiteral("B4")));
        const int row = grid.currentRow();

        // A row that sorts first pushes B4 down; a change to B4 shows.
        insertBook(t.db(), {"B0", "0 开头", "文学", "1", 1});
        t.db().exec(QStringLiteral("update 图书 set 价格 = ? where 编号 = ?"),
                    {Money::fromYuan(99).toSql(), QStringLiteral("B4")});
        QSignalSpy moved(&grid, &GridWidget::currentRowChanged);
        grid.refresh();
        QCOMPARE(grid.rowCount(), 7);
        QCOMPARE(grid.currentRow(), row + 1);
        QCOMPARE(grid.value(QStringLiteral("编号")).toString(), QStringLiteral("B4"));
        QCOMPARE(grid.text(QStringLiteral("价格")), QStringLiteral("99.00"));
        QCOMPARE(moved.size(), 1);
        QCOMPARE(grid.sortField(), QStringLiteral("名称"));

        // The current row gone: the same position.
        t.db().exec(QStringLiteral("delete from 图书 where 编号 = ?"), {QStringLiteral("B4")});
        grid.refresh();
        QCOMPARE(grid.currentRow(), row + 1);
        // Everything gone: no row.
        t.db().exec(QStringLiteral("delete from 图书"));
        grid.refresh();
        QCOMPARE(grid.currentRow(), -1);
        QCOMPARE(moved.last().at(0).toInt(), -1);
        QVERIFY(!grid.value(QStringLiteral("编号")).isValid());
        QCOMPARE(grid.footerText(QStringLiteral("编号")), QStringLiteral("0"));
    }

    // A statement the engine refuses: the message, and the grid keeps its rows. The same
    // for a sort the operator asks for.
    void refusedStatementKeepsTheGrid_data() { TestDatabase::addEngines(); }
    void refusedStatementKeepsTheGrid()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        insertBooks(t.db());
        GridWidget grid;
        grid.setColumns(bookColumns());
        grid.open(t.db(), QStringLiteral("select * from 图书"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, grid.open(t.db(), QStringLiteral("select * from 没有这个表")));
        QCOMPARE(grid.rowCount(), 6);
        QCOMPARE(grid.statement(), QStringLiteral("select * from 图书"));
        grid.refresh();
        QCOMPARE(grid.rowCount(), 6);
    }

    // Export runs the statement again with the sort and filter; print rows are the
    // grid's texts in the grid's order.
    void exportAndPrintRows_data() { TestDatabase::addEngines(); }
    void exportAndPrintRows()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        insertBooks(t.db());
        GridWidget grid;
        grid.setColumns(bookColumns());
        grid.open(t.db(), QStringLiteral("select * from 图书 where 编号 <> ?"), {QStringLiteral("B6")});
        grid.setFilter(QStringLiteral("分类"), {QStringLiteral("文学"), QStringLiteral("计算机")});
        grid.sortBy(QStringLiteral("价格"), Qt::DescendingOrder);

        QSqlQuery q = grid.exportQuery();
        QCOMPARE(q.record().count(), grid.model()->record().count());
        QStringList exported;
        while (q.next())
            exported << q.value(q.record().indexOf(QStringLiteral("编号"))).toString();
        QCOMPARE(exported, (QStringList{"B4", "B1", "B3", "B2"}));

        const QList<QStringList> rows = grid.rowTexts({QStringLiteral("编号"), QStringLiteral("价格")});
        QCOMPARE(rows, (QList<QStringList>{{"B4", "128.00"}, {"B1", "25.50"}, {"B3", "0.20"}, {"B2", "0.10"}}));
        QCOMPARE(grid.rowTexts().first().size(), grid.visibleFields().size());
        QCOMPARE(grid.captions({QStringLiteral("编号"), QStringLiteral("价格")}), (QStringList{"编号", "价格"}));
        QCOMPARE(grid.moneySum(QStringLiteral("价格")), Money::fromText(QStringLiteral("153.8")));
        QCOMPARE(grid.sum(QStringLiteral("数量")).toLongLong(), 7);
    }

    // The grid reads no statement past a call, so a write on the same connection works
    // while rows are still unread, also after another connection wrote (an open SQLite
    // read would hold an old snapshot and fail with "database is locked").
    void unreadRowsDoNotBlockWrites_data() { TestDatabase::addEngines(); }
    void unreadRowsDoNotBlockWrites()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        insertManyBooks(t.db(), 3 * GridModel::kPageSize);
        GridWidget grid;
        grid.setColumns(bookColumns());
        grid.open(t.db(), QStringLiteral("select * from 图书"));
        QVERIFY(grid.model()->pagesRead() < 3);

        SharedConnection other(QStringLiteral("grid-other"));
        QString error;
        QVERIFY2(other.open(ConnectionSettings::parse(t.connectionString()), &error), qPrintable(error));
        other.exec(QStringLiteral("update 图书 set 数量 = 9 where 编号 = ?"), {QStringLiteral("B1")});
        {
            Transaction tx(t.db());
            t.db().exec(QStringLiteral("update 图书 set 数量 = 8 where 编号 = ?"), {QStringLiteral("B2")});
            tx.commit();
        }
        other.close();
        grid.refresh();
        QVERIFY(grid.locate(QStringLiteral("编号"), QStringLiteral("B2")));
        QCOMPARE(grid.value(QStringLiteral("数量")).toInt(), 8);
    }

    // Not a timed test: prints how long opening, sorting and filtering 100,000 rows take.
    void opensLargeResult_data() { TestDatabase::addEngines(); }
    void opensLargeResult()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        const int n = 100000;
        insertManyBooks(t.db(), n);
        Window w;
        GridWidget &grid = *w.grid;
        grid.setColumns(bookColumns());
        grid.setKeyField(QStringLiteral("编号"));

        QElapsedTimer timer;
        timer.start();
        grid.open(t.db(), QStringLiteral("select * from 图书"));
        QCoreApplication::processEvents();
        const qint64 openMs = timer.restart();
        grid.sortBy(QStringLiteral("价格"), Qt::DescendingOrder);
        QCoreApplication::processEvents();
        const qint64 sortMs = timer.restart();
        grid.setFilter(QStringLiteral("分类"), {QStringLiteral("分类7")});
        QCoreApplication::processEvents();
        const qint64 filterMs = timer.restart();
        grid.clearFilters();
        grid.view()->setFocus();
        timer.restart();
        QTest::keyClick(grid.view(), Qt::Key_End, Qt::ControlModifier);
        QCoreApplication::processEvents();
        const qint64 endMs = timer.elapsed();

        qDebug().noquote() << QStringLiteral("%1: %2 rows: open %3 ms, sort %4 ms, filter %5 ms, to last row %6 ms")
                                  .arg(engine).arg(n).arg(openMs).arg(sortMs).arg(filterMs).arg(endMs);
        QCOMPARE(grid.rowCount(), n);
        QCOMPARE(grid.currentRow(), n - 1);
        QCOMPARE(grid.footerText(QStringLiteral("编号")), QString::number(n));
        // 0.25 × (0 + 1 + … + 999) per thousand rows.
        QCOMPARE(grid.footerText(QStringLiteral("价格")), QStringLiteral("12487500.00"));
    }
};

QTEST_MAIN(TestGrid)
#include "tst_grid.moc"
