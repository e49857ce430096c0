// SPDX-License-Identifier: MIT
#include "catalogue/ChoiceLists.h"
#include "foundation/SharedConnection.h"

namespace ChoiceLists {

QStringList items(const SharedConnection &db, const QString &table, const QString &column)
{
    QStringList list;
    QSqlQuery q = db.exec(QStringLiteral("select * from ") + table);
    while (q.next())
        list << q.value(column).toString();
    return list;
}

} // namespace ChoiceLists
