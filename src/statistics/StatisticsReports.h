// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/ListReport.h"
#include "foundation/Money.h"

#include <QList>
#include <QStringList>
#include <memory>

// The printed lists of the statistics windows, from the rows the windows show.
namespace StatisticsReports {

// The loan records: heads 顺序号, 读者编号, 读者姓名, 编号, 名称, 类别, 借阅日期, 已还, one line
// per row (id first), and the totals line of 价格, 实际租金 and 赔偿金额.
std::unique_ptr<ListReport> loanRecords(const QList<QStringList> &rows, const Money &price, const Money &rent,
                                        const Money &compensation);
// The fields of the loan rows in the order of the report's columns.
QStringList loanRecordFields();
// The totals line: " 价格合计:25.00  实际租金合计: 1.50  赔偿金额合计: 0.00".
QString loanTotalsText(const Money &price, const Money &rent, const Money &compensation);

// Totals per class: heads 分类, 数量, 金额, one line per class; the title band carries
// the date of printing.
std::unique_ptr<ListReport> classTotals(const QList<QStringList> &rows);

} // namespace StatisticsReports
