// SPDX-License-Identifier: MIT
// Rows that the statistics read, written directly with bound values.
#pragma once
#include "foundation/Money.h"
#include "foundation/SharedConnection.h"

#include <QDate>
#include <QDateTime>
#include <QVariantMap>

namespace StatisticsRows {

// A loan record; columns not given take the values below or the schema's defaults.
// Money columns are given as money("…"). Returns its id.
inline qint64 addLoan(SharedConnection &db, const QVariantMap &fields)
{
    QVariantMap row{{QStringLiteral("读者编号"), QStringLiteral("R001")},
                    {QStringLiteral("读者姓名"), QStringLiteral("张三")},
                    {QStringLiteral("条形码"), QStringLiteral("B001")},
                    {QStringLiteral("编号"), QStringLiteral("0001")},
                    {QStringLiteral("名称"), QStringLiteral("红楼梦")},
                    {QStringLiteral("类别"), QStringLiteral("图书")},
                    {QStringLiteral("借阅日期"), QDate(2024, 12, 1)},
                    {QStringLiteral("应还日期"), QDate(2024, 12, 31)},
                    {QStringLiteral("已还"), QStringLiteral("否")}};
    for (auto it = fields.begin(); it != fields.end(); ++it)
        row.insert(it.key(), it.value());
    QStringList marks;
    QVariantList values;
    for (auto it = row.begin(); it != row.end(); ++it) {
        marks << QStringLiteral("?");
        values << it.value();
    }
    db.exec(QStringLiteral("insert into 借出记录 (%1) values (%2)")
                .arg(row.keys().join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
            values);
    return db.scalar(QStringLiteral("select max(id) from 借出记录")).toLongLong();
}

inline void addBook(SharedConnection &db, const QString &number, const QString &title, const QVariant &lent,
                    int copies = 1, const Money &price = Money(), const QString &klass = QStringLiteral("综合"),
                    const QDateTime &entered = QDateTime(QDate(2024, 1, 1), QTime(9, 0)))
{
    db.exec(QStringLiteral("insert into 图书 (编号, 名称, 借出次数, 数量, 价格, 分类, 入库时间) values (?,?,?,?,?,?,?)"),
            {number, title, lent, copies, price.toSql(), klass, entered});
}

inline void addPeriodical(SharedConnection &db, const QString &number, const QString &title, const QVariant &lent,
                          int copies = 1, const Money &price = Money(), const QString &klass = QStringLiteral("综合"),
                          const QDateTime &entered = QDateTime(QDate(2024, 1, 1), QTime(9, 0)))
{
    db.exec(QStringLiteral("insert into 期刊 (编号, 名称, 借出次数, 数量, 价格, 分类, 入库时间) values (?,?,?,?,?,?,?)"),
            {number, title, lent, copies, price.toSql(), klass, entered});
}

inline void addReader(SharedConnection &db, const QString &number, const QString &name, const QVariant &lent,
                      const QDateTime &registered = QDateTime(QDate(2024, 1, 1), QTime(9, 0)))
{
    db.exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名, 累计借阅次数, 登记日期) values (?,?,?,?)"),
            {number, name, lent, registered});
}

// A money value ready to bind: money("12.5").
inline QVariant money(const char *text)
{
    return Money::fromText(QString::fromLatin1(text)).toSql();
}

} // namespace StatisticsRows
