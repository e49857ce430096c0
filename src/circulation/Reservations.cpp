// SPDX-License-Identifier: MIT
#include "circulation/Reservations.h"
#include "foundation/SharedConnection.h"

#include <QSqlQuery>

namespace Reservations {

QString listQuery()
{
    return QStringLiteral("select * from 图书 where 预定状况 is not null order by 编号");
}

int clearAll(const SharedConnection &db)
{
    Transaction tx(db);
    const int n = db.exec(QStringLiteral("update 图书 set 预定状况=null where 预定状况 is not null")).numRowsAffected();
    db.exec(QStringLiteral("update 图书 set 预定到期时间=null where 预定到期时间 is not null"));
    tx.commit();
    return n;
}

} // namespace Reservations
