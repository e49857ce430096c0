// SPDX-License-Identifier: MIT
#include "readers/CardAccount.h"
#include "foundation/DayClock.h"
#include "foundation/SharedConnection.h"
#include "readers/IncomeJournal.h"

#include <QSqlQuery>

namespace CardAccount {

Money amountOf(const QString &boxText, bool refund)
{
    const Money typed = Money::fromText(boxText);
    return refund ? -typed : typed;
}

bool isAmountCharacter(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.');
}

Outcome topUp(const SharedConnection &db, const QString &readerNumber, Money amount,
              const QString &remark, const QString &operatorName)
{
    Outcome o;
    if (amount.isZero()) {
        o.message = QStringLiteral("不能充0元!");
        return o;
    }
    Transaction t(db);
    // The balance changes in SQL, so that two workstations never lose each other's top-up.
    QSqlQuery changed = db.exec(
        QStringLiteral("update 读者库 set 卡内金额 = round(coalesce(卡内金额,0) + ?, 4) where 读者编号=?"),
        {amount.toSql(), readerNumber});
    if (changed.numRowsAffected() < 1) {
        o.message = QStringLiteral("没有找到对应的记录!");
        return o; // rolled back: nothing changed
    }
    QSqlQuery reader = db.exec(QStringLiteral("select 读者编号,读者姓名,卡内金额 from 读者库 where 读者编号=?"),
                               {readerNumber});
    reader.next();
    IncomeJournal::Entry e;
    e.item = QStringLiteral("充值");
    e.time = DayClock::now();
    e.readerNumber = reader.value(0).toString();
    e.readerName = reader.value(1).toString();
    e.amount = amount;
    e.operatorName = operatorName;
    e.remark = remark;
    o.balance = Money::fromVariant(reader.value(2));
    IncomeJournal::append(db, e);
    t.commit();
    o.ok = true;
    return o;
}

} // namespace CardAccount
