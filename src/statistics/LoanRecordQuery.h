// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/Money.h"

#include <QDate>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>

class SharedConnection;
class SqlDialect;

// The conditions of the loan-record query as the window's boxes hold them. Texts are
// matched exactly as typed (not trimmed); only the 已还 text is trimmed.
struct LoanConditions {
    QString item;    // 编号
    QString title;   // 名称
    QString barcode; // 条形码
    QString reader;  // 读者编号
    QString name;    // 读者姓名
    bool lentRange = false; // 借阅日期 from..to, both ends included
    QDate lentFrom, lentTo;
    bool returnedRange = false; // 归还日期 from..to
    QDate returnedFrom, returnedTo;
    bool returnedFlag = false; // 已还 = returned
    QString returned;

    // No text and no box ticked.
    bool isEmpty() const;
};

// The select that a set of conditions gives, or the refusal the window shows.
struct LoanStatement {
    bool ok = false;
    QString message;     // the refusal when not ok
    QString where;       // the condition text with "?" for each value
    QVariantList values; // in the order of the "?"
    QString sql() const; // "select * from 借出记录 where … order by id"
};

// The footer of the loan-record grid over the rows a statement selects.
struct LoanSums {
    qint64 count = 0; // of id
    Money 价格, 租金, 赔偿金额, 实际租金, 罚金;
};

namespace LoanRecords {
// The grid's columns in their order; 押金 is among them but hidden.
const QStringList &gridColumns();
// Every loan record, as the window shows on opening, in id order. SQLite scans a table
// in that order by itself, and an "order by" would keep it from folding the statement
// into the grid's footer aggregate (40% slower on a million rows); the server is given
// the "order by" so that every page of the grid sees one order.
QString allRowsSql(const SqlDialect &dialect);

// Builds the where clause of the conditions in their fixed order, or refuses with
// "请设置查询条件.", "借阅时间条件不符合正常逻辑!" or "归还时间条件不符合正常逻辑!".
LoanStatement build(const LoanConditions &conditions);

// Runs the statement, or the one of every loan record; throws DatabaseError.
QSqlQuery open(const SharedConnection &db, const LoanStatement &statement);
QSqlQuery openAll(const SharedConnection &db);
// The footer sums over the same rows, computed by the database.
LoanSums sums(const SharedConnection &db, const LoanStatement &statement);
LoanSums sumsOfAll(const SharedConnection &db);
}
