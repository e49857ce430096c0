// SPDX-License-Identifier: MIT
#include "foundation/Code39.h"

#include <cstring>

namespace {

const char kAlphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

// The nine elements of each character of kAlphabet (bar, space, bar, ...), most
// significant bit first; a one bit is a wide element. Three of nine are wide.
const quint16 kPatterns[] = {
    0x034, 0x121, 0x061, 0x160, 0x031, 0x130, 0x070, 0x025, 0x124, 0x064, // 0-9
    0x109, 0x049, 0x148, 0x019, 0x118, 0x058, 0x00D, 0x10C, 0x04C, 0x01C, // A-J
    0x103, 0x043, 0x142, 0x013, 0x112, 0x052, 0x007, 0x106, 0x046, 0x016, // K-T
    0x181, 0x0C1, 0x1C0, 0x091, 0x190, 0x0D0,                             // U-Z
    0x085, 0x184, 0x0C4, 0x0A8, 0x0A2, 0x08A, 0x02A,                      // -. $/+%
};
const quint16 kStartStop = 0x094; // '*'
const int kWide = 3;

void appendCharacter(QVector<int> &widths, quint16 pattern)
{
    if (!widths.isEmpty())
        widths.append(1); // narrow gap between characters
    for (int bit = 8; bit >= 0; --bit)
        widths.append((pattern >> bit) & 1 ? kWide : 1);
}

int indexOf(char32_t c)
{
    if (c == 0 || c > 0x7F)
        return -1;
    const char *hit = strchr(kAlphabet, char(c));
    return hit ? int(hit - kAlphabet) : -1;
}

} // namespace

bool Code39::canEncode(QChar c)
{
    return indexOf(c.unicode()) >= 0;
}

BarcodePattern Code39::encode(const QString &text)
{
    BarcodePattern result;
    result.text = text;
    if (text.isEmpty()) {
        result.error = QStringLiteral("条码内容不能为空!");
        return result;
    }
    const QList<uint> codes = text.toUcs4();
    for (uint c : codes) {
        if (indexOf(c) < 0) {
            result.error = QStringLiteral("条码含有Code 39不能编码的字符: %1")
                               .arg(describeBarcodeCharacter(c));
            return result;
        }
    }
    appendCharacter(result.widths, kStartStop);
    for (uint c : codes)
        appendCharacter(result.widths, kPatterns[indexOf(c)]);
    appendCharacter(result.widths, kStartStop);
    return result;
}
