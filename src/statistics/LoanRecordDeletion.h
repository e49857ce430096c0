// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

class SharedConnection;
struct Rights;

// Deleting one loan record by its id, for operators with the qxadmin right, with an
// operator-log row. The item's and the reader's own rows are not touched.
namespace LoanRecordDeletion {

struct Result {
    bool ok = false;
    QString message; // "ok！" when done, else the refusal
};

// "没有管理员权限！" without the right, else empty.
QString refusal(const Rights &rights);
// The question asked before deleting.
QString question(const QString &readerName, const QString &title);
// The 说明 of the log row.
QString logDetail(const QString &readerNumber, const QString &readerName, const QString &title);

// In one transaction: the log row (事件 "删借出记录"; a failure of it is ignored, as the
// log is secondary) and the deletion of the row. A row that is no longer there is
// refused with "该借出记录已不存在." and nothing is written. Throws DatabaseError when
// the deletion itself fails.
Result remove(const SharedConnection &db, const Rights &rights, qint64 id, const QString &operatorName);

} // namespace LoanRecordDeletion
