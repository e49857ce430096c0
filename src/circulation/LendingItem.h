// SPDX-License-Identifier: MIT
#pragma once
#include "circulation/BoundQuery.h"
#include "circulation/ItemTable.h"
#include "foundation/Money.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

class SharedConnection;
class QSqlQuery;

// An item row of 图书 or 期刊 as the lending counter shows and checks it.
struct LendingItem {
    ItemTable table = ItemTable::Book;
    QString 编号;
    QString 名称;
    QString 条形码;
    QString 分类;
    QString 存放位置;
    QString 出版社;
    QString 状态;
    int 数量 = 0;
    Money 价格;
    QVariant 物品级别; // Null when the item has no level
    QVariant 预定状况; // Null when not reserved

    QString levelText() const { return 物品级别.isNull() ? QString() : 物品级别.toString(); }
    // The current row of a select * on the item's table.
    static LendingItem fromRow(const QSqlQuery &row, ItemTable table);
};

namespace LendingItems {
// Lifts reservations whose end lies before `now` (book table only), in one transaction.
void expireReservations(const SharedConnection &db, const QDateTime &now);
// The select of the rows of the table whose key column equals value (untrimmed).
BoundQuery findQuery(ItemTable table, ItemKey key, const QString &value);
// Its rows, in the order the engine gives them.
QList<LendingItem> find(const SharedConnection &db, ItemTable table, ItemKey key, const QString &value);
} // namespace LendingItems
