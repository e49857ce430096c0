// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArrayView>
#include <QString>

// How a spreadsheet cell's value becomes text, shared by the sheet readers: numbers in
// their shortest form, dates in the short date form, and the tests that tell a date
// format from a number format.
namespace SheetCellText {

// A number as text: 3 → "3", 2.5 → "2.5", 12345678901 → "12345678901", 0.1+0.2 → "0.3"
// (15 significant digits, as the spreadsheet shows), no exponent for ordinary values.
QString numberText(double value);
// The same for a number as a file writes it ("25.5"): the written text itself when it is
// already that form (the common case, and much cheaper), else numberText(value).
QString numberText(QByteArrayView written, double value);

// A date serial number as text: "yyyy-MM-dd", "yyyy-MM-dd hh:mm:ss" when it has a time
// of day, "hh:mm:ss" for a time alone (below 1). Empty when the serial is no date.
QString serialDateText(double serial, bool date1904 = false);

// An ISO 8601 date or date-time ("2024-12-08T15:30:00") in the same text form.
QString isoDateText(const QString &iso);

// True when a built-in number format id is a date or time format (14-22, 45-47, and the
// Chinese locale's 27-36 and 50-58).
bool isBuiltInDateFormat(int formatId);

// True when a format code shows a date or time: it has d, m, y, h or s outside quoted
// text, [brackets] and escaped characters.
bool isDateFormatCode(const QString &formatCode);

// Office Open XML writes control characters in strings as "_xHHHH_"; this undoes it.
QString decodeEscapes(const QString &text);
}
