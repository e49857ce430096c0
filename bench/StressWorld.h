// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/Money.h"

#include <QMap>
#include <QString>
#include <QStringList>

class SharedConnection;

// The small shared library the concurrent workstations fight over, and the checks
// made on it once they are done.
namespace StressWorld {

// What the library held before the workers started.
struct Start {
    QMap<QString, int> stock;     // "图书/S01": copies on the shelf plus those on loan
    QMap<QString, Money> balance; // 读者编号 → 卡内金额
    int loans = 0;                // 借出记录 rows
};

// What the workers say they did, added up.
struct Reported {
    int lentItems = 0;
    int returns = 0;
    Money topUps;  // sum of the amounts of the top-ups done
    Money debits;  // sum of rent and fines of the returns done
    QList<qint64> returnedIds;
};

// Books, periodicals and readers with a few overdue loans, the rent switched on so
// that returns charge the card. Returns the starting state. Throws DatabaseError.
Start seed(const SharedConnection &db);

// The item keys ("图书/S01") and reader numbers the workers pick from.
QStringList itemKeys();
QStringList readerNumbers();

// Every broken invariant, one line each; empty when the library is sound.
QStringList check(const SharedConnection &db, const Start &start, const Reported &reported);

} // namespace StressWorld
