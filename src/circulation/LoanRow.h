// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/Money.h"

#include <QDate>
#include <QString>

class QSqlQuery;

// A 借出记录 row as the return and renewal windows use it.
struct LoanRow {
    qint64 id = 0;
    QString 读者编号;
    QString 读者姓名;
    QString 编号;
    QString 名称;
    QString 条形码;
    QString 类别;
    QString 借阅经手人;
    QDate 借阅日期;
    QDate 应还日期;
    Money 租金;
    Money 价格;
    QString 物品状况;
    Money 赔偿金额;
    QString 归还备注;

    // The current row of a select * from 借出记录.
    static LoanRow fromRow(const QSqlQuery &row);
};
