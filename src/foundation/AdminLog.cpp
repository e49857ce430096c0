// SPDX-License-Identifier: MIT
#include "foundation/AdminLog.h"
#include "foundation/DayClock.h"
#include "foundation/SharedConnection.h"

void AdminLog(const SharedConnection &db, const QString &event, const QString &detail,
              const QString &operatorName)
{
    db.exec(QStringLiteral("insert into 管理员日志(事件,日期,管理员,说明) \nvalues(?,?,?,?)"),
            {event, DayClock::now(), operatorName, detail});
}
