// SPDX-License-Identifier: MIT
#pragma once
#include "circulation/ItemTable.h"

#include <QString>

class SharedConnection;

// The focus preferences of the two counter windows, read from 系统设置 when they open.
struct CounterFocus {
    // Lending looks items up by 编号, or by 条形码 when 借阅焦点条形码 is on (it wins
    // over 借阅焦点编号; with neither on, 编号 stays).
    ItemKey lendingKey = ItemKey::Number;
    // The return window's search box: "图书编号", "条形码" or "读者编号" (the last of
    // 归还焦点图书编号, 归还焦点条形码, 归还焦点读者编号 that is on), empty for none.
    QString returnFocus;

    // Throws DatabaseError.
    static CounterFocus read(const SharedConnection &db);
};
