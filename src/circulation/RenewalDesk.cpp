// SPDX-License-Identifier: MIT
#include "circulation/RenewalDesk.h"
#include "foundation/SharedConnection.h"

#include <QSqlQuery>

namespace {
const QString kNotFound = QStringLiteral("没有找到该借阅记录,请检查您输入的信息是否正确!");
}

namespace RenewalDesk {

Found find(const SharedConnection &db, const QString &reader, const QString &item)
{
    Found f;
    QSqlQuery q = db.exec(QStringLiteral("select * from 借出记录 where 读者编号=? and 编号=? and 已还=? order by id"),
                          {reader, item, QStringLiteral("否")});
    if (!q.next()) {
        f.message = kNotFound;
        return f;
    }
    f.ok = true;
    f.loan = LoanRow::fromRow(q);
    return f;
}

bool renew(const SharedConnection &db, qint64 loanId, const QDate &due, QString *message)
{
    Transaction tx(db);
    const QSqlQuery q = db.exec(QStringLiteral("update 借出记录 set 应还日期=? where id=? and 已还=?"),
                                {due, loanId, QStringLiteral("否")});
    if (q.numRowsAffected() < 1) {
        if (message)
            *message = kNotFound;
        return false;
    }
    tx.commit();
    if (message)
        *message = QStringLiteral("续借完毕!");
    return true;
}

} // namespace RenewalDesk
