// SPDX-License-Identifier: MIT
// .csv sheets: every cell of the used range is read back.
#include "FuzzInput.h"
#include "foundation/CsvSheetReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzApplication();
    CsvSheetReader reader;
    if (!reader.read(fuzzInputFile(data, size, "csv")).isEmpty())
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
