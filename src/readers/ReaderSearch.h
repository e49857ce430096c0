// SPDX-License-Identifier: MIT
#pragma once
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariantList>

// The one-field search of the reader management window over 读者库. The field name the
// operator typed or chose is checked against the table's columns (without regard to
// case) before any statement runs; the value and the dates are bound.
namespace ReaderSearch {

// The field box's items; "读者卡号" stands for the column CardId.
QStringList fieldItems();

struct Request {
    QString field;     // the field box's text
    QString value;     // the value box's text (trimmed by build())
    bool exact = false;
    bool byDate = false; // "登记日期" ticked
    QDate from, to;
};

struct Statement {
    QString sql;
    QVariantList values;
    QString refusal; // set when no statement may run; sql is then empty
};

// "select * from 读者库  order by 1,2": every reader.
QString allStatement();
Statement build(const Request &request);

} // namespace ReaderSearch
