// SPDX-License-Identifier: MIT
#include "foundation/Isbn.h"

static bool allDigits(const QString &s)
{
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

QString Isbn13To10(const QString &isbn13)
{
    QString s = isbn13;
    s.remove(QLatin1Char('-'));
    if (s.size() < 12)
        return {};
    const QString nine = s.mid(3, 9);
    if (!allDigits(nine))
        return {};
    int sum = 0;
    for (int i = 0; i < 9; ++i)
        sum += (10 - i) * nine[i].digitValue();
    const int check = (11 - sum % 11) % 11;
    return nine + (check == 10 ? QStringLiteral("x") : QString::number(check));
}

QString Isbn10To13(const QString &isbn10)
{
    QString s = isbn10;
    s.remove(QLatin1Char('-'));
    const QString t = QStringLiteral("978") + s.left(9);
    if (s.size() < 9 || !allDigits(t))
        return t;
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (i % 2 == 0 ? 1 : 3) * t[i].digitValue();
    return t + QString::number((10 - sum % 10) % 10);
}
