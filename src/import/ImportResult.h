// SPDX-License-Identifier: MIT
#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// A row the database refused, as the import windows report it.
struct FailedRow {
    int row = 0;        // the sheet row (the list row of the MARC import)
    QString message;    // the engine's message
    QString statement;  // the statement with its values filled in, for display
    QString memoLine;   // "row 条形码 名称" and the like, for 导入失败的行号
    QStringList cells;  // the row's texts in sheet columns 1 to 20 (spreadsheet imports)
};

// What one run of an import did.
struct ImportResult {
    QString error;            // the file could not be read: nothing was written
    int inserted = 0;
    int failed = 0;
    QList<FailedRow> failedRows;
    QList<int> skippedRows;   // rows left out without a statement (loans without 编号 or
                              // 名称; wholly blank rows of books and periodicals)
    int endedAtRow = 0;       // readers: the row with an empty key that ended the import
    qint64 elapsedMs = 0;

    // "成功导入了N行" and "导入失败了M行".
    QStringList summaryLines() const;
    // The failure lines, then the summary lines: what the window adds to 导入失败的行号.
    QStringList memoLines() const;
    // The statement of the last failed row, empty when none failed.
    QString lastFailedStatement() const;
};

// Progress of a run: the row being written and the last row. Called for every row.
using ImportProgress = std::function<void(int row, int lastRow)>;
