// SPDX-License-Identifier: MIT
#include "import/PageCount.h"

#include <limits>

int leadingPageCount(const QString &pages)
{
    // The column is a 32-bit integer on the server.
    constexpr qint64 largest = std::numeric_limits<qint32>::max();
    qint64 number = 0;
    int i = 0;
    while (i < pages.size() && pages.at(i).isSpace())
        ++i;
    for (; i < pages.size(); ++i) {
        const int digit = pages.at(i).digitValue();
        if (digit < 0 || !pages.at(i).isDigit())
            break;
        number = number * 10 + digit;
        if (number > largest)
            return 0;
    }
    return int(number);
}
