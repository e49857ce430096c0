// SPDX-License-Identifier: MIT
#include "catalogue/RegistrationList.h"
#include "foundation/SqlDialect.h"

#include <QDateTime>

namespace RegistrationList {
namespace {
QVariant midnight(const QDate &date)
{
    return QDateTime(date, QTime(0, 0));
}
const QString kPerOperator = QStringLiteral(
    "SELECT 登记人, count(编号) AS 记录数, sum(价格) AS 总价格 FROM 图书 where 入库时间>=%1 and 入库时间<=%2 "
    "GROUP BY 登记人");
} // namespace

QString rangeWarning(const QDate &from, const QDate &to)
{
    return to < from ? QStringLiteral("时间前后逻辑错误!") : QString();
}

ListStatement registered(const QString &table, const QDate &from, const QDate &to)
{
    const QString t = table == QStringLiteral("期刊") ? table : QStringLiteral("图书");
    return {QStringLiteral("select * from %1 where 入库时间>=? and 入库时间<=?").arg(t),
            {midnight(from), midnight(to)}};
}

ListStatement perOperator(const QDate &from, const QDate &to)
{
    return {kPerOperator.arg(QStringLiteral("?"), QStringLiteral("?")), {midnight(from), midnight(to)}};
}

QString perOperatorText(const SqlDialect &dialect, const QDate &from, const QDate &to)
{
    const QString d = dialect.dateQuote();
    const QString f = QStringLiteral("yyyy-MM-dd");
    return kPerOperator.arg(d + from.toString(f) + d, d + to.toString(f) + d);
}

} // namespace RegistrationList
