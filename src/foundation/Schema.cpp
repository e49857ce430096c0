// SPDX-License-Identifier: MIT
#include "foundation/Schema.h"
#include "foundation/SchemaSeed.h"
#include "foundation/SharedConnection.h"

#include <QHash>

namespace Schema {

const Table *findTable(const QString &name)
{
    for (const Table &t : tables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

const Column *findColumn(const Table &table, const QString &name)
{
    for (const Column &c : table.columns)
        if (c.name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

QString spelling(const QString &columnName)
{
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> h;
        for (const Table &t : tables())
            for (const Column &c : t.columns)
                if (!h.contains(c.name.toLower()))
                    h.insert(c.name.toLower(), c.name);
        return h;
    }();
    return names.value(columnName.toLower(), columnName);
}

QString spelling(const QString &table, const QString &columnName)
{
    if (const Table *t = findTable(table))
        if (const Column *c = findColumn(*t, columnName))
            return c->name;
    return spelling(columnName);
}

Type typeOf(const QString &table, const QString &column)
{
    if (const Table *t = findTable(table))
        if (const Column *c = findColumn(*t, column))
            return c->type;
    return Type::Text;
}

namespace {

QString sqliteType(const Column &c)
{
    const QString n = c.name;
    switch (c.type) {
    case Type::Text:
    case Type::Memo:
        return QStringLiteral("text collate nocase");
    case Type::Integer:
        return QStringLiteral("integer check (typeof(%1) in ('integer','null'))").arg(n);
    case Type::Money:
    case Type::Real:
        return QStringLiteral("numeric check (typeof(%1) in ('integer','real','null'))").arg(n);
    case Type::YesNo:
        return QStringLiteral("integer check (%1 in (0,1) or %1 is null)").arg(n);
    case Type::Date:
        return QStringLiteral("text check (%1 is null or (length(%1) = 10 and date(%1) = %1))").arg(n);
    case Type::DateTime:
        return QStringLiteral("text check (%1 is null or (length(%1) = 19 and datetime(%1) = %1))").arg(n);
    case Type::Counter:
        return QStringLiteral("integer primary key autoincrement");
    case Type::Picture:
        return QStringLiteral("blob");
    }
    return QStringLiteral("text");
}

QString postgresType(const Column &c)
{
    switch (c.type) {
    case Type::Text:
    case Type::Memo:
        return QStringLiteral("citext");
    case Type::Integer:
        return QStringLiteral("integer");
    case Type::Money:
        return QStringLiteral("numeric(19,4)");
    case Type::Real:
        return QStringLiteral("double precision");
    case Type::YesNo:
        return QStringLiteral("boolean");
    case Type::Date:
        return QStringLiteral("date");
    case Type::DateTime:
        return QStringLiteral("timestamp(0)");
    case Type::Counter:
        return QStringLiteral("serial primary key");
    case Type::Picture:
        return QStringLiteral("bytea");
    }
    return QStringLiteral("citext");
}

} // namespace

QStringList createStatements(const SqlDialect &dialect)
{
    QStringList sql;
    const bool server = dialect.isServer();
    if (server)
        sql << QStringLiteral("create extension if not exists citext");
    int indexNo = 0;
    for (const Table &t : tables()) {
        QStringList defs;
        for (const Column &c : t.columns) {
            QString def = c.name + QLatin1Char(' ') + (server ? postgresType(c) : sqliteType(c));
            if (!c.defaultValue.isEmpty())
                def += QStringLiteral(" default ") + c.defaultValue;
            if (c.name == t.uniqueKey)
                def += QStringLiteral(" not null unique");
            defs << def;
        }
        sql << QStringLiteral("create table %1 (%2)").arg(t.name, defs.join(QStringLiteral(", ")));
        for (const QStringList &cols : t.indexes)
            sql << QStringLiteral("create index ix_%1 on %2 (%3)")
                       .arg(++indexNo)
                       .arg(t.name, cols.join(QStringLiteral(", ")));
    }
    sql << QStringLiteral("create table %1 (version integer not null)").arg(versionTable());
    sql << QStringLiteral("insert into %1 (version) values (%2)").arg(versionTable()).arg(kVersion);
    return sql;
}

bool exists(const SharedConnection &db)
{
    for (const QString &name : db.tableNames())
        if (name.compare(QStringLiteral("管理员"), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void create(const SharedConnection &db)
{
    Transaction tx(db);
    for (const QString &statement : createStatements(db.dialect()))
        db.exec(statement);
    insertSeedRows(db);
    tx.commit();
}

} // namespace Schema
