// SPDX-License-Identifier: MIT
#pragma once
// Small helpers of the catalogue tests: rows stored directly, and values read back.
#include "foundation/SharedConnection.h"

#include <QHash>
#include <QSqlRecord>
#include <QVariant>

namespace CatalogueFixtures {

// Stores one row of table with the given columns (the rest default).
inline void storeRow(const SharedConnection &db, const QString &table, const QHash<QString, QVariant> &values)
{
    QStringList columns, marks;
    QVariantList bound;
    for (auto it = values.begin(); it != values.end(); ++it) {
        columns << it.key();
        marks << QStringLiteral("?");
        bound << it.value();
    }
    db.exec(QStringLiteral("insert into %1 (%2) values (%3)")
                .arg(table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
            bound);
}

inline void storeBook(const SharedConnection &db, const QString &number, QHash<QString, QVariant> values = {})
{
    values.insert(QStringLiteral("编号"), number);
    if (!values.contains(QStringLiteral("名称")))
        values.insert(QStringLiteral("名称"), QStringLiteral("书") + number);
    storeRow(db, QStringLiteral("图书"), values);
}

// One column of the row of table with this 编号; invalid when there is no row.
inline QVariant field(const SharedConnection &db, const QString &table, const QString &number, const QString &column)
{
    QSqlQuery q = db.exec(QStringLiteral("select %1 from %2 where 编号=?").arg(column, table), {number});
    return q.next() ? q.value(0) : QVariant();
}

inline qlonglong count(const SharedConnection &db, const QString &table)
{
    return db.scalar(QStringLiteral("select count(*) from ") + table).toLongLong();
}

} // namespace CatalogueFixtures
