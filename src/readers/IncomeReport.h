// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/ListReport.h"
#include "foundation/Money.h"

class QSqlQuery;

// The report of the income statistics: heads 项目, 时间, 读者编号, 读者姓名, 金额, 管理员,
// one line per journal row, and at the end the time of printing and the sum of 金额.
class IncomeReport : public ListReport
{
public:
    IncomeReport();
    // One line for each row of an executed select over 收入 (read to the end).
    void addEntries(QSqlQuery &query);
    Money sum() const { return m_sum; }

private:
    void updateTotals();
    Money m_sum;
};
