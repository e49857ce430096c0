// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/ListReport.h"

// The printed list of overdue loans: the time of printing in the title band, then per
// loan 顺序号 (its id), 读者编号, 读者姓名, 编号, 名称, 类别, 借阅日期, 已还.
class OverdueReport : public ListReport
{
public:
    OverdueReport();
    // The grid fields whose texts fill the columns, in column order.
    static QStringList fields();
};
