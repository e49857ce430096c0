// SPDX-License-Identifier: MIT
#include "readers/IncomeJournal.h"
#include "foundation/DayClock.h"
#include "foundation/SharedConnection.h"

namespace IncomeJournal {

void append(const SharedConnection &db, const Entry &e)
{
    db.exec(QStringLiteral("insert into 收入 (项目,时间,读者编号,读者姓名,金额,管理员,备注) values (?,?,?,?,?,?,?)"),
            {e.item, e.time, e.readerNumber, e.readerName, e.amount.toSql(), e.operatorName, e.remark});
}

QStringList chargeItems()
{
    return {QStringLiteral("租金"), QStringLiteral("罚金"), QStringLiteral("补卡"), QStringLiteral("其他")};
}

void charge(const SharedConnection &db, const QString &item, Money amount, const QString &remark,
            const QString &operatorName)
{
    Entry e;
    e.item = item;
    e.time = DayClock::now();
    e.amount = amount;
    e.operatorName = operatorName;
    e.remark = remark;
    Transaction t(db);
    append(db, e);
    t.commit();
}

QString rangeStatement()
{
    return QStringLiteral("SELECT * FROM 收入 where 时间>=? and 时间<=?");
}

QVariantList rangeValues(const QDate &from, const QDate &to)
{
    // Both bounds are midnight of the picked days.
    return {QDateTime(from, QTime(0, 0)), QDateTime(to, QTime(0, 0))};
}

QString allStatement()
{
    return QStringLiteral("select * from 收入");
}

Money sumOf(const QList<Money> &amounts)
{
    Money sum;
    for (Money m : amounts)
        sum += m;
    return sum;
}

} // namespace IncomeJournal
