// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/Money.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

class SharedConnection;

// The income journal 收入: one row per amount taken in or paid out at the counter. Rows
// are written once and never changed.
namespace IncomeJournal {

struct Entry {
    QString item;         // 项目
    QDateTime time;       // 时间 (a day only: midnight)
    QString readerNumber; // 读者编号
    QString readerName;   // 读者姓名
    Money amount;         // 金额
    QString operatorName; // 管理员
    QString remark;       // 备注
};

// Appends one row on the connection's current transaction (or on its own).
void append(const SharedConnection &db, const Entry &entry);

// The items the charge window offers.
QStringList chargeItems();

// A charge not tied to a reader (the charge window): 时间 now, no reader.
void charge(const SharedConnection &db, const QString &item, Money amount, const QString &remark,
            const QString &operatorName);

// The listing statement of the statistics window: rows with 时间 from midnight of
// `from` to midnight of `to`, both included; and every row.
QString rangeStatement();
QVariantList rangeValues(const QDate &from, const QDate &to);
QString allStatement();

// The sum of 金额 over the rows of an executed listing, read to the end.
Money sumOf(const QList<Money> &amounts);

} // namespace IncomeJournal
