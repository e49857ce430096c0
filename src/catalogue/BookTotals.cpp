// SPDX-License-Identifier: MIT
#include "catalogue/BookTotals.h"
#include "foundation/Money.h"
#include "foundation/SharedConnection.h"

namespace BookTotals {

QString label(const SharedConnection &db)
{
    QString text;
    try {
        // One pass over the table for the three figures.
        QSqlQuery q = db.exec(QStringLiteral("select count(编号) as tt, sum(数量) as copies, sum(数量*价格) as total from 图书"));
        if (!q.next())
            return text;
        const QVariant count = q.value(0), copies = q.value(1), value = q.value(2);
        text = QStringLiteral("总记录数:") + QString::number(count.toLongLong());
        if (copies.isNull())
            return text;
        text += QStringLiteral(" 总数量:") + QString::number(copies.toLongLong());
        if (value.isNull())
            return text;
        text += QStringLiteral(" 总价格:") + Money::fromVariant(value).toString();
    } catch (const DatabaseError &) {
        // The parts already written stay.
    }
    return text;
}

} // namespace BookTotals
