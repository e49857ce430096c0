// SPDX-License-Identifier: MIT
// add-reader, topup, charge, income and readers: the reader and money windows' actions.
#include "cli/Cli.h"
#include "foundation/DayClock.h"
#include "foundation/LoginSession.h"
#include "foundation/SharedConnection.h"
#include "readers/CardAccount.h"
#include "readers/IncomeJournal.h"
#include "readers/ReaderRegistry.h"
#include "readers/ReaderSearch.h"

#include <QSqlQuery>

namespace {

const QString kAddReader = QStringLiteral("add-reader --operator NAME --set 读者编号=… --set 读者姓名=… [--set 列=值 …]");
const QString kTopup = QStringLiteral("topup --operator NAME --reader R --amount X [--refund] [--remark TEXT]");
const QString kCharge = QStringLiteral("charge --operator NAME [--item 租金] [--amount X] [--remark TEXT]");
const QString kIncome = QStringLiteral("income [--from yyyy-mm-dd] [--to yyyy-mm-dd]");
const QString kReaders =
    QStringLiteral("readers --field 读者姓名 --value TEXT [--exact] [--from yyyy-mm-dd --to yyyy-mm-dd]");

// An amount as its box would hold it: digits and points only.
bool amountText(const QString &text)
{
    for (QChar c : text)
        if (!CardAccount::isAmountCharacter(c))
            return false;
    return true;
}

int addReader(CliContext &ctx)
{
    // The error output also lists the columns the form takes.
    const QString usage =
        kAddReader + QStringLiteral("  (列: %1, 有效期)").arg(ReaderForm::textColumns().join(QStringLiteral(", ")));
    const QString operatorName = ctx.takeOption(QStringLiteral("--operator"));
    const QStringList sets = ctx.takeAll(QStringLiteral("--set"));
    if (operatorName.isEmpty() || !ctx.args.isEmpty())
        return ctx.usage(usage);
    ReaderForm form;
    form.validUntil = ReaderRegistry::defaultValidUntil();
    for (const QString &set : sets) {
        const int eq = set.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return ctx.usage(usage);
        const QString column = set.left(eq);
        const QString value = set.mid(eq + 1);
        if (column.compare(QStringLiteral("有效期"), Qt::CaseInsensitive) == 0) {
            if (!readDay(value, &form.validUntil))
                return ctx.usage(usage);
        } else if (!form.setText(column, value)) {
            return ctx.usage(usage);
        }
    }
    LoginSession &session = LoginSession::current();
    try {
        const QString refusal = ctx.actAs(operatorName, &Rights::qxadddata);
        if (!refusal.isEmpty())
            return ctx.refuse(refusal);
        const QString missing = ReaderRegistry::missingRequired(form);
        if (!missing.isEmpty())
            return ctx.refuse(missing);
        const ReaderRegistry::Registration r =
            ReaderRegistry::registerReader(*ctx.db, form, session.switches.开户费, session.OperatorName);
        JsonObject o;
        o.add(QStringLiteral("ok"), true).add(QStringLiteral("读者编号"), r.number).add(QStringLiteral("py"), r.py);
        return ctx.done(o);
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
}

int topup(CliContext &ctx)
{
    const QString operatorName = ctx.takeOption(QStringLiteral("--operator"));
    const QString reader = ctx.takeOption(QStringLiteral("--reader"));
    QString amount;
    const bool amountGiven = ctx.takeOption(QStringLiteral("--amount"), &amount);
    const bool refund = ctx.takeFlag(QStringLiteral("--refund"));
    const QString remark = ctx.takeOption(QStringLiteral("--remark"));
    if (operatorName.isEmpty() || reader.isEmpty() || !amountGiven || !amountText(amount) || !ctx.args.isEmpty())
        return ctx.usage(kTopup);
    LoginSession &session = LoginSession::current();
    try {
        const QString refusal = ctx.actAs(operatorName);
        if (!refusal.isEmpty())
            return ctx.refuse(refusal);
        // The window's lookup comes first, then the amount.
        ReaderForm found;
        if (!ReaderRegistry::load(*ctx.db, reader, &found))
            return ctx.refuse(QStringLiteral("没有找到对应的记录!"));
        const CardAccount::Outcome o = CardAccount::topUp(*ctx.db, found.number, CardAccount::amountOf(amount, refund),
                                                          remark, session.OperatorName);
        if (!o.ok)
            return ctx.refuse(o.message);
        JsonObject out;
        out.add(QStringLiteral("ok"), true).add(QStringLiteral("卡内金额"), o.balance.toString());
        return ctx.done(out);
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
}

int charge(CliContext &ctx)
{
    const QString operatorName = ctx.takeOption(QStringLiteral("--operator"));
    QString item;
    if (!ctx.takeOption(QStringLiteral("--item"), &item))
        item = IncomeJournal::chargeItems().first();
    const QString amount = ctx.takeOption(QStringLiteral("--amount"));
    const QString remark = ctx.takeOption(QStringLiteral("--remark"));
    if (operatorName.isEmpty() || !amountText(amount) || !ctx.args.isEmpty())
        return ctx.usage(kCharge);
    LoginSession &session = LoginSession::current();
    try {
        const QString refusal = ctx.actAs(operatorName);
        if (!refusal.isEmpty())
            return ctx.refuse(refusal);
        const Money value = Money::fromText(amount); // no check: empty or 0 journals 0
        IncomeJournal::charge(*ctx.db, item, value, remark, session.OperatorName);
        JsonObject o;
        o.add(QStringLiteral("ok"), true).add(QStringLiteral("项目"), item).add(QStringLiteral("金额"), value.toString());
        return ctx.done(o);
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
}

int income(CliContext &ctx)
{
    QDate from(2000, 1, 1);
    QDate to = DayClock::today().addDays(1);
    const QString fromText = ctx.takeOption(QStringLiteral("--from"));
    const QString toText = ctx.takeOption(QStringLiteral("--to"));
    if ((!fromText.isEmpty() && !readDay(fromText, &from)) || (!toText.isEmpty() && !readDay(toText, &to)) ||
        !ctx.args.isEmpty())
        return ctx.usage(kIncome);
    try {
        QSqlQuery q = ctx.db->exec(IncomeJournal::rangeStatement(), IncomeJournal::rangeValues(from, to));
        QList<JsonObject> rows;
        QList<Money> amounts;
        while (q.next()) {
            rows << schemaRow(QStringLiteral("收入"), q);
            amounts << Money::fromVariant(q.value(QStringLiteral("金额")));
        }
        JsonObject o;
        o.add(QStringLiteral("ok"), true)
            .add(QStringLiteral("rows"), rows)
            .add(QStringLiteral("sum"), IncomeJournal::sumOf(amounts).toString());
        return ctx.done(o);
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
}

int readers(CliContext &ctx)
{
    ReaderSearch::Request r;
    r.field = ctx.takeOption(QStringLiteral("--field"));
    r.value = ctx.takeOption(QStringLiteral("--value"));
    r.exact = ctx.takeFlag(QStringLiteral("--exact"));
    if (!ctx.takeDays(QStringLiteral("--from"), QStringLiteral("--to"), &r.byDate, &r.from, &r.to) ||
        !ctx.args.isEmpty())
        return ctx.usage(kReaders);
    const ReaderSearch::Statement s = ReaderSearch::build(r);
    if (!s.refusal.isEmpty())
        return ctx.refuse(s.refusal);
    try {
        QSqlQuery q = ctx.db->exec(s.sql, s.values);
        return ctx.doneRows(schemaRows(QStringLiteral("读者库"), q));
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
}

} // namespace

static const CliRegistration registration(QList<CliCommand>{
        {QStringLiteral("add-reader"), kAddReader, NeedsDatabase::Yes, addReader},
        {QStringLiteral("topup"), kTopup, NeedsDatabase::Yes, topup},
        {QStringLiteral("charge"), kCharge, NeedsDatabase::Yes, charge},
        {QStringLiteral("income"), kIncome, NeedsDatabase::Yes, income},
        {QStringLiteral("readers"), kReaders, NeedsDatabase::Yes, readers},
});
