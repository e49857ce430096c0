// SPDX-License-Identifier: MIT
#pragma once
#include <QDate>
#include <QString>

// How a sheet cell's text becomes a value of a numeric, money or date column in the
// imports. A text that does not read gives the column's default; the row is still written.
namespace ImportValues {

// A whole number ("3", " -12 "), or fallback when the text is empty, not a whole
// number or too large for the integer column.
int integerOr(const QString &text, int fallback);

// A date in the forms a sheet holds: the reader's "yyyy-MM-dd" (with or without
// " hh:mm:ss"), and "2008-8-8", "2008/8/8", "2008.8.8", "2008年8月8日" typed as text.
// Invalid when the text is none of these.
QDate parseDate(const QString &text);

} // namespace ImportValues
