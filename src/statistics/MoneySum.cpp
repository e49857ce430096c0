// SPDX-License-Identifier: MIT
#include "statistics/MoneySum.h"

QString MoneySum::sql(const QString &expression)
{
    return QStringLiteral("(sum(cast(round((%1) * 10000) as bigint)) / 10000.0)").arg(expression);
}
