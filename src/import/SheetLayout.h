// SPDX-License-Identifier: MIT
#pragma once
#include "import/InsertStatement.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// How one sheet column becomes the value of its field.
enum class CellRule {
    Text,     // the text as read (trimmed when the column says so)
    Integer,  // a whole number; the column's default when the text is none
    Money,    // an amount of four decimals; 0 when the text is none
    Date,     // a date column: the date read, else the column's default date
    DateTime, // a date-time column: midnight of the date read, else of the default date
    Returned, // 已还: "是" stays "是", anything else becomes "否"
};

// One column of a layout, by position: sheet column n feeds the n-th entry.
struct SheetColumn {
    QString caption;          // as listed under "数据库字段名"
    QString field;            // target column; empty when the entry stands for no column
    CellRule rule = CellRule::Text;
    bool trimmed = false;
    QString emptyText;        // Text: the value of an empty cell ("n", "普通"); null: none
    bool operatorWhenEmpty = false; // Text: an empty cell becomes the operator's name + " 导入的"
    int integerDefault = 0;   // Integer
    QDate dateDefault;        // Date, DateTime: invalid means today
};

// What a row without its key does.
enum class MissingKey {
    Kept,       // nothing: empty keys have become "n" (books, periodicals)
    EndsImport, // the first such row ends the import (readers)
    SkipsRow,   // the row is left out without a statement and counted nowhere (loans)
};

// The fixed column layout of one spreadsheet import and the statement it runs.
struct SheetLayout {
    QString name;                 // "books", "readers", "periodicals", "loans"
    QString table;
    QList<SheetColumn> columns;
    QStringList statementFields;  // the insert's field list, in its order
    struct Constant {
        QString field;
        QVariant value;
        ShownAs form;
    };
    QList<Constant> constants;    // fields every row gets the same value for
    MissingKey missingKey = MissingKey::Kept;
    QStringList keyFields;        // tested for MissingKey::EndsImport and ::SkipsRow
    QStringList memoFields;       // the two values after the row number in a failure line
    bool numbered = false;        // column 1 may be numbered instead of read
    bool skipsBlankRows = false;  // a row with every cell empty is left out and noted

    QStringList captions() const;
    int columnOf(const QString &field) const; // index in columns, -1 when not there
};

// The four layouts.
namespace SheetLayouts {
const SheetLayout &books();
const SheetLayout &readers();
const SheetLayout &periodicals();
const SheetLayout &loans();
// By name ("books", ...); nullptr when unknown.
const SheetLayout *byName(const QString &name);
} // namespace SheetLayouts
