// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/Money.h"
#include "readers/ReaderForm.h"

#include <QString>
#include <QStringList>

class SharedConnection;

// Registers, edits, suspends and deletes rows of 读者库. Each action is one transaction;
// a database refusal throws DatabaseError with the engine's message and leaves nothing
// written.
namespace ReaderRegistry {

// The validity of a new reader: today plus 14600 days (about forty years).
QDate defaultValidUntil();

// The message when a required box (读者编号, 读者姓名, 类别) is empty, or an empty
// text. A box holding only blanks counts as filled, as on the window.
QString missingRequired(const ReaderForm &form);

struct Registration {
    QString number; // as stored (trimmed)
    QString py;
    bool feeJournalled = false;
};

// Appends the reader with its defaults (状态 正常, 密码 8316, counters 0, 登记日期 now,
// 登记人 the operator, py from the name) and, when the opening fee is above 0, the
// 开户费 row of 收入, both in one transaction. The photo and the TmpA marker are stored
// in savepoints of their own: a failure there is ignored and the reader still saved.
// The form must have passed missingRequired().
Registration registerReader(const SharedConnection &db, const ReaderForm &form, Money openingFee,
                            const QString &operatorName);

// The row of a reader by 读者编号; false when there is none.
bool load(const SharedConnection &db, const QString &number, ReaderForm *form);

// Writes the editing window's boxes (and photo) over the row whose number was
// oldNumber; py is recomputed from the name. Loan records keep the old number. Returns
// false when no such row exists any more.
bool update(const SharedConnection &db, const QString &oldNumber, const ReaderForm &form);

// Sets 状态 of the reader and writes the operator-log row "修改状态" in one transaction.
void changeState(const SharedConnection &db, const QString &number, const QString &name,
                 const QString &state, const QString &remark, const QString &operatorName);
// The detail text of that log row.
QString stateLogDetail(const QString &number, const QString &name, const QString &state,
                       const QString &remark);

// Deletes the reader; loans and records stay. Returns the rows removed.
int remove(const SharedConnection &db, const QString &number);

// The choices of the windows' lists: categories in table order, units and documents.
QStringList categoryNames(const SharedConnection &db);
QStringList unitNames(const SharedConnection &db);
QStringList documentNames(const SharedConnection &db);

} // namespace ReaderRegistry
