// SPDX-License-Identifier: MIT
#include "readers/IncomeReport.h"
#include "foundation/DayClock.h"
#include "foundation/SqlValues.h"

#include <QSqlQuery>

IncomeReport::IncomeReport()
{
    setTitle(QStringLiteral("资金统计"));
    addColumn(QStringLiteral("项目"), 1);
    addColumn(QStringLiteral("时间"), 1.6);
    addColumn(QStringLiteral("读者编号"), 1.1);
    addColumn(QStringLiteral("读者姓名"), 1.1);
    addColumn(QStringLiteral("金额"), 0.9, Qt::AlignRight);
    addColumn(QStringLiteral("管理员"), 1);
    updateTotals();
}

void IncomeReport::addEntries(QSqlQuery &q)
{
    while (q.next()) {
        const Money amount = Money::fromVariant(q.value(QStringLiteral("金额")));
        m_sum += amount;
        addRow({q.value(QStringLiteral("项目")).toString(), SqlValues::dateTimeText(q.value(QStringLiteral("时间"))),
                q.value(QStringLiteral("读者编号")).toString(), q.value(QStringLiteral("读者姓名")).toString(),
                amount.toString(), q.value(QStringLiteral("管理员")).toString()});
    }
    updateTotals();
}

void IncomeReport::updateTotals()
{
    setColumnTotals({QString(), QString(), QString(), QStringLiteral("合计"), m_sum.toString(), QString()});
    setTotalsText(QStringLiteral(" 时间: ") + DayClock::now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) +
                  QStringLiteral("    合计: ") + m_sum.toString());
}
