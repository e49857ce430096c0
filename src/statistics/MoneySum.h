// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/Money.h"

#include <QString>
#include <QVariant>

// Sums of money columns computed exactly by both engines: each value is turned into whole
// ten-thousandths and added as integers (SQLite would otherwise add doubles and drift on a
// million rows); the total comes back as a decimal the Money type reads without loss.
namespace MoneySum {
// "(sum(cast(round((<expression>) * 10000) as bigint)) / 10000.0)"; Null when no rows.
QString sql(const QString &expression);
// The value of such a sum; Null is 0.
inline Money value(const QVariant &v) { return Money::fromVariant(v); }
}
