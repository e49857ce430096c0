// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

// The numbering boxes of the spreadsheet imports for column 1 (编号 or 读者编号).
struct NumberingChoice {
    bool clock = false;     // "系统随机自动编号": the clock stamp yyMMddhhmm and the row number
    bool fromStart = false; // "自定义起始编号": consecutive numbers, the first row gets start
    qint64 start = 0;
};

// Gives each sheet row its number. With both boxes the stamp comes first and one is
// added to it, as the window always did.
class RowNumbering
{
public:
    explicit RowNumbering(const NumberingChoice &choice);

    bool numbers() const { return m_choice.clock || m_choice.fromStart; }
    // The number of sheet row `row`; cellText when no box is ticked.
    QString next(int row, const QString &cellText);

    // "yyMMddhhmm" of the clock now (2412081530): the default start number and the stamp.
    static QString stamp();
    // The operator's start number: digits only and small enough that a run of rows
    // cannot overflow; false otherwise.
    static bool parseStart(const QString &text, qint64 *start);

private:
    NumberingChoice m_choice;
    qint64 m_running;
};
