// SPDX-License-Identifier: MIT
#pragma once
#include "import/BatchWriter.h"
#include "import/ImportResult.h"
#include "import/InsertStatement.h"

#include <QList>
#include <QStringList>

class SharedConnection;

// One row of the MARC import list: the thirteen values of MarcRecord::values() (the first,
// 名称, as the operator may have edited it) and the number its failure line shows.
struct MarcImportRow {
    int row = 0;
    QStringList values;
};

// Inserts the rows of the MARC list into 图书 with the books import's statement, every
// value bound: 编号 numbered from start + 1, 条形码 the ISBN, 页数 the leading number of
// "320页", 入库时间 today, 登记人 the operator.
namespace MarcImport {

// The start number as typed: a whole number (blanks around it allowed) small enough
// that the numbers of a run cannot overflow.
bool parseStart(const QString &text, qint64 *start);
// "请输入合法的数字！"
QString invalidStartMessage();

// The values written for one row, in the statement's order.
QList<ImportValue> rowValues(const QStringList &values, qint64 number, const QString &operatorName);
const InsertStatement &statement();

ImportResult run(const QList<MarcImportRow> &rows, qint64 start, const QString &operatorName,
                 const SharedConnection &db, const ImportProgress &progress = {},
                 int batchSize = BatchWriter::kDefaultBatchSize);

} // namespace MarcImport
