// SPDX-License-Identifier: MIT
// .xlsx sheets: every cell of the used range is read back.
#include "FuzzInput.h"
#include "foundation/XlsxSheetReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzApplication();
    XlsxSheetReader reader;
    if (!reader.read(fuzzInputFile(data, size, "xlsx")).isEmpty())
        return 0;
    // A hostile file may claim a huge used range; read a bounded corner of it.
    const int rows = qMin(reader.rowCount(), 200);
    const int columns = qMin(reader.columnCount(), 64);
    for (int row = 0; row <= rows + 1; ++row)
        for (int column = 0; column <= columns + 1; ++column)
            (void)reader.cellText(row, column);
    (void)reader.sheetName();
    return 0;
}
