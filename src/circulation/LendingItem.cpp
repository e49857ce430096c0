// SPDX-License-Identifier: MIT
#include "circulation/LendingItem.h"
#include "foundation/SharedConnection.h"

#include <QSqlQuery>

LendingItem LendingItem::fromRow(const QSqlQuery &row, ItemTable table)
{
    LendingItem i;
    i.table = table;
    i.编号 = row.value(QStringLiteral("编号")).toString();
    i.名称 = row.value(QStringLiteral("名称")).toString();
    i.条形码 = row.value(QStringLiteral("条形码")).toString();
    i.分类 = row.value(QStringLiteral("分类")).toString();
    i.存放位置 = row.value(QStringLiteral("存放位置")).toString();
    i.出版社 = row.value(QStringLiteral("出版社")).toString();
    i.状态 = row.value(QStringLiteral("状态")).toString();
    i.数量 = row.value(QStringLiteral("数量")).toInt();
    i.价格 = Money::fromVariant(row.value(QStringLiteral("价格")));
    const QVariant level = row.value(QStringLiteral("物品级别"));
    i.物品级别 = level.isNull() ? QVariant() : QVariant(level.toString());
    const QVariant reserved = row.value(QStringLiteral("预定状况"));
    i.预定状况 = reserved.isNull() ? QVariant() : QVariant(reserved.toString());
    return i;
}

namespace LendingItems {

void expireReservations(const SharedConnection &db, const QDateTime &now)
{
    // Both columns of a lapsed reservation in one pass over the table.
    Transaction tx(db);
    db.exec(QStringLiteral("update 图书 set 预定状况=null, 预定到期时间=null where 预定到期时间<?"), {now});
    tx.commit();
}

BoundQuery findQuery(ItemTable table, ItemKey key, const QString &value)
{
    // Both names come from ItemTables, never from typing.
    return {QStringLiteral("select * from %1 where %2=?").arg(ItemTables::name(table), ItemTables::column(key)),
            {value}};
}

QList<LendingItem> find(const SharedConnection &db, ItemTable table, ItemKey key, const QString &value)
{
    const BoundQuery query = findQuery(table, key, value);
    QSqlQuery q = db.exec(query.sql, query.values);
    QList<LendingItem> items;
    while (q.next())
        items << LendingItem::fromRow(q, table);
    return items;
}

} // namespace LendingItems
