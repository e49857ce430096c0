// SPDX-License-Identifier: MIT
// init, schema, signin, pinyin and the ISBN conversions.
#include "cli/Cli.h"
#include "foundation/Isbn.h"
#include "foundation/LoginSession.h"
#include "foundation/Pinyin.h"
#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"
#include "session/SignIn.h"

#include <QFile>

namespace {

const QString kSignin = QStringLiteral("signin NAME PASSWORD");

int init(CliContext &ctx)
{
    const ConnectionSettings settings = ConnectionSettings::parse(ctx.connectionString);
    SharedConnection &db = SharedConnection::current();
    QString error;
    if (!db.open(settings, &error, true))
        return ctx.refuse(error);
    if (Schema::exists(db))
        return ctx.refuse(QStringLiteral("数据库中已经有数据表, 没有做任何修改."));
    try {
        Schema::create(db);
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
    JsonObject o;
    o.add(QStringLiteral("ok"), true).add(QStringLiteral("version"), Schema::kVersion);
    return ctx.done(o);
}

int schema(CliContext &ctx)
{
    QList<JsonObject> tables;
    for (const Schema::Table &t : Schema::tables()) {
        QStringList columns;
        for (const Schema::Column &c : t.columns)
            columns << c.name;
        JsonObject o;
        o.add(QStringLiteral("name"), t.name).addStrings(QStringLiteral("columns"), columns);
        tables << o;
    }
    JsonObject o;
    o.add(QStringLiteral("ok"), true).add(QStringLiteral("tables"), tables);
    return ctx.done(o);
}

int signin(CliContext &ctx)
{
    if (ctx.args.size() != 2)
        return ctx.usage(kSignin);
    LoginSession &session = LoginSession::current();
    try {
        const SignIn::Result r = SignIn::signIn(*ctx.db, session, ctx.args[0], ctx.args[1]);
        if (!r.ok)
            return ctx.refuse(r.message);
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
    JsonObject rights;
    const QStringList &names = Rights::names();
    for (int i = 0; i < names.size(); ++i)
        rights.add(names[i], session.rights.value(i));
    JsonObject o;
    o.add(QStringLiteral("ok"), true)
        .add(QStringLiteral("operator"), session.OperatorName)
        .add(QStringLiteral("rights"), rights);
    return ctx.done(o);
}

// A command that takes one TEXT and prints {"ok":true,key:convert(TEXT)}.
CliCommand textCommand(const QString &name, const QString &key, QString (*convert)(const QString &))
{
    const QString usage = name + QStringLiteral(" TEXT");
    return {name, usage, NeedsDatabase::No, [=](CliContext &ctx) {
                if (ctx.args.size() != 1)
                    return ctx.usage(usage);
                JsonObject o;
                o.add(QStringLiteral("ok"), true).add(key, convert(ctx.args[0]));
                return ctx.done(o);
            }};
}

} // namespace

static const CliRegistration registration(QList<CliCommand>{
        {QStringLiteral("init"), QStringLiteral("init"), NeedsDatabase::Creates, init},
        {QStringLiteral("schema"), QStringLiteral("schema"), NeedsDatabase::No, schema},
        {QStringLiteral("signin"), kSignin, NeedsDatabase::Yes, signin},
        textCommand(QStringLiteral("pinyin"), QStringLiteral("py"), PinyinOf),
        textCommand(QStringLiteral("isbn13to10"), QStringLiteral("isbn10"), Isbn13To10),
        textCommand(QStringLiteral("isbn10to13"), QStringLiteral("isbn13"), Isbn10To13),
});
