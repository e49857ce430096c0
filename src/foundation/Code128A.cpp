// SPDX-License-Identifier: MIT
#include "foundation/Code128A.h"

namespace {

// Bar and space widths of the symbol values 0..105, six elements each, eleven modules.
const char *const kSymbols[106] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232",
};
const int kStartA = 103;
const char kStop[] = "2331112"; // stop symbol with its final two-module bar

void appendWidths(QVector<int> &widths, const char *digits)
{
    for (const char *d = digits; *d; ++d)
        widths.append(*d - '0');
}

} // namespace

int Code128A::valueOf(char32_t c)
{
    if (c >= 0x20 && c <= 0x5F)
        return int(c) - 0x20;
    if (c < 0x20)
        return int(c) + 64;
    return -1;
}

bool Code128A::canEncode(QChar c)
{
    return valueOf(c.unicode()) >= 0;
}

BarcodePattern Code128A::encode(const QString &text)
{
    BarcodePattern result;
    result.text = text;
    if (text.isEmpty()) {
        result.error = QStringLiteral("条码内容不能为空!");
        return result;
    }
    const QList<uint> codes = text.toUcs4();
    for (uint c : codes) {
        if (valueOf(c) < 0) {
            result.error = QStringLiteral("条码含有Code 128 A不能编码的字符: %1")
                               .arg(describeBarcodeCharacter(c));
            return result;
        }
    }
    appendWidths(result.widths, kSymbols[kStartA]);
    int sum = kStartA;
    int position = 1;
    for (uint c : codes) {
        const int value = valueOf(c);
        appendWidths(result.widths, kSymbols[value]);
        sum = (sum + value * position++) % 103;
    }
    appendWidths(result.widths, kSymbols[sum % 103]);
    appendWidths(result.widths, kStop);
    return result;
}
