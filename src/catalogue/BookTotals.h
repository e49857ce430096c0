// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

class SharedConnection;

// The totals line of book management over the whole table 图书: "总记录数:" count,
// " 总数量:" the sum of 数量, " 总价格:" the sum of 数量*价格 written shortest. Each
// part follows only when the one before it could be given: on an empty table the
// sums are Null and the line is "总记录数:0".
namespace BookTotals {
QString label(const SharedConnection &db);
}
