// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/SheetReader.h"

#include <QList>
#include <QStringList>

// A comma-separated file as one sheet: UTF-8 (with or without BOM), UTF-16 with BOM, or
// GBK; quoted fields may hold commas, doubled quotes and line breaks. A file whose first
// line has tabs and no commas is read as tab-separated. Fields are kept as written.
class CsvSheetReader : public SheetReader
{
public:
    QString read(const QString &path) override;
    QString sheetName() const override { return m_name; }
    int rowCount() const override { return m_rows.size(); }
    int columnCount() const override { return m_columns; }
    QString cellText(int row, int column) const override;

    // The records of a text; trailing empty records and fields do not count.
    static QList<QStringList> parse(const QString &text);

private:
    QString m_name;
    QList<QStringList> m_rows;
    int m_columns = 0;
};
