// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/SheetReader.h"
#include "foundation/XlsWorkbookScan.h"

// A BIFF workbook (.xls, Excel 97-2003 and older BIFF5) read with FreeXL.
class XlsSheetReader : public SheetReader
{
public:
    XlsSheetReader() = default;
    ~XlsSheetReader() override;
    XlsSheetReader(const XlsSheetReader &) = delete;
    XlsSheetReader &operator=(const XlsSheetReader &) = delete;

    QString read(const QString &path) override;
    QString sheetName() const override { return m_name; }
    int rowCount() const override { return m_rows; }
    int columnCount() const override { return m_columns; }
    QString cellText(int row, int column) const override;

private:
    void close();

    const void *m_handle = nullptr;
    QString m_name;
    int m_rows = 0;
    int m_columns = 0;
    XlsWorkbookScan m_scan;
};
