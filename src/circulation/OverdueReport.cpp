// SPDX-License-Identifier: MIT
#include "circulation/OverdueReport.h"

OverdueReport::OverdueReport()
{
    setTitle(QStringLiteral("逾期未还记录统计"));
    addColumn(QStringLiteral("顺序号"), 0.7, Qt::AlignRight);
    addColumn(QStringLiteral("读者编号"), 1);
    addColumn(QStringLiteral("读者姓名"), 1);
    addColumn(QStringLiteral("编号"), 1);
    addColumn(QStringLiteral("名称"), 2.4);
    addColumn(QStringLiteral("类别"), 0.6);
    addColumn(QStringLiteral("借阅日期"), 1.1);
    addColumn(QStringLiteral("已还"), 0.5);
}

QStringList OverdueReport::fields()
{
    return {QStringLiteral("id"), QStringLiteral("读者编号"), QStringLiteral("读者姓名"), QStringLiteral("编号"),
            QStringLiteral("名称"), QStringLiteral("类别"), QStringLiteral("借阅日期"), QStringLiteral("已还")};
}
