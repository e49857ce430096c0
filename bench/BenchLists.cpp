// SPDX-License-Identifier: MIT
// The management lists and the statistics: each opened as its window opens it, in the
// grid's model (the row count, the footers and the first page), with its totals.
#include "BenchContext.h"

#include "catalogue/BookTotals.h"
#include "catalogue/CatalogueSearch.h"
#include "foundation/DayClock.h"
#include "foundation/GridModel.h"
#include "readers/ReaderSearch.h"
#include "statistics/ClassTotals.h"
#include "statistics/LoanRecordQuery.h"
#include "statistics/Rankings.h"
#include "statistics/StockTaking.h"

namespace {
// Opens a statement as a list window does and touches its first row.
int openGrid(const SharedConnection &db, const QString &sql, const QVariantList &values,
             const QList<GridColumn> &columns = {})
{
    GridModel model;
    model.setColumns(columns);
    GridQuery q;
    q.setStatement(sql, values);
    model.open(db, q);
    if (model.rowCount() > 0)
        model.data(model.index(0, 0));
    return model.rowCount();
}

QList<GridColumn> bookColumns()
{
    return {GridColumn("编号").count(), GridColumn("条形码"), GridColumn("名称"), GridColumn("作者"),
            GridColumn("出版社"), GridColumn("分类号"), GridColumn("索书号"), GridColumn("数量").sum(),
            GridColumn("价格").money().sum(), GridColumn("存放位置"), GridColumn("入库时间").dateTime()};
}
} // namespace

void benchLists(BenchContext &c)
{
    const QString opening = QStringLiteral("book management open (top 2000 + totals)");
    c.guarded(opening, [&] {
        const ListStatement s = CatalogueSearch::booksOpening(c.db.dialect());
        c.table.measure(opening, c.engine, c.runs, 0, [&](const BenchTable::Stopwatch &time) {
            time([&] {
                openGrid(c.db, s.sql, s.values, bookColumns());
                BookTotals::label(c.db);
            });
        });
    });

    const QString all = QStringLiteral("grid: every book (%1 rows) + footers").arg(c.size.books);
    c.guarded(all, [&] {
        const ListStatement s = CatalogueSearch::all(QStringLiteral("图书"));
        c.table.measure(all, c.engine, c.runs, 0, [&](const BenchTable::Stopwatch &time) {
            time([&] { openGrid(c.db, s.sql, s.values, bookColumns()); });
        });
    });

    const QString last = QStringLiteral("grid: jump to the last of %1 rows").arg(c.size.books);
    c.guarded(last, [&] {
        const ListStatement s = CatalogueSearch::all(QStringLiteral("图书"));
        c.table.measure(last, c.engine, c.runs, 0, [&](const BenchTable::Stopwatch &time) {
            GridModel model;
            model.setColumns(bookColumns());
            GridQuery q;
            q.setStatement(s.sql, s.values);
            model.open(c.db, q);
            time([&] { model.data(model.index(model.rowCount() - 1, 2)); });
        });
    });

    struct Search {
        const char *label;
        const char *field;
        const char *value;
    };
    const Search searches[] = {{"fuzzy title search (名称 like %数学%)", "名称", "数学"},
                               {"fuzzy title search (名称 like %红楼梦%)", "名称", "红楼梦"},
                               {"py search (py like %GDSX%)", "py", "GDSX"},
                               {"exact 编号 search", "编号", "1050000"}};
    for (const Search &s : searches) {
        const QString op = QString::fromUtf8(s.label);
        c.guarded(op, [&] {
            CatalogueSearch::BookQuery query;
            query.field = QString::fromUtf8(s.field);
            query.value = QString::fromUtf8(s.value);
            query.exact = query.field == QStringLiteral("编号");
            const SearchBuild b = CatalogueSearch::books(query);
            if (!b.ok)
                throw DatabaseError(b.message);
            c.table.measure(op, c.engine, c.runs, 0, [&](const BenchTable::Stopwatch &time) {
                time([&] { openGrid(c.db, b.statement.sql, b.statement.values, bookColumns()); });
            });
        });
    }

    const Search readerSearches[] = {{"reader search (读者姓名 like %张%)", "读者姓名", "张"},
                                     {"reader search (单位部门 like %学院%)", "单位部门", "学院"},
                                     {"reader search (读者编号 exact)", "读者编号", "20012345"}};
    for (const Search &s : readerSearches) {
        const QString op = QString::fromUtf8(s.label);
        c.guarded(op, [&] {
            ReaderSearch::Request r;
            r.field = QString::fromUtf8(s.field);
            r.value = QString::fromUtf8(s.value);
            r.exact = r.field == QStringLiteral("读者编号");
            const ReaderSearch::Statement st = ReaderSearch::build(r);
            if (!st.refusal.isEmpty())
                throw DatabaseError(st.refusal);
            c.table.measure(op, c.engine, c.runs, 0, [&](const BenchTable::Stopwatch &time) {
                time([&] { openGrid(c.db, st.sql, st.values, {GridColumn("读者编号").count()}); });
            });
        });
    }
}

void benchStatistics(BenchContext &c)
{
    const QDate today = DayClock::today();
    auto quick = [&](const QString &op, const std::function<void()> &work) {
        c.guarded(op, [&] {
            c.table.measure(op, c.engine, c.runs, 0, [&](const BenchTable::Stopwatch &time) { time(work); });
        });
    };
    quick(QStringLiteral("stock-taking totals (7 counts)"), [&] { StockTaking::totals(c.db); });
    quick(QStringLiteral("stock-taking counts of a year (6 counts)"),
          [&] { StockTaking::periodCounts(c.db, today.addYears(-1), today); });
    quick(QStringLiteral("class totals of 图书"), [&] { ClassTotals::rows(c.db, QStringLiteral("图书")); });
    quick(QStringLiteral("class totals of 期刊"), [&] { ClassTotals::rows(c.db, QStringLiteral("期刊")); });
    quick(QStringLiteral("ranking: books"), [&] { Rankings::rows(c.db, Rankings::Kind::Books); });
    quick(QStringLiteral("ranking: periodicals"), [&] { Rankings::rows(c.db, Rankings::Kind::Periodicals); });
    quick(QStringLiteral("ranking: readers"), [&] { Rankings::rows(c.db, Rankings::Kind::Readers); });
    quick(QStringLiteral("loan records: all rows + footer sums"), [&] {
        openGrid(c.db, LoanRecords::allRowsSql(c.db.dialect()), {}, {GridColumn("id").count()});
        LoanRecords::sumsOfAll(c.db);
    });
    LoanConditions byReader;
    byReader.reader = LibraryGenerator::readerNumber(c.size.readers / 2);
    const LoanStatement readerLoans = LoanRecords::build(byReader);
    quick(QStringLiteral("loan records of a reader + sums"), [&] {
        openGrid(c.db, readerLoans.sql(), readerLoans.values, {GridColumn("id").count()});
        LoanRecords::sums(c.db, readerLoans);
    });
    LoanConditions lastMonth;
    lastMonth.lentRange = true;
    lastMonth.lentFrom = today.addMonths(-1);
    lastMonth.lentTo = today;
    const LoanStatement monthLoans = LoanRecords::build(lastMonth);
    quick(QStringLiteral("loan records of a month + sums"), [&] {
        openGrid(c.db, monthLoans.sql(), monthLoans.values, {GridColumn("id").count()});
        LoanRecords::sums(c.db, monthLoans);
    });
}
