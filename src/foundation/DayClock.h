// SPDX-License-Identifier: MIT
#pragma once
#include <QDate>
#include <QDateTime>

// The one clock every day computation reads. Tests and `bookctl --today` replace the
// date while the time of day keeps running.
namespace DayClock {
QDate today();
QDateTime now();
// Replaces today's date (the time of day stays the real one); an invalid date restores
// the real clock.
void setToday(const QDate &date);
// Whole days from a to b (b - a).
inline qint64 daysBetween(const QDate &a, const QDate &b) { return a.daysTo(b); }
}
