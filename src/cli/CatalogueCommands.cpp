// SPDX-License-Identifier: MIT
// add-book, books, add-periodical, periodicals and per-operator: the catalogue cores
// behind the registration and management windows.
#include "catalogue/BookEntry.h"
#include "catalogue/BookRegistration.h"
#include "catalogue/CallNumber.h"
#include "catalogue/CatalogueSearch.h"
#include "catalogue/PeriodicalRegistration.h"
#include "catalogue/RegistrationList.h"
#include "catalogue/RowSet.h"
#include "cli/Cli.h"
#include "foundation/LoginSession.h"
#include "foundation/Money.h"
#include "foundation/SharedConnection.h"

#include <QDate>

namespace {

const QString kAddBook = QStringLiteral(
    "add-book --operator NAME --set 编号=… --set 名称=… [--set COLUMN=VALUE …] [--call-number] [--copies K [--sep .]]");
const QString kBooks = QStringLiteral(
    "books --field F --value V [--exact] [--from yyyy-mm-dd --to yyyy-mm-dd] | books --where \"F>=V\" [--where …] "
    "[--order F] [--desc]");
const QString kAddPeriodical = QStringLiteral("add-periodical --operator NAME --set 编号=… [--set COLUMN=VALUE …]");
const QString kPeriodicals = QStringLiteral("periodicals --field F --value V [--exact]");
const QString kPerOperator = QStringLiteral("per-operator --from yyyy-mm-dd --to yyyy-mm-dd");

// Acts for the operator a registration names, who needs the right to add data; empty
// message when found and allowed.
QString loadOperator(const CliContext &ctx, const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("请用 --operator 指定管理员.");
    return ctx.actAs(name, &Rights::qxadddata);
}

// --set COLUMN=VALUE pairs; false when one lacks its "=".
bool splitSets(const QStringList &sets, QList<QPair<QString, QString>> *out)
{
    for (const QString &s : sets) {
        const int eq = s.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return false;
        out->append({s.left(eq).trimmed(), s.mid(eq + 1)});
    }
    return true;
}

QList<JsonObject> rowsJson(const RowSet &rows)
{
    QList<JsonObject> list;
    for (int r = 0; r < rows.rowCount(); ++r) {
        JsonObject o;
        for (int c = 0; c < rows.columns().size(); ++c)
            o.add(rows.columns()[c], jsonValue(rows.table(), rows.columns()[c], rows.rows()[r][c]));
        list << o;
    }
    return list;
}

int printRows(CliContext &ctx, const QString &table, const SearchBuild &build)
{
    if (!build.ok)
        return ctx.refuse(build.message.isEmpty() ? QStringLiteral("请填写好查询条件!") : build.message);
    try {
        return ctx.doneRows(rowsJson(RowSet::fetch(*ctx.db, table, build.statement)));
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
}

int addBook(CliContext &ctx)
{
    const QString operatorName = ctx.takeOption(QStringLiteral("--operator"));
    QList<QPair<QString, QString>> sets;
    if (!splitSets(ctx.takeAll(QStringLiteral("--set")), &sets))
        return ctx.usage(kAddBook);
    const bool callNumber = ctx.takeFlag(QStringLiteral("--call-number"));
    QString copiesText, sep;
    const bool several = ctx.takeOption(QStringLiteral("--copies"), &copiesText);
    const bool hasSep = ctx.takeOption(QStringLiteral("--sep"), &sep);
    if (!ctx.args.isEmpty() || (hasSep && !several))
        return ctx.usage(kAddBook);

    const LoginSession &session = LoginSession::current();
    try {
        const QString who = loadOperator(ctx, operatorName);
        if (!who.isEmpty())
            return ctx.refuse(who);

        BookEntry entry = BookEntry::defaults();
        for (const auto &[name, value] : sets) {
            const QString column = BookEntry::boxColumn(name);
            if (column.isEmpty() || column == QLatin1String("py"))
                return ctx.refuse(QStringLiteral("登记窗口没有这个字段: ") + name);
            entry.setValue(column, value);
        }
        entry.setValue(QStringLiteral("py"), BookRegistration::pinyin(entry.value(QStringLiteral("名称"))));
        int copies = 0;
        const QString problem = BookRegistration::check(entry, several, copiesText, &copies);
        if (!problem.isEmpty())
            return ctx.refuse(problem);
        if (callNumber && !several) {
            const CallNumber proposal = CallNumber::propose(*ctx.db, entry.value(QStringLiteral("分类号")));
            if (proposal.isValid()) {
                entry.setValue(QStringLiteral("索书号"), proposal.callNumber);
                entry.setValue(QStringLiteral("zch"), QString::number(proposal.zch));
            }
        }
        const BookRegistration registration(*ctx.db, session.OperatorName);
        const QList<BookInsertResult> results =
            registration.save(entry, copies, BookRegistration::separator(sep));
        QList<JsonObject> stored;
        QStringList refusals;
        for (const BookInsertResult &r : results) {
            if (!r.stored) {
                refusals << r.message;
                continue;
            }
            JsonObject b;
            b.add(QStringLiteral("编号"), r.number)
                .add(QStringLiteral("索书号"), r.callNumber)
                .add(QStringLiteral("zch"), r.zch.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(r.zch.toLongLong()))
                .add(QStringLiteral("py"), r.py);
            stored << b;
        }
        JsonObject o;
        o.add(QStringLiteral("ok"), refusals.isEmpty());
        if (!refusals.isEmpty()) {
            o.add(QStringLiteral("message"), refusals.first());
            o.addStrings(QStringLiteral("messages"), refusals);
        }
        o.add(QStringLiteral("books"), stored);
        ctx.done(o);
        return refusals.isEmpty() ? 0 : 1;
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
}

// "编号>=A100": the field, the longest operator of the list at the first comparison
// character, and the value. False when the text holds no operator of the list there.
bool splitCondition(const QString &text, CatalogueSearch::Condition *c)
{
    const int at = int(text.indexOf(QRegularExpression(QStringLiteral("[<>=!]"))));
    if (at <= 0)
        return false;
    int end = at;
    while (end < text.size() && QStringLiteral("<>=!").contains(text[end]))
        ++end;
    c->field = text.left(at);
    c->op = text.mid(at, end - at);
    c->value = text.mid(end);
    return true;
}

int books(CliContext &ctx)
{
    const QStringList wheres = ctx.takeAll(QStringLiteral("--where"));
    if (!wheres.isEmpty()) {
        QString order;
        if (!ctx.takeOption(QStringLiteral("--order"), &order))
            order = QStringLiteral("编号");
        const bool desc = ctx.takeFlag(QStringLiteral("--desc"));
        if (!ctx.args.isEmpty() || wheres.size() > 2)
            return ctx.usage(kBooks);
        CatalogueSearch::Condition first, second;
        for (int i = 0; i < wheres.size(); ++i) {
            CatalogueSearch::Condition &c = i == 0 ? first : second;
            if (!splitCondition(wheres[i], &c))
                return ctx.refuse(QStringLiteral("比较符不正确: %1").arg(wheres[i]));
        }
        const SearchBuild b = CatalogueSearch::booksCombined(first, second, order,
                                                             desc ? QStringLiteral("desc") : QStringLiteral("asc"));
        return printRows(ctx, QStringLiteral("图书"), b);
    }
    CatalogueSearch::BookQuery q;
    q.field = ctx.takeOption(QStringLiteral("--field"));
    q.value = ctx.takeOption(QStringLiteral("--value"));
    q.exact = ctx.takeFlag(QStringLiteral("--exact"));
    const bool hasFrom = ctx.args.contains(QStringLiteral("--from"));
    const bool hasTo = ctx.args.contains(QStringLiteral("--to"));
    const QString from = ctx.takeOption(QStringLiteral("--from"));
    const QString to = ctx.takeOption(QStringLiteral("--to"));
    if (!ctx.args.isEmpty() || hasFrom != hasTo)
        return ctx.usage(kBooks);
    q.dateRange = hasFrom;
    if (q.dateRange && (!readDay(from, &q.from) || !readDay(to, &q.to)))
        return ctx.usage(kBooks);
    return printRows(ctx, QStringLiteral("图书"), CatalogueSearch::books(q));
}

int addPeriodical(CliContext &ctx)
{
    const QString operatorName = ctx.takeOption(QStringLiteral("--operator"));
    QList<QPair<QString, QString>> sets;
    if (!splitSets(ctx.takeAll(QStringLiteral("--set")), &sets) || !ctx.args.isEmpty())
        return ctx.usage(kAddPeriodical);
    const LoginSession &session = LoginSession::current();
    try {
        const QString who = loadOperator(ctx, operatorName);
        if (!who.isEmpty())
            return ctx.refuse(who);
        PeriodicalEntry entry = PeriodicalRegistration::defaults();
        entry.published = QDate(2008, 3, 26); // where the window's date picker starts
        for (const auto &[name, value] : sets) {
            if (name.compare(QStringLiteral("出版时间"), Qt::CaseInsensitive) == 0) {
                if (!readDay(value.trimmed(), &entry.published))
                    return ctx.refuse(QStringLiteral("出版时间不是日期(yyyy-mm-dd): ") + value);
                continue;
            }
            const QString column = PeriodicalRegistration::boxColumn(name);
            if (column.isEmpty() || column == QLatin1String("py"))
                return ctx.refuse(QStringLiteral("登记窗口没有这个字段: ") + name);
            entry.setValue(column, value);
        }
        entry.setValue(QStringLiteral("py"), BookRegistration::pinyin(entry.value(QStringLiteral("名称"))));
        QString problem = PeriodicalRegistration::check(entry);
        if (problem.isEmpty())
            problem = PeriodicalRegistration(*ctx.db, session.OperatorName).save(entry);
        if (!problem.isEmpty())
            return ctx.refuse(problem);
        JsonObject o;
        o.add(QStringLiteral("ok"), true)
            .add(QStringLiteral("编号"), entry.value(QStringLiteral("编号")).trimmed())
            .add(QStringLiteral("py"), entry.value(QStringLiteral("py")));
        return ctx.done(o);
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
}

int periodicals(CliContext &ctx)
{
    const QString field = ctx.takeOption(QStringLiteral("--field"));
    const QString value = ctx.takeOption(QStringLiteral("--value"));
    const bool exact = ctx.takeFlag(QStringLiteral("--exact"));
    if (!ctx.args.isEmpty())
        return ctx.usage(kPeriodicals);
    return printRows(ctx, QStringLiteral("期刊"), CatalogueSearch::periodicals(field, value, exact));
}

int perOperator(CliContext &ctx)
{
    QDate from, to;
    if (!readDay(ctx.takeOption(QStringLiteral("--from")), &from) || !readDay(ctx.takeOption(QStringLiteral("--to")), &to)
        || !ctx.args.isEmpty())
        return ctx.usage(kPerOperator);
    try {
        const RowSet rows = RowSet::fetch(*ctx.db, QStringLiteral("图书"), RegistrationList::perOperator(from, to));
        QList<JsonObject> list;
        for (int r = 0; r < rows.rowCount(); ++r) {
            const QVariant who = rows.value(r, QStringLiteral("登记人"));
            JsonObject o;
            o.add(QStringLiteral("登记人"), who.isNull() ? QJsonValue(QJsonValue::Null) : QJsonValue(who.toString()))
                .add(QStringLiteral("记录数"), rows.value(r, QStringLiteral("记录数")).toLongLong())
                .add(QStringLiteral("总价格"), Money::fromVariant(rows.value(r, QStringLiteral("总价格"))).toString());
            list << o;
        }
        return ctx.doneRows(list);
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
}

} // namespace

static const CliRegistration registration(QList<CliCommand>{
    {QStringLiteral("add-book"), kAddBook, NeedsDatabase::Yes, addBook},
    {QStringLiteral("books"), kBooks, NeedsDatabase::Yes, books},
    {QStringLiteral("add-periodical"), kAddPeriodical, NeedsDatabase::Yes, addPeriodical},
    {QStringLiteral("periodicals"), kPeriodicals, NeedsDatabase::Yes, periodicals},
    {QStringLiteral("per-operator"), kPerOperator, NeedsDatabase::Yes, perOperator},
});
