// SPDX-License-Identifier: MIT
#pragma once
#include "circulation/LendingItem.h"
#include "circulation/LendingReader.h"

#include <QDate>
#include <QList>
#include <QString>

class LoginSession;
class SharedConnection;

// A line of the pending list: an item that passed the checks and waits for "借出".
struct PendingLine {
    QString 编号;
    QString 条形码;
    QString 名称;
    ItemTable table = ItemTable::Book;
    int 天数 = 0;
    Money 租金; // daily rent
    QString 物品级别;

    QString 类别() const { return ItemTables::name(table); }
};

// A loan written by "借出".
struct LentLoan {
    qint64 id = 0;
    QString 编号;
    QString 名称;
    QString 类别;
    QDate 应还日期;
    Money 租金;
};

// The working state of the lending counter without its widgets: the current reader,
// the item checks and the pending list, and the lending itself, which writes every
// loan row and counter of the list in one transaction.
class LendingDesk
{
public:
    LendingDesk(const SharedConnection &db, const LoginSession &session);

    // --- the reader
    // Loads the reader; a refused reader is dropped (no reader is current afterwards).
    // The pending list stays. Returns the refusal, empty when loaded. Throws DatabaseError.
    QString lookUpReader(const QString &typed);
    bool hasReader() const { return m_reader.isValid(); }
    const LendingReader &reader() const { return m_reader; }
    void dropReader() { m_reader = LendingReader(); }

    // --- the items
    struct Found {
        QList<LendingItem> rows; // empty when refused
        QString message;         // the refusal
    };
    // Expires stale reservations (when reservations are switched on), then finds the
    // rows of the table whose key column equals value. Refused without a reader.
    Found findItems(ItemTable table, ItemKey key, const QString &value);

    enum class Outcome { Listed, AlreadyListed, Refused };
    struct Admission {
        Outcome outcome = Outcome::Refused;
        QString message;  // the refusal
        QString warning;  // "提示:该读者超过借阅数量!" when the line was listed over the limit
        Money levelRent;  // the 租金 of the item's level, 0 without one
    };
    // The checks of one item row against the reader and the pending list, in order;
    // lists it when it passes. Throws DatabaseError.
    Admission admit(const LendingItem &item);

    const QList<PendingLine> &pending() const { return m_pending; }
    void removeLine(int index);
    // Empties the pending list and drops the reader.
    void clear();

    // --- lending
    struct LendResult {
        bool ok = false;      // true when the loans were written
        QString message;      // "借阅完毕!" or the refusal; empty for an empty list
        QList<LentLoan> loans;
    };
    // Lends the pending list, all or nothing. On success the list and the reader are
    // cleared and, when print is true, the receipt is sent to the printer after the
    // commit (a printer fault never stops or delays lending). On refusal both stay.
    LendResult lend(bool print);

private:
    Money dailyRent(Money levelRent) const;

    const SharedConnection &m_db;
    const LoginSession &m_session;
    LendingReader m_reader;
    QList<PendingLine> m_pending;
};
