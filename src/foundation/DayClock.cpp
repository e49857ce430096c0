// SPDX-License-Identifier: MIT
#include "foundation/DayClock.h"

namespace {
QDate g_today;
}

namespace DayClock {

QDate today()
{
    return g_today.isValid() ? g_today : QDate::currentDate();
}

QDateTime now()
{
    const QDateTime real = QDateTime::currentDateTime();
    if (!g_today.isValid())
        return real;
    return QDateTime(g_today, real.time());
}

void setToday(const QDate &date)
{
    g_today = date;
}

} // namespace DayClock
