// SPDX-License-Identifier: MIT
#include "catalogue/CallNumber.h"
#include "foundation/SharedConnection.h"

CallNumber CallNumber::propose(const SharedConnection &db, const QString &classNumber)
{
    if (classNumber.isEmpty())
        return {};
    // The largest zch of the class. "order by zch" and its last row would depend on
    // where each engine sorts Null; max() ignores Null on both.
    const QVariant largest = db.scalar(QStringLiteral("select max(zch) from 图书 where 分类号=?"), {classNumber});
    bool ok = false;
    const qlonglong n = largest.isNull() ? 0 : largest.toLongLong(&ok);
    const int next = (!ok || n <= 0) ? 1 : int(n + 1);
    return {classNumber + QLatin1Char('/') + QString::number(next), next};
}
