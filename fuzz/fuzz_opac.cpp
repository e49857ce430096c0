// SPDX-License-Identifier: MIT
// The catalogue record page of the network lookup, in GBK bytes as the lookup gives it.
#include "FuzzInput.h"
#include "catalogue/OpacRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzApplication();
    const QByteArray page(reinterpret_cast<const char *>(data), qsizetype(size));
    const OpacRecord record = OpacRecord::parse(page);
    (void)OpacRecord::priceBoxText(record.price, QStringLiteral("0"));
    (void)OpacRecord::parse(OpacRecord::toGbk(page));
    return 0;
}
