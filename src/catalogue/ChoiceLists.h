// SPDX-License-Identifier: MIT
#pragma once
#include <QStringList>

class SharedConnection;

// The items of a drop-down list from its code table: "select * from <table>", one item
// per row in the order the database returns them, taken from the named column.
// table and column are fixed names of the program, never typed. Throws DatabaseError.
namespace ChoiceLists {
QStringList items(const SharedConnection &db, const QString &table, const QString &column);
}
