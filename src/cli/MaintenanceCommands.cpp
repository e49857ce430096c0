// SPDX-License-Identifier: MIT
// backup, clean, move-location and lookup: the maintenance windows and the network
// lookup by ISBN, for scripts.
#include "catalogue/CatalogueLookup.h"
#include "cli/Cli.h"
#include "foundation/AppConfig.h"
#include "foundation/DayClock.h"
#include "foundation/SharedConnection.h"
#include "maintenance/DataCleanup.h"
#include "maintenance/DatabaseBackup.h"
#include "maintenance/LocationMove.h"

namespace {

const QString kBackup = QStringLiteral("backup --dir DIR");
const QString kClean = QStringLiteral("clean --password PWD --what 图书,期刊,读者,借阅,资金,已还借阅,日志,出版社");
const QString kMoveLocation = QStringLiteral("move-location --table 图书|期刊 --from A --to B");
const QString kLookup = QStringLiteral("lookup ISBN [--url BASE]");

int backup(CliContext &ctx)
{
    QString dir;
    if (!ctx.takeOption(QStringLiteral("--dir"), &dir) || !ctx.args.isEmpty())
        return ctx.usage(kBackup);
    const DatabaseBackup::Result r = DatabaseBackup::backup(*ctx.db, dir, DayClock::now());
    if (!r.ok)
        return ctx.refuse(r.message);
    JsonObject o;
    o.add(QStringLiteral("ok"), true).add(QStringLiteral("file"), r.file);
    return ctx.done(o);
}

int clean(CliContext &ctx)
{
    if (!ctx.args.contains(QStringLiteral("--what")))
        return ctx.usage(kClean);
    const QString password = ctx.takeOption(QStringLiteral("--password"));
    const QString what = ctx.takeOption(QStringLiteral("--what"));
    if (!ctx.args.isEmpty())
        return ctx.usage(kClean);
    QList<DataCleanup::Part> parts;
    for (const QString &name : what.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        DataCleanup::Part p;
        if (!DataCleanup::partNamed(name, &p))
            return ctx.usage(kClean);
        parts << p;
    }
    const DataCleanup::Result r = DataCleanup::run(*ctx.db, password, parts);
    if (!r.ok)
        return ctx.refuse(r.error);
    JsonObject o;
    o.add(QStringLiteral("ok"), true).addStrings(QStringLiteral("messages"), r.messages);
    return ctx.done(o);
}

int moveLocation(CliContext &ctx)
{
    const QString table = ctx.takeOption(QStringLiteral("--table"));
    const QString from = ctx.takeOption(QStringLiteral("--from"));
    const QString to = ctx.takeOption(QStringLiteral("--to"));
    if (!ctx.args.isEmpty())
        return ctx.usage(kMoveLocation);
    if (!LocationMove::complete(table, from, to))
        return ctx.refuse(LocationMove::incompleteMessage());
    const QString statement = LocationMove::statementText(ctx.db->dialect(), table.trimmed(), from, to);
    int changed = 0;
    try {
        changed = LocationMove::run(*ctx.db, table, from, to);
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
    JsonObject o;
    o.add(QStringLiteral("ok"), true)
        .add(QStringLiteral("statement"), statement)
        .add(QStringLiteral("changed"), changed)
        .add(QStringLiteral("message"), QStringLiteral("完成!"));
    return ctx.done(o);
}

int lookup(CliContext &ctx)
{
    QString base;
    const bool urlGiven = ctx.takeOption(QStringLiteral("--url"), &base);
    if (ctx.args.size() != 1)
        return ctx.usage(kLookup);
    if (!urlGiven)
        base = CatalogueLookup::configuredBaseUrl(AppConfig::defaultIniPath());
    if (base.trimmed().isEmpty())
        return ctx.refuse(CatalogueLookup::notConfiguredMessage());
    const QString isbn = ctx.args.first().trimmed();
    CatalogueLookup client(base);
    const OpacRecord r = client.lookUpNow(isbn);
    if (!r.found)
        return ctx.refuse(OpacRecord::notFoundMessage(isbn));
    JsonObject o;
    o.add(QStringLiteral("ok"), true)
        .add(QStringLiteral("名称"), r.title)
        .add(QStringLiteral("作者"), r.author)
        .add(QStringLiteral("分类号"), r.classNumber)
        .add(QStringLiteral("出版社"), r.publisher)
        .add(QStringLiteral("出版年"), r.year)
        .add(QStringLiteral("价格"), r.price)
        .add(QStringLiteral("页数"), r.pages)
        .add(QStringLiteral("简介"), r.summary);
    return ctx.done(o);
}

} // namespace

static const CliRegistration registration(QList<CliCommand>{
        {QStringLiteral("backup"), kBackup, NeedsDatabase::Yes, backup},
        {QStringLiteral("clean"), kClean, NeedsDatabase::Yes, clean},
        {QStringLiteral("move-location"), kMoveLocation, NeedsDatabase::Yes, moveLocation},
        {QStringLiteral("lookup"), kLookup, NeedsDatabase::No, lookup},
});
