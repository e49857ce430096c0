// SPDX-License-Identifier: MIT
#include "readers/ReaderListReport.h"

#include <QSqlQuery>

ReaderListReport::ReaderListReport()
{
    setTitle(QStringLiteral("读者列表"));
    addColumn(QStringLiteral("编号"), 1.2);
    addColumn(QStringLiteral("姓名"), 1.2);
    addColumn(QStringLiteral("性别"), 0.5);
    addColumn(QStringLiteral("单位部门"), 1.6);
    addColumn(QStringLiteral("借阅次数"), 0.8, Qt::AlignRight);
    addColumn(QStringLiteral("未还数量"), 0.8, Qt::AlignRight);
}

void ReaderListReport::addReaders(QSqlQuery &q)
{
    while (q.next())
        addRow({q.value(QStringLiteral("读者编号")).toString(), q.value(QStringLiteral("读者姓名")).toString(),
                q.value(QStringLiteral("性别")).toString(), q.value(QStringLiteral("单位部门")).toString(),
                q.value(QStringLiteral("累计借阅次数")).toString(), q.value(QStringLiteral("未还数量")).toString()});
}
