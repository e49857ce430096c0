// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/BarcodePattern.h"

// Code 128 kept in code set A from start to stop: Start A, one symbol per character,
// the modulo-103 check character, Stop. Set A holds ASCII 0x20-0x5F (digits, upper
// case, punctuation) and the control characters 0x00-0x1F; lower case letters, 0x60-0x7F
// and anything outside ASCII are refused, never converted.
class Code128A final {
public:
    static BarcodePattern encode(const QString &text);
    static bool canEncode(QChar c);
    // The symbol value of a set A character (0..95), or -1.
    static int valueOf(char32_t c);
};
