// SPDX-License-Identifier: MIT
#include "circulation/LoanRow.h"
#include "foundation/SqlValues.h"

#include <QSqlQuery>

LoanRow LoanRow::fromRow(const QSqlQuery &row)
{
    auto text = [&row](const char *column) { return row.value(QString::fromUtf8(column)).toString(); };
    auto money = [&row](const char *column) { return Money::fromVariant(row.value(QString::fromUtf8(column))); };
    LoanRow r;
    r.id = row.value(QStringLiteral("id")).toLongLong();
    r.读者编号 = text("读者编号");
    r.读者姓名 = text("读者姓名");
    r.编号 = text("编号");
    r.名称 = text("名称");
    r.条形码 = text("条形码");
    r.类别 = text("类别");
    r.借阅经手人 = text("借阅经手人");
    r.借阅日期 = SqlValues::toDate(row.value(QStringLiteral("借阅日期")));
    r.应还日期 = SqlValues::toDate(row.value(QStringLiteral("应还日期")));
    r.租金 = money("租金");
    r.价格 = money("价格");
    r.物品状况 = text("物品状况");
    r.赔偿金额 = money("赔偿金额");
    r.归还备注 = text("归还备注");
    return r;
}
