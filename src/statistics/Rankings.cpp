// SPDX-License-Identifier: MIT
#include "statistics/Rankings.h"
#include "foundation/SharedConnection.h"
#include "foundation/SqlDialect.h"

namespace Rankings {

const Source &source(Kind kind)
{
    static const Source books{QStringLiteral("图书"), QStringLiteral("名称"), QStringLiteral("借出次数"),
                            QStringLiteral("编号")};
    static const Source periodicals{QStringLiteral("期刊"), QStringLiteral("名称"), QStringLiteral("借出次数"),
                                  QStringLiteral("编号")};
    static const Source readers{QStringLiteral("读者库"), QStringLiteral("读者姓名"), QStringLiteral("累计借阅次数"),
                              QStringLiteral("读者编号")};
    switch (kind) {
    case Kind::Books:
        return books;
    case Kind::Periodicals:
        return periodicals;
    case Kind::Readers:
        break;
    }
    return readers;
}

QString statement(const SqlDialect &dialect, Kind kind)
{
    const Source &s = source(kind);
    const QString columns = s.labelField + QStringLiteral(", ") + s.valueField;
    // "nulls last": both engines then agree that a missing count ranks lowest.
    const QString orderBy = s.valueField + QStringLiteral(" desc nulls last, ") + s.keyField;
    const QString from = QStringLiteral("from ") + s.table;
    if (dialect.isServer())
        return dialect.selectTopPercent(12, columns, from, orderBy);
    return dialect.selectTop(12, columns, from + QStringLiteral(" order by ") + orderBy);
}

QList<Row> rows(const SharedConnection &db, Kind kind)
{
    QList<Row> list;
    QSqlQuery q = db.exec(statement(db.dialect(), kind));
    while (q.next())
        list.append({q.value(0).toString(), q.value(1).toLongLong()});
    return list;
}

} // namespace Rankings
