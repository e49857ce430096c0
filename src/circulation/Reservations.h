// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QVariantList>

class SharedConnection;

// The reserved books and the clearing of every reservation (book table only).
namespace Reservations {
// "select * from 图书 where 预定状况 is not null", in 编号 order.
QString listQuery();
// Lifts every reservation of 图书 in one transaction; returns how many books were
// reserved. Throws DatabaseError.
int clearAll(const SharedConnection &db);
} // namespace Reservations
