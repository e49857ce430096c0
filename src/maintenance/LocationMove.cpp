// SPDX-License-Identifier: MIT
#include "maintenance/LocationMove.h"
#include "foundation/SharedConnection.h"
#include "foundation/SqlDialect.h"

#include <QSqlQuery>

namespace {
bool itemTable(const QString &table)
{
    return table == QStringLiteral("图书") || table == QStringLiteral("期刊");
}
} // namespace

QStringList LocationMove::locations(const SharedConnection &db)
{
    QStringList names;
    QSqlQuery q = db.exec(QStringLiteral("select * from 存放位置"));
    while (q.next())
        names << q.value(0).toString();
    return names;
}

bool LocationMove::complete(const QString &table, const QString &from, const QString &to)
{
    return itemTable(table.trimmed()) && !from.trimmed().isEmpty() && !to.trimmed().isEmpty();
}

QString LocationMove::statementText(const SqlDialect &dialect, const QString &table, const QString &from,
                                    const QString &to)
{
    const QString q = dialect.textQuote();
    return QStringLiteral("update ") + table + QStringLiteral(" set 存放位置=") + q + to + q
        + QStringLiteral(" where 存放位置=") + q + from + q;
}

int LocationMove::run(const SharedConnection &db, const QString &table, const QString &from, const QString &to)
{
    if (!itemTable(table.trimmed()))
        throw DatabaseError(incompleteMessage());
    Transaction t(db);
    QSqlQuery q = db.exec(QStringLiteral("update ") + table.trimmed() + QStringLiteral(" set 存放位置=? where 存放位置=?"),
                          {to, from});
    const int changed = q.numRowsAffected();
    t.commit();
    return changed;
}
