// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/Money.h"

#include <QList>
#include <QSqlQuery>
#include <QString>

class SharedConnection;

// Copies and their value per class, for books or for periodicals.
namespace ClassTotals {

struct Row {
    QString 分类;
    qint64 数量 = 0;
    Money 金额; // the sum over the class's rows of copies times price
};

// The table a typed text names: "图书" or "期刊" (blanks around it ignored, letter case
// as the schema spells it), or empty with *message set for anything else.
QString checkTable(const QString &text, QString *message);

// "select 分类, sum(数量) as 数量, <exact sum of 数量*价格> as 金额 from <table> group by 分类
// order by 分类" for a table checkTable accepted.
QString statement(const QString &table);
// Runs it: a result with the fields 分类, 数量 and 金额. Throws DatabaseError, with the
// message of checkTable for a table it does not accept.
QSqlQuery open(const SharedConnection &db, const QString &table);
QList<Row> rows(const SharedConnection &db, const QString &table);

} // namespace ClassTotals
