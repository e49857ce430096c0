// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/Money.h"

#include <QDate>

// The days and money a return charges, worked out in whole days and exact money.
struct ReturnFigures {
    int 实际租期 = 1;  // days charged: days since lending, at least 1
    Money 实际租金;     // 实际租期 × the loan's daily rent
    int 超期天数 = 0;   // today − due day; 0 or negative when not overdue
    Money 罚金;         // 超期天数 × fine per day when overdue, else 0

    static ReturnFigures compute(const QDate &lent, const QDate &due, Money dailyRent, Money finePerDay,
                                 const QDate &today);
    // The rent for a number of days at the loan's daily rent.
    static Money rentFor(int days, Money dailyRent) { return dailyRent * days; }
};
