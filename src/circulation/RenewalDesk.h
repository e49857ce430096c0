// SPDX-License-Identifier: MIT
#pragma once
#include "circulation/LoanRow.h"

#include <QDate>
#include <QString>

class SharedConnection;

// Renewal: a new due date for an open loan, chosen by the operator. Nothing else is
// checked or charged.
namespace RenewalDesk {
struct Found {
    bool ok = false;
    QString message; // "没有找到该借阅记录,请检查您输入的信息是否正确!"
    LoanRow loan;    // the first open loan (lowest id) of the reader and item
};
// Values untrimmed. Throws DatabaseError.
Found find(const SharedConnection &db, const QString &reader, const QString &item);
// Sets the due date of the loan while it is still open; false with the message when
// it was returned meanwhile. Throws DatabaseError.
bool renew(const SharedConnection &db, qint64 loanId, const QDate &due, QString *message);
} // namespace RenewalDesk
