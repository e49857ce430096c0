// SPDX-License-Identifier: MIT
#include "catalogue/BookTotals.h"
#include "foundation/Money.h"
#include "foundation/SharedConnection.h"

namespace BookTotals {

QString label(const SharedConnection &db)
{
    QString text;
    try {
        const QVariant count = db.scalar(QStringLiteral("select count(编号) as tt from 图书"));
        text = QStringLiteral("总记录数:") + QString::number(count.toLongLong());
        const QVariant copies = db.scalar(QStringLiteral("select sum(数量) as tt from 图书"));
        if (copies.isNull())
            return text;
        text += QStringLiteral(" 总数量:") + QString::number(copies.toLongLong());
        const QVariant value = db.scalar(QStringLiteral("select sum(数量*价格) as tt from 图书"));
        if (value.isNull())
            return text;
        text += QStringLiteral(" 总价格:") + Money::fromVariant(value).toString();
    } catch (const DatabaseError &) {
        // The parts already written stay.
    }
    return text;
}

} // namespace BookTotals
