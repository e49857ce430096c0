// SPDX-License-Identifier: MIT
#pragma once

class QLineEdit;

// Makes a box an amount box: typing lets only the digits 0-9 and the point through
// (backspace and the cursor keys still work); every other character is discarded.
void makeAmountBox(QLineEdit *box);
