// SPDX-License-Identifier: MIT
// .xls sheets: every cell of the used range is read back.
#include "FuzzInput.h"
#include "foundation/XlsSheetReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    XlsSheetReader reader;
    fuzzSheet(reader, data, size, "xls");
    return 0;
}
