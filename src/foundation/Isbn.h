// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

// ISBN-13 (hyphens allowed) to ISBN-10 with its check character ("x" for 10);
// empty text when fewer than 12 characters remain or positions 4 to 12 are not digits.
QString Isbn13To10(const QString &isbn13);

// ISBN-10 (hyphens allowed) to ISBN-13 with the EAN check digit. Malformed input
// (fewer than 9 characters, or a non-digit among the first 9) gives "978" followed by
// the characters taken, without a check digit.
QString Isbn10To13(const QString &isbn10);
