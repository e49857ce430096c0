// SPDX-License-Identifier: MIT
#include "circulation/ReturnFigures.h"

#include <cstdlib>

ReturnFigures ReturnFigures::compute(const QDate &lent, const QDate &due, Money dailyRent, Money finePerDay,
                                     const QDate &today)
{
    ReturnFigures f;
    // A loan without a lending day (an imported record) is charged one day.
    const qint64 d = lent.isValid() ? std::llabs(lent.daysTo(today)) : 0;
    f.实际租期 = d > 0 ? int(d) : 1;
    f.实际租金 = rentFor(f.实际租期, dailyRent);
    f.超期天数 = due.isValid() ? int(due.daysTo(today)) : 0;
    f.罚金 = f.超期天数 > 0 ? finePerDay * f.超期天数 : Money();
    return f;
}
