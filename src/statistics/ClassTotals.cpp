// SPDX-License-Identifier: MIT
#include "statistics/ClassTotals.h"
#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"
#include "statistics/MoneySum.h"

namespace ClassTotals {

QString checkTable(const QString &text, QString *message)
{
    // The name goes into the statement's text, so only the two tables that have the
    // fields 分类, 数量 and 价格 are taken.
    const Schema::Table *table = Schema::findTable(text.trimmed());
    if (table && (table->name == QStringLiteral("图书") || table->name == QStringLiteral("期刊")))
        return table->name;
    if (message)
        *message = QStringLiteral("统计范围只能是\"图书\"或\"期刊\"!");
    return {};
}

QString statement(const QString &table)
{
    return QStringLiteral("select 分类,sum(数量) as 数量,%1 as 金额 from %2 group by 分类 order by 分类")
        .arg(MoneySum::sql(QStringLiteral("数量*价格")), table);
}

QSqlQuery open(const SharedConnection &db, const QString &table)
{
    QString message;
    const QString checked = checkTable(table, &message);
    if (checked.isEmpty())
        throw DatabaseError(message);
    return db.exec(statement(checked));
}

QList<Row> rows(const SharedConnection &db, const QString &table)
{
    QList<Row> list;
    QSqlQuery q = open(db, table);
    while (q.next())
        list.append({q.value(0).toString(), q.value(1).toLongLong(), MoneySum::value(q.value(2))});
    return list;
}

} // namespace ClassTotals
