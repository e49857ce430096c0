// SPDX-License-Identifier: MIT
#include "circulation/OpenLoans.h"

namespace OpenLoans {

BoundQuery overdue(const QDate &today)
{
    return {QStringLiteral("select * from 借出记录 where 应还日期 <=? and 已还=? order by id"),
            {today, QStringLiteral("否")}};
}

BoundQuery ofReader(const QString &reader)
{
    return {QStringLiteral("select * from 借出记录 where 读者编号=? and 已还=? order by id"),
            {reader, QStringLiteral("否")}};
}

} // namespace OpenLoans
