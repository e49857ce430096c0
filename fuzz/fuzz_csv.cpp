// SPDX-License-Identifier: MIT
// .csv sheets: every cell of the used range is read back.
#include "FuzzInput.h"
#include "foundation/CsvSheetReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CsvSheetReader reader;
    fuzzSheet(reader, data, size, "csv");
    return 0;
}
