// SPDX-License-Identifier: MIT
// lend, return, renew, reservations, clear-reservations and overdue: the counter's cores.
#include "circulation/LendingDesk.h"
#include "circulation/OpenLoans.h"
#include "circulation/ReceiptPrinter.h"
#include "circulation/RenewalDesk.h"
#include "circulation/Reservations.h"
#include "circulation/ReturnDesk.h"
#include "cli/Cli.h"
#include "foundation/DayClock.h"
#include "foundation/LoginSession.h"
#include "foundation/SharedConnection.h"

#include <QSqlQuery>

namespace {

const QString kLend = QStringLiteral("lend --operator NAME --reader R [--print] ITEM…  (ITEM: [期刊:]VALUE or [期刊:]条形码=VALUE)");
const QString kReturn = QStringLiteral(
    "return --operator NAME (--item 编号 | --barcode X | --reader R | --card C) [--condition 完好|破损|丢失] "
    "[--compensation AMOUNT] [--remark TEXT] [--days N] [--rent AMOUNT]");
const QString kRenew = QStringLiteral("renew --reader R --item 编号 --due yyyy-mm-dd");

// Every row of a statement, each column keyed as the schema spells it.
QList<JsonObject> rows(const SharedConnection &db, const QString &table, const BoundQuery &query)
{
    QSqlQuery q = db.exec(query.sql, query.values);
    return schemaRows(table, q);
}

int lend(CliContext &ctx)
{
    const QString operatorName = ctx.takeOption(QStringLiteral("--operator"));
    const QString readerNo = ctx.takeOption(QStringLiteral("--reader"));
    const bool print = ctx.takeFlag(QStringLiteral("--print"));
    if (operatorName.isEmpty() || readerNo.isEmpty() || ctx.args.isEmpty())
        return ctx.usage(kLend);
    for (const QString &a : std::as_const(ctx.args))
        if (a.startsWith(QLatin1String("--")))
            return ctx.usage(kLend);

    LoginSession &session = LoginSession::current();
    QStringList messages;
    LendingDesk::LendResult result;
    try {
        const QString who = ctx.actAs(operatorName, &Rights::qxborrow);
        if (!who.isEmpty())
            return ctx.refuse(who);
        LendingDesk desk(*ctx.db, session);
        const QString refused = desk.lookUpReader(readerNo);
        if (!refused.isEmpty())
            return ctx.refuse(refused, {refused});
        for (QString item : std::as_const(ctx.args)) {
            ItemTable table = ItemTable::Book;
            ItemKey key = ItemKey::Number;
            if (item.startsWith(QStringLiteral("期刊:"))) {
                table = ItemTable::Periodical;
                item = item.mid(3);
            }
            if (item.startsWith(QStringLiteral("条形码="))) {
                key = ItemKey::Barcode;
                item = item.mid(4);
            }
            const LendingDesk::Found found = desk.findItems(table, key, item);
            if (found.rows.isEmpty()) {
                messages << found.message;
                continue;
            }
            const LendingDesk::Admission a = desk.admit(found.rows.first()); // several rows: the first
            if (!a.message.isEmpty())
                messages << a.message;
            if (!a.warning.isEmpty())
                messages << a.warning;
        }
        result = desk.lend(print);
        if (!result.message.isEmpty())
            messages << result.message;
    } catch (const DatabaseError &e) {
        messages << e.message();
        return ctx.refuse(e.message(), messages);
    }
    if (print)
        ReceiptPrinter::waitForIdle(5000); // before the process ends
    if (!result.ok)
        return ctx.refuse(messages.value(messages.size() - 1, QStringLiteral("没有可借出的物品")), messages);

    QList<JsonObject> loans;
    for (const LentLoan &l : std::as_const(result.loans)) {
        JsonObject o;
        o.add(QStringLiteral("id"), l.id)
            .add(QStringLiteral("编号"), l.编号)
            .add(QStringLiteral("类别"), l.类别)
            .add(QStringLiteral("应还日期"), dayText(l.应还日期))
            .add(QStringLiteral("租金"), l.租金.toString());
        loans << o;
    }
    JsonObject o;
    o.add(QStringLiteral("ok"), true).addStrings(QStringLiteral("messages"), messages).add(QStringLiteral("loans"), loans);
    return ctx.done(o);
}

int returnLoan(CliContext &ctx)
{
    const QString operatorName = ctx.takeOption(QStringLiteral("--operator"));
    QString item, barcode, readerNo, card, condition, compensation, remark, days, rent;
    ctx.takeOption(QStringLiteral("--item"), &item);
    ctx.takeOption(QStringLiteral("--barcode"), &barcode);
    ctx.takeOption(QStringLiteral("--reader"), &readerNo);
    const bool byCard = ctx.takeOption(QStringLiteral("--card"), &card);
    const bool hasCondition = ctx.takeOption(QStringLiteral("--condition"), &condition);
    const bool hasCompensation = ctx.takeOption(QStringLiteral("--compensation"), &compensation);
    const bool hasRemark = ctx.takeOption(QStringLiteral("--remark"), &remark);
    const bool hasDays = ctx.takeOption(QStringLiteral("--days"), &days);
    const bool hasRent = ctx.takeOption(QStringLiteral("--rent"), &rent);
    if (operatorName.isEmpty() || !ctx.args.isEmpty())
        return ctx.usage(kReturn);
    if (hasCondition && !QStringList{QStringLiteral("完好"), QStringLiteral("破损"), QStringLiteral("丢失")}.contains(condition))
        return ctx.usage(kReturn);

    LoginSession &session = LoginSession::current();
    try {
        const QString who = ctx.actAs(operatorName, &Rights::qxreturn);
        if (!who.isEmpty())
            return ctx.refuse(who);
        ReturnDesk desk(*ctx.db, session);
        if (byCard && !card.isEmpty() && !desk.readerOfCard(card, &readerNo))
            return ctx.refuse(QStringLiteral("找不到该卡号的资料!"));
        const ReturnDesk::Found found = desk.search(item, barcode, readerNo);
        if (!found.ok)
            return ctx.refuse(found.message);
        if (found.rows.isEmpty())
            return ctx.refuse(QStringLiteral("没有找到未还的借阅记录"));
        const LoanRow loan = found.rows.first(); // the lowest id
        const ReturnFigures figures = desk.figures(loan);
        ReturnDesk::Input in = desk.proposal(loan);
        if (hasDays) {
            in.days = days;
            bool whole = false;
            const int n = days.trimmed().toInt(&whole);
            if (whole)
                in.rent = ReturnFigures::rentFor(n, loan.租金).toString();
        }
        if (hasRent)
            in.rent = rent;
        if (hasCondition)
            in.condition = condition;
        if (hasCompensation)
            in.compensation = compensation;
        if (hasRemark)
            in.remark = remark;
        const ReturnDesk::Outcome out = desk.returnLoan(loan, in);
        if (!out.ok)
            return ctx.refuse(out.message);

        const LibrarySwitches &s = session.switches;
        const QJsonValue null = QJsonValue::Null;
        JsonObject o;
        o.add(QStringLiteral("ok"), true)
            .add(QStringLiteral("id"), loan.id)
            .add(QStringLiteral("实际租期"), in.days.trimmed().toInt())
            .add(QStringLiteral("实际租金"), s.启用租金功能 ? QJsonValue(Money::fromText(in.rent).toString()) : null)
            .add(QStringLiteral("超期天数"), s.启用超期罚金 ? QJsonValue(figures.超期天数) : null)
            .add(QStringLiteral("罚金"), s.启用超期罚金 ? QJsonValue(in.fine.toString()) : null)
            .add(QStringLiteral("卡内金额"), out.readerFound ? QJsonValue(out.balance.toString()) : null);
        return ctx.done(o);
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
}

int renew(CliContext &ctx)
{
    const QString readerNo = ctx.takeOption(QStringLiteral("--reader"));
    const QString item = ctx.takeOption(QStringLiteral("--item"));
    QDate due;
    const bool dueRead = readDay(ctx.takeOption(QStringLiteral("--due")), &due);
    if (readerNo.isNull() || item.isNull() || !dueRead || !ctx.args.isEmpty())
        return ctx.usage(kRenew);
    try {
        const RenewalDesk::Found found = RenewalDesk::find(*ctx.db, readerNo, item);
        if (!found.ok)
            return ctx.refuse(found.message);
        QString message;
        if (!RenewalDesk::renew(*ctx.db, found.loan.id, due, &message))
            return ctx.refuse(message);
        JsonObject o;
        o.add(QStringLiteral("ok"), true)
            .add(QStringLiteral("id"), found.loan.id)
            .add(QStringLiteral("应还日期"), dayText(due))
            .add(QStringLiteral("message"), message);
        return ctx.done(o);
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
}

int reservations(CliContext &ctx)
{
    if (!ctx.args.isEmpty())
        return ctx.usage(QStringLiteral("reservations"));
    try {
        return ctx.doneRows(rows(*ctx.db, QStringLiteral("图书"), {Reservations::listQuery(), {}}));
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
}

int clearReservations(CliContext &ctx)
{
    if (!ctx.args.isEmpty())
        return ctx.usage(QStringLiteral("clear-reservations"));
    try {
        const int n = Reservations::clearAll(*ctx.db);
        JsonObject o;
        o.add(QStringLiteral("ok"), true).add(QStringLiteral("cleared"), n);
        return ctx.done(o);
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
}

int overdue(CliContext &ctx)
{
    if (!ctx.args.isEmpty())
        return ctx.usage(QStringLiteral("overdue"));
    try {
        return ctx.doneRows(rows(*ctx.db, QStringLiteral("借出记录"), OpenLoans::overdue(DayClock::today())));
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
}

} // namespace

static const CliRegistration registration(QList<CliCommand>{
    {QStringLiteral("lend"), kLend, NeedsDatabase::Yes, lend},
    {QStringLiteral("return"), kReturn, NeedsDatabase::Yes, returnLoan},
    {QStringLiteral("renew"), kRenew, NeedsDatabase::Yes, renew},
    {QStringLiteral("reservations"), QStringLiteral("reservations"), NeedsDatabase::Yes, reservations},
    {QStringLiteral("clear-reservations"), QStringLiteral("clear-reservations"), NeedsDatabase::Yes, clearReservations},
    {QStringLiteral("overdue"), QStringLiteral("overdue"), NeedsDatabase::Yes, overdue},
});
