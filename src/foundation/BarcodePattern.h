// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QVector>

// An encoded barcode: the widths of its elements in modules, bar first and then
// alternating space and bar, ending with a bar; or the reason the text was refused.
struct BarcodePattern {
    QString text;            // the text encoded, printed under the bars
    QVector<int> widths;     // bar, space, bar, ... in modules; empty when refused
    QString error;           // a message for the operator when refused
    int quietZone = 10;      // blank modules wanted on each side

    bool isValid() const { return error.isEmpty() && !widths.isEmpty(); }
    int moduleCount() const
    {
        int sum = 0;
        for (int w : widths)
            sum += w;
        return sum;
    }
};

// How a refused character is named in a message: itself when it can be seen,
// otherwise its code ("U+0009").
inline QString describeBarcodeCharacter(char32_t c)
{
    const QString s = QString::fromUcs4(&c, 1);
    if (c <= 0x20 || !QChar::isPrint(c))
        return QStringLiteral("U+") + QString::number(uint(c), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    return s;
}
