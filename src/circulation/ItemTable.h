// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

// The two tables an item can live in and the two columns the counter finds it by. The
// names go into statement text, so they come only from here, never from typing.
enum class ItemTable { Book, Periodical };
enum class ItemKey { Number, Barcode };

namespace ItemTables {
// "图书" or "期刊": the table name, the caption of the item group and 借出记录.类别.
QString name(ItemTable table);
// "编号" or "条形码".
QString column(ItemKey key);
// The table a loan's 类别 names ("期刊", trimmed; anything else
// is "图书"); *known is false when the text is neither of the two.
ItemTable fromLoanKind(const QString &kind, bool *known = nullptr);
} // namespace ItemTables
