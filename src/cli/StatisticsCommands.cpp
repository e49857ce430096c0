// SPDX-License-Identifier: MIT
// loans, ranking, counts and per-class: the loan-record query, the rankings, the
// stock-taking counts and the totals per class.
#include "cli/Cli.h"
#include "foundation/DayClock.h"
#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"
#include "statistics/ClassTotals.h"
#include "statistics/LoanRecordQuery.h"
#include "statistics/Rankings.h"
#include "statistics/StockTaking.h"

#include <QSqlRecord>

namespace {

const QString kLoansUsage = QStringLiteral(
    "loans [--item 编号] [--title T] [--barcode B] [--reader R] [--name N] [--lent-from D --lent-to D] "
    "[--returned-from D --returned-to D] [--returned 是|否]");
const QString kRankingUsage = QStringLiteral("ranking books|periodicals|readers");
const QString kCountsUsage = QStringLiteral("counts [--from D --to D]");
const QString kPerClassUsage = QStringLiteral("per-class 图书|期刊");

JsonObject rowObject(const QString &table, const QSqlQuery &q)
{
    JsonObject row;
    const QSqlRecord record = q.record();
    for (int i = 0; i < record.count(); ++i) {
        const QString column = Schema::spelling(table, record.fieldName(i));
        row.add(column, jsonValue(table, column, q.value(i)));
    }
    return row;
}

int loans(CliContext &ctx)
{
    LoanConditions c;
    c.item = ctx.takeOption(QStringLiteral("--item"));
    c.title = ctx.takeOption(QStringLiteral("--title"));
    c.barcode = ctx.takeOption(QStringLiteral("--barcode"));
    c.reader = ctx.takeOption(QStringLiteral("--reader"));
    c.name = ctx.takeOption(QStringLiteral("--name"));
    const int returnedAt = int(ctx.args.indexOf(QStringLiteral("--returned")));
    if (returnedAt >= 0) {
        if (returnedAt + 1 >= ctx.args.size())
            return ctx.usage(kLoansUsage);
        c.returnedFlag = true;
        c.returned = ctx.takeOption(QStringLiteral("--returned"));
    }
    if (!ctx.takeDays(QStringLiteral("--lent-from"), QStringLiteral("--lent-to"), &c.lentRange, &c.lentFrom, &c.lentTo)
        || !ctx.takeDays(QStringLiteral("--returned-from"), QStringLiteral("--returned-to"), &c.returnedRange,
                         &c.returnedFrom, &c.returnedTo)
        || !ctx.args.isEmpty())
        return ctx.usage(kLoansUsage);

    const LoanStatement statement = LoanRecords::build(c);
    if (!statement.ok)
        return ctx.refuse(statement.message);
    try {
        QList<JsonObject> rows;
        QSqlQuery q = LoanRecords::open(*ctx.db, statement);
        while (q.next())
            rows << rowObject(QStringLiteral("借出记录"), q);
        const LoanSums s = LoanRecords::sums(*ctx.db, statement);
        JsonObject sums;
        sums.add(QStringLiteral("价格"), s.价格.toString())
            .add(QStringLiteral("租金"), s.租金.toString())
            .add(QStringLiteral("赔偿金额"), s.赔偿金额.toString())
            .add(QStringLiteral("实际租金"), s.实际租金.toString())
            .add(QStringLiteral("罚金"), s.罚金.toString());
        JsonObject o;
        o.add(QStringLiteral("ok"), true)
            .add(QStringLiteral("count"), s.count)
            .add(QStringLiteral("rows"), rows)
            .add(QStringLiteral("sums"), sums);
        return ctx.done(o);
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
}

int ranking(CliContext &ctx)
{
    static const QHash<QString, Rankings::Kind> kinds{{QStringLiteral("books"), Rankings::Kind::Books},
                                                      {QStringLiteral("periodicals"), Rankings::Kind::Periodicals},
                                                      {QStringLiteral("readers"), Rankings::Kind::Readers}};
    if (ctx.args.size() != 1 || !kinds.contains(ctx.args[0]))
        return ctx.usage(kRankingUsage);
    const Rankings::Kind kind = kinds.value(ctx.args[0]);
    const Rankings::Source &source = Rankings::source(kind);
    try {
        QList<JsonObject> rows;
        for (const Rankings::Row &r : Rankings::rows(*ctx.db, kind)) {
            JsonObject row;
            row.add(source.labelField, r.label).add(source.valueField, r.value);
            rows << row;
        }
        return ctx.doneRows(rows);
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
}

int counts(CliContext &ctx)
{
    // Without dates, the window's first period: today and tomorrow.
    QDate from = DayClock::today(), to = from.addDays(1);
    bool given = false;
    if (!ctx.takeDays(QStringLiteral("--from"), QStringLiteral("--to"), &given, &from, &to) || !ctx.args.isEmpty())
        return ctx.usage(kCountsUsage);
    try {
        JsonObject o;
        o.add(QStringLiteral("ok"), true);
        const QList<StockTaking::Count> all =
            StockTaking::totals(*ctx.db) + StockTaking::periodCounts(*ctx.db, from, to);
        for (const StockTaking::Count &c : all) {
            const QString key = c.caption.chopped(1); // without its colon
            if (c.isMoney)
                o.add(key, c.amount.toString());
            else
                o.add(key, c.number);
        }
        return ctx.done(o);
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
}

int perClass(CliContext &ctx)
{
    if (ctx.args.size() != 1)
        return ctx.usage(kPerClassUsage);
    QString message;
    const QString table = ClassTotals::checkTable(ctx.args[0], &message);
    if (table.isEmpty())
        return ctx.refuse(message);
    try {
        QList<JsonObject> rows;
        for (const ClassTotals::Row &r : ClassTotals::rows(*ctx.db, table)) {
            JsonObject row;
            row.add(QStringLiteral("分类"), r.分类.isNull() ? QJsonValue(QJsonValue::Null) : QJsonValue(r.分类))
                .add(QStringLiteral("数量"), r.数量)
                .add(QStringLiteral("金额"), r.金额.toString());
            rows << row;
        }
        JsonObject o;
        o.add(QStringLiteral("ok"), true).add(QStringLiteral("table"), table).add(QStringLiteral("rows"), rows);
        return ctx.done(o);
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
}

} // namespace

static const CliRegistration registration(QList<CliCommand>{
    {QStringLiteral("loans"), kLoansUsage, NeedsDatabase::Yes, loans},
    {QStringLiteral("ranking"), kRankingUsage, NeedsDatabase::Yes, ranking},
    {QStringLiteral("counts"), kCountsUsage, NeedsDatabase::Yes, counts},
    {QStringLiteral("per-class"), kPerClassUsage, NeedsDatabase::Yes, perClass},
});
