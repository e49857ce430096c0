// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/SheetReader.h"

#include <QList>
#include <QPair>

// An Office Open XML workbook (.xlsx) read with libzip and QXmlStreamReader: the active
// sheet of workbook.xml (activeTab), shared and inline strings, numbers, booleans, and
// dates told by the cell's number format in styles.xml.
class XlsxSheetReader : public SheetReader
{
public:
    QString read(const QString &path) override;
    QString sheetName() const override { return m_name; }
    int rowCount() const override { return m_rows; }
    int columnCount() const override { return m_columns; }
    QString cellText(int row, int column) const override;

private:
    using Row = QList<QPair<int, QString>>; // (column, text) in column order
    QString m_name;
    int m_rows = 0;
    int m_columns = 0;
    QList<Row> m_cells; // by row - 1; only cells with text
    friend class XlsxSheetParser;
};
