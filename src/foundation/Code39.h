// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/BarcodePattern.h"

// Code 39 without check character: start '*', the text, stop '*'; 43 characters
// (0-9, A-Z, "-. $/+%"). Wide elements are three modules, narrow ones one, and one
// narrow space separates characters. Any other character (lower case too) is refused.
class Code39 final {
public:
    static BarcodePattern encode(const QString &text);
    static bool canEncode(QChar c);
};
