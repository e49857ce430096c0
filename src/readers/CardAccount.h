// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/Money.h"

#include <QString>

class SharedConnection;

// The reader's prepaid card: top-up and refund at the top-up window. The balance and
// its "充值" row of 收入 change together in one transaction, or neither does.
namespace CardAccount {

// The amount of an amount box: its text as money, 0 when it is not a number (two
// points, empty); a refund is the negative of the typed amount.
Money amountOf(const QString &boxText, bool refund);

// True for the characters an amount box lets through: the digits and the point.
bool isAmountCharacter(QChar c);

struct Outcome {
    bool ok = false;
    Money balance;   // the new 卡内金额
    QString message; // "没有找到对应的记录!" or "不能充0元!" when refused
};

// Adds amount (negative for a refund) to 卡内金额 of the reader and appends the journal
// row (项目 "充值", 时间 now, the reader's number and name, the remark, the operator).
// An empty balance counts as 0. Throws DatabaseError when the database refuses; then
// neither the balance nor the journal has changed.
Outcome topUp(const SharedConnection &db, const QString &readerNumber, Money amount,
              const QString &remark, const QString &operatorName);

} // namespace CardAccount
