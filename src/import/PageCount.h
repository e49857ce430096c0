// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

// The page count the MARC import stores in the integer column 页数: the leading number of
// the record's text ("320页" → 320), 0 when the text does not start with one or the
// number is too large for the column. Leading blanks are skipped; full-width digits count.
int leadingPageCount(const QString &pages);
