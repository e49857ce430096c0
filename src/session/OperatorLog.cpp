// SPDX-License-Identifier: MIT
#include "session/OperatorLog.h"
#include "foundation/ListReport.h"
#include "foundation/SharedConnection.h"

namespace OperatorLog {

QString listStatement()
{
    // Ordered by id, the order of writing, so that the grid's pages agree on both engines.
    return QStringLiteral("select * from 管理员日志 order by id");
}

QStringList fields()
{
    return {QStringLiteral("id"), QStringLiteral("事件"), QStringLiteral("日期"), QStringLiteral("管理员"),
            QStringLiteral("说明")};
}

void removeRow(const SharedConnection &db, const QVariant &id)
{
    db.exec(QStringLiteral("delete from 管理员日志 where id = ?"), {id});
}

void removeAll(const SharedConnection &db)
{
    db.exec(QStringLiteral("delete from 管理员日志"));
}

std::unique_ptr<ListReport> report(const QList<QStringList> &rows, const QDateTime &printedAt)
{
    auto r = std::make_unique<ListReport>();
    r->setTitle(QStringLiteral("管理员日志"));
    r->setPrintedAt(printedAt);
    r->addColumn(QStringLiteral("id"), 0.6, Qt::AlignRight);
    r->addColumn(QStringLiteral("事件"), 1);
    r->addColumn(QStringLiteral("日期"), 1.1);
    r->addColumn(QStringLiteral("管理员"), 1);
    r->addColumn(QStringLiteral("说明"), 3);
    r->setRows(rows);
    return r;
}

} // namespace OperatorLog
