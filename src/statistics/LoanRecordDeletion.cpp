// SPDX-License-Identifier: MIT
#include "statistics/LoanRecordDeletion.h"
#include "foundation/AdminLog.h"
#include "foundation/LoginSession.h"
#include "foundation/SharedConnection.h"

namespace LoanRecordDeletion {

QString refusal(const Rights &rights)
{
    return rights.qxadmin ? QString() : QStringLiteral("没有管理员权限！");
}

QString question(const QString &readerName, const QString &title)
{
    return QStringLiteral("您是否要删除读者姓名: (") + readerName + QStringLiteral("), 名称: (") + title
           + QStringLiteral(")");
}

QString logDetail(const QString &readerNumber, const QString &readerName, const QString &title)
{
    return QStringLiteral("读者编号：[") + readerNumber + QStringLiteral("],姓名:[") + readerName
           + QStringLiteral("],名称:[") + title + QStringLiteral("]");
}

Result remove(const SharedConnection &db, const Rights &rights, qint64 id, const QString &operatorName)
{
    Result result;
    result.message = refusal(rights);
    if (!result.message.isEmpty())
        return result;

    Transaction tx(db);
    QSqlQuery row = db.exec(QStringLiteral("select 读者编号, 读者姓名, 名称 from 借出记录 where id=?"), {id});
    if (!row.next()) {
        result.message = QStringLiteral("该借出记录已不存在.");
        return result;
    }
    const QString detail = logDetail(row.value(0).toString(), row.value(1).toString(), row.value(2).toString());
    row.finish();

    // The log row is secondary: its failure must not stop the deletion, and on the
    // server a failed statement would spoil the transaction, hence the savepoint.
    const QString savepoint = QStringLiteral("loan_delete_log");
    db.savepoint(savepoint);
    try {
        AdminLog(db, QStringLiteral("删借出记录"), detail, operatorName);
        db.releaseSavepoint(savepoint);
    } catch (const DatabaseError &) {
        db.rollbackToSavepoint(savepoint);
    }

    QSqlQuery del = db.exec(QStringLiteral("delete from 借出记录 where id=?"), {id});
    if (del.numRowsAffected() != 1) {
        result.message = QStringLiteral("该借出记录已不存在.");
        return result;
    }
    tx.commit();
    result.ok = true;
    result.message = QStringLiteral("ok！");
    return result;
}

} // namespace LoanRecordDeletion
