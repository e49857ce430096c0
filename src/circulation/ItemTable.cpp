// SPDX-License-Identifier: MIT
#include "circulation/ItemTable.h"

namespace ItemTables {

QString name(ItemTable table)
{
    return table == ItemTable::Periodical ? QStringLiteral("期刊") : QStringLiteral("图书");
}

QString column(ItemKey key)
{
    return key == ItemKey::Barcode ? QStringLiteral("条形码") : QStringLiteral("编号");
}

ItemTable fromLoanKind(const QString &kind, bool *known)
{
    const QString k = kind.trimmed();
    const bool periodical = k == QStringLiteral("期刊");
    if (known)
        *known = periodical || k == QStringLiteral("图书");
    return periodical ? ItemTable::Periodical : ItemTable::Book;
}

} // namespace ItemTables
