// SPDX-License-Identifier: MIT
#pragma once
#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QVariant>
#include <memory>

class ListReport;
class SharedConnection;

// The operator log 管理员日志 as its window lists, prints and empties it.
namespace OperatorLog {

// The rows of the log in the order they were written.
QString listStatement();
// The five fields the window shows and prints, in order.
QStringList fields();

// Deletes one row by its id. Throws DatabaseError.
void removeRow(const SharedConnection &db, const QVariant &id);
// Deletes every row. Throws DatabaseError.
void removeAll(const SharedConnection &db);

// The printed log: a title band with the date and time of printing at the top right,
// the heads "id", "事件", "日期", "管理员", "说明" and one line per row, as given.
std::unique_ptr<ListReport> report(const QList<QStringList> &rows, const QDateTime &printedAt);

} // namespace OperatorLog
