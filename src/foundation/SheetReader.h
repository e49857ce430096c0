// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <memory>

// One sheet of a workbook, read for the imports: the active sheet (the first when the
// file names none), the size of its used range, and each cell's value as text.
//
// The used range is taken from A1: rowCount() is the last row that holds a cell,
// columnCount() the last column. Cells are 1-based; a cell outside the range is empty.
// Cell text: a number in its shortest form ("3", "2.5", "12345678901"), a date as
// "yyyy-MM-dd" ("yyyy-MM-dd hh:mm:ss" with a time of day, "hh:mm:ss" for a time alone),
// a boolean "TRUE" or "FALSE", an empty cell the empty text. A .csv file gives its
// fields as written.
class SheetReader
{
public:
    virtual ~SheetReader() = default;

    // Reads the file; returns the empty text when it went well, else the message for the
    // operator ("无法读取文件: ...").
    virtual QString read(const QString &path) = 0;

    virtual QString sheetName() const = 0;
    virtual int rowCount() const = 0;
    virtual int columnCount() const = 0;
    virtual QString cellText(int row, int column) const = 0;

    // A reader for the file's kind, already read: .xlsx (Office Open XML), .xls (BIFF) or
    // .csv (UTF-8 or GBK). A workbook whose content says the other workbook kind than its
    // name is read as what it is. Returns nullptr and sets *error when the file cannot be read.
    static std::unique_ptr<SheetReader> open(const QString &path, QString *error = nullptr);

    // "无法读取文件: <file name>: <reason>".
    static QString readError(const QString &path, const QString &reason);
};
