// SPDX-License-Identifier: MIT
#pragma once
#include "circulation/BoundQuery.h"
#include "circulation/LoanRow.h"
#include "circulation/ReturnFigures.h"

#include <QList>
#include <QString>

class LoginSession;
class SharedConnection;

// The return counter without its widgets: finds open loans, works out rent and fine,
// and returns one loan with its counters and the card debit in one transaction.
class ReturnDesk
{
public:
    ReturnDesk(const SharedConnection &db, const LoginSession &session);

    struct Found {
        bool ok = false;   // false: no search criteria
        QString message;   // "请输入搜索条件!"
        QList<LoanRow> rows; // open loans, lowest id first
    };
    // Open loans by item number, barcode and reader number (each when not empty,
    // untrimmed). Throws DatabaseError.
    Found search(const QString &item, const QString &barcode, const QString &reader) const;
    // The statement of that search; empty sql without criteria.
    static BoundQuery searchQuery(const QString &item, const QString &barcode, const QString &reader);
    // The loan row with the id; false when there is none. Throws DatabaseError.
    bool loan(qint64 id, LoanRow *row) const;
    // The reader number of a card number; false when no reader has it or the lookup fails.
    bool readerOfCard(const QString &card, QString *reader) const;

    // Rent and fine of a loan returned today.
    ReturnFigures figures(const LoanRow &loan) const;
    // "超期罚金是:<fine> 元." when fines are on and there is one, else empty.
    QString fineNotice(const ReturnFigures &figures) const;
    // 存放位置 of the loan's item, empty when the item is gone. Throws DatabaseError.
    QString shelfOf(const LoanRow &loan) const;

    // What the operator confirms: the texts of the boxes and the return details.
    struct Input {
        QString days;         // 实际租期, a whole number
        QString rent;         // 实际租金, money (0 when not a number)
        Money fine;           // 超期罚金 as worked out
        QString condition = QStringLiteral("完好");
        QString compensation; // 赔偿金额, money; empty is 0
        QString remark;
    };
    // The values the window shows for the loan.
    Input proposal(const LoanRow &loan) const;

    struct Outcome {
        bool ok = false;
        QString message; // "归还完毕!" or the refusal
        Money balance;   // the reader's 卡内金额 afterwards
        bool readerFound = false;
    };
    // Returns the loan, all or nothing: the loan row, the shelf count (unless lost),
    // the reader's open count and card balance. A loan returned meanwhile elsewhere
    // is refused.
    Outcome returnLoan(const LoanRow &loan, const Input &input) const;

private:
    const SharedConnection &m_db;
    const LoginSession &m_session;
};
