// SPDX-License-Identifier: MIT
// .xlsx sheets: every cell of the used range is read back.
#include "FuzzInput.h"
#include "foundation/XlsxSheetReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    XlsxSheetReader reader;
    fuzzSheet(reader, data, size, "xlsx");
    return 0;
}
