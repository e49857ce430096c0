// SPDX-License-Identifier: MIT
#pragma once
#include "catalogue/ListStatement.h"

#include <QDate>
#include <QString>

class SqlDialect;

// The registration statistics: what was registered in a date range, and how many books
// each operator entered. Dates compare as midnight at their start, so a to-date takes in
// only what was stamped at exactly midnight of that day.
namespace RegistrationList {

// "时间前后逻辑错误!" when to lies before from (a warning: the list is still built).
QString rangeWarning(const QDate &from, const QDate &to);

// Every row of 图书 or 期刊 (table is the group caption) with from <= 入库时间 <= to.
ListStatement registered(const QString &table, const QDate &from, const QDate &to);

// Books per operator: 登记人, 记录数 (count of 编号) and 总价格 (sum of 价格).
ListStatement perOperator(const QDate &from, const QDate &to);
// The same statement as the operator is shown it, dates between the dialect's quotes.
QString perOperatorText(const SqlDialect &dialect, const QDate &from, const QDate &to);

} // namespace RegistrationList
