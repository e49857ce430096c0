// SPDX-License-Identifier: MIT
#include "circulation/CounterFocus.h"
#include "foundation/SharedConnection.h"
#include "foundation/SqlValues.h"

#include <QSqlQuery>

CounterFocus CounterFocus::read(const SharedConnection &db)
{
    CounterFocus f;
    QSqlQuery q = db.exec(QStringLiteral("select * from 系统设置"));
    if (!q.next())
        return f;
    auto on = [&q](const char *column) { return SqlValues::toBool(q.value(QString::fromUtf8(column))); };
    if (on("借阅焦点编号"))
        f.lendingKey = ItemKey::Number;
    if (on("借阅焦点条形码"))
        f.lendingKey = ItemKey::Barcode;
    if (on("归还焦点图书编号"))
        f.returnFocus = QStringLiteral("图书编号");
    if (on("归还焦点条形码"))
        f.returnFocus = QStringLiteral("条形码");
    if (on("归还焦点读者编号"))
        f.returnFocus = QStringLiteral("读者编号");
    return f;
}
