// SPDX-License-Identifier: MIT
#pragma once
#include <QList>
#include <QString>

class SharedConnection;
class SqlDialect;

// The three lending rankings: the most-lent books, the most-lent periodicals and the
// most active readers. The embedded dialect takes the top 12 rows, the server the top
// 12 percent of the rows (rounded up, at least one row of a table that has any).
namespace Rankings {

enum class Kind { Books, Periodicals, Readers };

struct Source {
    QString table;      // 图书, 期刊, 读者库
    QString labelField; // 名称 or 读者姓名
    QString valueField; // 借出次数 or 累计借阅次数
    QString keyField;   // 编号 or 读者编号: ties in its ascending order
};
const Source &source(Kind kind);

struct Row {
    QString label;
    qint64 value = 0; // Null counts as 0 and ranks last
};

// The statement of the dialect, highest value first.
QString statement(const SqlDialect &dialect, Kind kind);
// Runs it on the connection's own dialect; throws DatabaseError.
QList<Row> rows(const SharedConnection &db, Kind kind);

} // namespace Rankings
