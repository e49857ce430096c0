// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QStringList>

class SharedConnection;
class SqlDialect;

// The batch move of every book or periodical from one shelf location to another.
class LocationMove
{
public:
    // The shelf locations: the first column of every row of 存放位置, in table order.
    static QStringList locations(const SharedConnection &db);

    // True when the table is 图书 or 期刊 and both locations hold a text after trimming.
    static bool complete(const QString &table, const QString &from, const QString &to);
    static QString incompleteMessage() { return QStringLiteral("请选择好再执行!"); }

    // The statement as the operator is shown it, with the dialect's quote characters.
    static QString statementText(const SqlDialect &dialect, const QString &table, const QString &from,
                                 const QString &to);

    // Runs the move with bound values in one transaction; returns the rows changed.
    // Throws DatabaseError. The table must be 图书 or 期刊 (see complete()).
    static int run(const SharedConnection &db, const QString &table, const QString &from, const QString &to);
};
