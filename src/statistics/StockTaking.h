// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/Money.h"

#include <QDate>
#include <QList>
#include <QString>

class SharedConnection;

// The counts of the stock-taking window: totals of what the library holds, and what
// happened between two days (both included).
namespace StockTaking {

struct Count {
    QString caption; // as the window shows it, with its colon: "图书总数:"
    qint64 number = 0;
    bool isMoney = false; // 租金收入 is an amount
    Money amount;
    // The text shown beside the caption; an empty sum is "0".
    QString text() const { return isMoney ? amount.toString() : QString::number(number); }
};

// 图书总数, 期刊总数, 读者总数, 总未还数量, 历史借出总数, 当前在库图书数量, 当前在库期刊数量.
QList<Count> totals(const SharedConnection &db);
// 借出次数, 归还次数, 图书入库数, 期刊入库数, 读者登记数, 租金收入 from `from` to `to`. The
// loan dates are whole days; a date-time column (入库时间, 登记日期) is compared with
// midnight of each day, so `to` takes in only rows stamped at exactly midnight of it.
QList<Count> periodCounts(const SharedConnection &db, const QDate &from, const QDate &to);

} // namespace StockTaking
