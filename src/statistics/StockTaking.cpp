// SPDX-License-Identifier: MIT
#include "statistics/StockTaking.h"
#include "foundation/SharedConnection.h"
#include "statistics/MoneySum.h"

#include <QDateTime>

namespace StockTaking {

namespace {
Count number(const SharedConnection &db, const QString &caption, const QString &sql,
             const QVariantList &values = {})
{
    Count c;
    c.caption = caption;
    c.number = db.scalar(sql, values).toLongLong(); // Null (an empty sum) is 0
    return c;
}

QDateTime midnight(const QDate &day)
{
    return QDateTime(day, QTime(0, 0));
}
} // namespace

QList<Count> totals(const SharedConnection &db)
{
    return {
        number(db, QStringLiteral("图书总数:"), QStringLiteral("select count(编号) as num from 图书")),
        number(db, QStringLiteral("期刊总数:"), QStringLiteral("select count(编号) as num from 期刊")),
        number(db, QStringLiteral("读者总数:"), QStringLiteral("select count(读者编号) as num from 读者库")),
        number(db, QStringLiteral("总未还数量:"),
               QStringLiteral("select count(id) as num from 借出记录 where 已还=?"), {QStringLiteral("否")}),
        number(db, QStringLiteral("历史借出总数:"), QStringLiteral("select count(id) as num from 借出记录")),
        number(db, QStringLiteral("当前在库图书数量:"), QStringLiteral("select sum(数量) as num from 图书")),
        number(db, QStringLiteral("当前在库期刊数量:"), QStringLiteral("select sum(数量) as num from 期刊")),
    };
}

QList<Count> periodCounts(const SharedConnection &db, const QDate &from, const QDate &to)
{
    QList<Count> counts{
        number(db, QStringLiteral("借出次数:"),
               QStringLiteral("select count(id) as num from 借出记录 where 借阅日期>=? and 借阅日期<=?"), {from, to}),
        number(db, QStringLiteral("归还次数:"),
               QStringLiteral("select count(id) as num from 借出记录 where 归还日期>=? and 归还日期<=?"), {from, to}),
        number(db, QStringLiteral("图书入库数:"),
               QStringLiteral("select count(编号) as num from 图书 where 入库时间>=? and 入库时间<=?"),
               {midnight(from), midnight(to)}),
        number(db, QStringLiteral("期刊入库数:"),
               QStringLiteral("select count(编号) as num from 期刊 where 入库时间>=? and 入库时间<=?"),
               {midnight(from), midnight(to)}),
        number(db, QStringLiteral("读者登记数:"),
               QStringLiteral("select count(读者编号) as num from 读者库 where 登记日期>=? and 登记日期<=?"),
               {midnight(from), midnight(to)}),
    };
    Count rent;
    rent.caption = QStringLiteral("租金收入:");
    rent.isMoney = true;
    rent.amount = MoneySum::value(db.scalar(
        QStringLiteral("select %1 as num from 借出记录 where 已还=? and 归还日期>=? and 归还日期<=?")
            .arg(MoneySum::sql(QStringLiteral("实际租金"))),
        {QStringLiteral("是"), from, to}));
    counts.append(rent);
    return counts;
}

} // namespace StockTaking
