// SPDX-License-Identifier: MIT
#pragma once
#include "circulation/BoundQuery.h"
#include "circulation/ItemTable.h"

class SqlDialect;

// The statements of the two pickers of the lending counter: a reader by name, pinyin
// initials or number; an item by title, initials or number. The typed text matches
// anywhere in the column.
namespace LendingPickers {
enum class By { First200, NameOrInitials, Number };

// Over 读者库, every column.
BoundQuery readers(const SqlDialect &dialect, By by, const QString &text);
// Over the item table: 名称, 编号, 条形码, 分类, 存放位置, 出版社, py.
BoundQuery items(const SqlDialect &dialect, ItemTable table, By by, const QString &text);
} // namespace LendingPickers
