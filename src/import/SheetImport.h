// SPDX-License-Identifier: MIT
#pragma once
#include "import/BatchWriter.h"
#include "import/ImportResult.h"
#include "import/InsertStatement.h"
#include "import/RowNumbering.h"
#include "import/SheetLayout.h"

class SharedConnection;
class SheetReader;

struct SheetImportOptions {
    NumberingChoice numbering; // used by the layouts that number column 1
    QString operatorName;      // the signed-in operator (读者库.登记人 " 导入的")
    int batchSize = BatchWriter::kDefaultBatchSize;
};

// The frame shared by the four spreadsheet imports: row 1 is the header and is never
// imported; each row from 2 to the last row of the used range becomes one insert of the
// layout's statement with every value bound, so a quote in any column is stored as it
// stands. A refused row is reported and the others are kept.
class SheetImport
{
public:
    SheetImport(const SheetReader &sheet, const SheetLayout &layout, const SheetImportOptions &options);

    // The values of one sheet row in the statement's order, column 1 replaced by number.
    QList<ImportValue> rowValues(int row, const QString &number) const;
    // The text of one field among those values.
    QString fieldText(const QList<ImportValue> &values, const QString &field) const;

    ImportResult run(const SharedConnection &db, const ImportProgress &progress = {}) const;

    // Opens the file (.xlsx, .xls, .csv) and runs the import; a file that cannot be read
    // gives a result with error set and nothing written.
    static ImportResult runFile(const QString &path, const SheetLayout &layout, const SheetImportOptions &options,
                                const SharedConnection &db, const ImportProgress &progress = {});

    // The import password of every import window.
    static bool passwordMatches(const QString &typed);
    static QString wrongPasswordMessage(); // "密码错误!"

private:
    ImportValue convert(const SheetColumn &column, const QString &cell) const;
    bool isBlank(int row) const;
    FailedRow failure(int row, const QList<ImportValue> &values, const QString &message,
                      const SqlDialect &dialect) const;

    const SheetReader &m_sheet;
    const SheetLayout &m_layout;
    SheetImportOptions m_options;
    InsertStatement m_statement;
    struct Source {
        int column = -1;   // index in the layout's columns, or
        int constant = -1; // index in its constants
    };
    QList<Source> m_sources; // per statement field
};
