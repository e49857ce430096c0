// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/ListReport.h"

class QSqlQuery;

// The printed reader list: the time of printing, the heads 编号, 姓名, 性别, 单位部门,
// 借阅次数, 未还数量, and one line per listed reader.
class ReaderListReport : public ListReport
{
public:
    ReaderListReport();
    // One line for each row of an executed select over 读者库 (read to the end).
    void addReaders(QSqlQuery &query);
};
