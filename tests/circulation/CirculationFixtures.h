// SPDX-License-Identifier: MIT
// Rows for the counter's tests, written straight into the tables, and a session with
// the switches of a new database.
#pragma once
#include "foundation/DayClock.h"
#include "foundation/LoginSession.h"
#include "foundation/Money.h"
#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"
#include "foundation/SqlValues.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariantMap>

namespace Fixture {

inline QStringList engines() { return {QStringLiteral("sqlite"), QStringLiteral("postgresql")}; }

// The day every test runs on, so that dates in expectations are fixed.
inline QDate day() { return QDate(2024, 3, 15); }

// "today", "today+3", "today-1" as a date; anything else parsed as yyyy-MM-dd.
inline QDate dateOf(const QString &text)
{
    if (text.startsWith(QLatin1String("today")))
        return DayClock::today().addDays(text.mid(5).toInt());
    return QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
}

// A typed value for a column from its text: whole numbers, money, (relative) dates,
// "null" for Null.
inline QVariant valueFor(const QString &table, const QString &column, const QString &text)
{
    if (text == QLatin1String("null"))
        return QVariant();
    switch (Schema::typeOf(table, column)) {
    case Schema::Type::Integer:
        return text.toInt();
    case Schema::Type::Money:
        return Money::fromText(text).toSql();
    case Schema::Type::Date:
        return dateOf(text);
    case Schema::Type::DateTime:
        return QDateTime(dateOf(text.section(QLatin1Char(' '), 0, 0)),
                         QTime::fromString(text.section(QLatin1Char(' '), 1, 1), QStringLiteral("hh:mm:ss")));
    default:
        return text;
    }
}

inline void insert(const SharedConnection &db, const QString &table, const QVariantMap &row)
{
    QStringList marks;
    QVariantList values;
    for (auto it = row.cbegin(); it != row.cend(); ++it) {
        marks << QStringLiteral("?");
        values << it.value();
    }
    db.exec(QStringLiteral("insert into %1 (%2) values (%3)")
                .arg(table, row.keys().join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
            values);
}

// defaults overridden by "列=值;列=值" pairs.
inline QVariantMap withPairs(const QString &table, QVariantMap row, const QString &pairs)
{
    for (const QString &pair : pairs.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString column = pair.section(QLatin1Char('='), 0, 0);
        row[column] = valueFor(table, column, pair.section(QLatin1Char('='), 1));
    }
    return row;
}

// A reader of category 普通, 正常, valid for a year, with nothing on loan.
inline void reader(const SharedConnection &db, const QString &number, const QString &pairs = QString())
{
    const QString t = QStringLiteral("读者库");
    insert(db, t,
           withPairs(t,
                     {{QStringLiteral("读者编号"), number},
                      {QStringLiteral("读者姓名"), QStringLiteral("读者") + number},
                      {QStringLiteral("类别"), QStringLiteral("普通")},
                      {QStringLiteral("状态"), QStringLiteral("正常")},
                      {QStringLiteral("有效期"), DayClock::today().addYears(1)},
                      {QStringLiteral("未还数量"), 0},
                      {QStringLiteral("累计借阅次数"), 0},
                      {QStringLiteral("卡内金额"), QStringLiteral("0")}},
                     pairs));
}

// One copy of an item ("期刊:Q1" for a periodical) of level 普通, for loan, price 20.
inline void item(const SharedConnection &db, const QString &wanted, const QString &pairs = QString())
{
    const bool periodical = wanted.startsWith(QStringLiteral("期刊:"));
    const QString t = periodical ? QStringLiteral("期刊") : QStringLiteral("图书");
    const QString number = periodical ? wanted.mid(3) : wanted;
    insert(db, t,
           withPairs(t,
                     {{QStringLiteral("编号"), number},
                      {QStringLiteral("名称"), QStringLiteral("书名") + number},
                      {QStringLiteral("条形码"), QStringLiteral("TM") + number},
                      {QStringLiteral("分类"), QStringLiteral("综合")},
                      {QStringLiteral("存放位置"), QStringLiteral("书库")},
                      {QStringLiteral("出版社"), QStringLiteral("中华书局")},
                      {QStringLiteral("数量"), 1},
                      {QStringLiteral("借出次数"), 0},
                      {QStringLiteral("价格"), QStringLiteral("20")},
                      {QStringLiteral("状态"), QStringLiteral("正常")},
                      {QStringLiteral("物品级别"), QStringLiteral("普通")}},
                     pairs));
}

// An open loan of an item to a reader, lent `lent` and due `due` (relative dates).
inline void loan(const SharedConnection &db, const QString &readerNo, const QString &itemNo, const QString &pairs = QString())
{
    const QString t = QStringLiteral("借出记录");
    insert(db, t,
           withPairs(t,
                     {{QStringLiteral("读者编号"), readerNo},
                      {QStringLiteral("读者姓名"), QStringLiteral("读者") + readerNo},
                      {QStringLiteral("编号"), itemNo},
                      {QStringLiteral("名称"), QStringLiteral("书名") + itemNo},
                      {QStringLiteral("条形码"), QStringLiteral("TM") + itemNo},
                      {QStringLiteral("类别"), QStringLiteral("图书")},
                      {QStringLiteral("物品级别"), QStringLiteral("普通")},
                      {QStringLiteral("借阅日期"), DayClock::today()},
                      {QStringLiteral("应还日期"), DayClock::today().addDays(30)},
                      {QStringLiteral("已还"), QStringLiteral("否")},
                      {QStringLiteral("租金"), QStringLiteral("0")},
                      {QStringLiteral("物品状况"), QStringLiteral("完好")},
                      {QStringLiteral("借阅经手人"), QStringLiteral("管理员甲")}},
                     pairs));
}

// The switches of a new database (rent off, fines of 0.1 a day, limits, validity and
// reservations on) for the operator 管理员甲.
inline LoginSession session()
{
    LoginSession s;
    s.switches.借阅数量限制功能 = true;
    s.switches.启用超期罚金 = true;
    s.switches.启用读者有效期 = true;
    s.switches.启用预定功能 = true;
    s.switches.超期每日罚金 = Money::fromText(QStringLiteral("0.1"));
    s.switches.图书馆名 = QStringLiteral("图书馆");
    s.OperatorName = QStringLiteral("管理员甲");
    s.rights.qxborrow = s.rights.qxreturn = true;
    return s;
}

// A value as comparable text: money shortest, dates yyyy-MM-dd, yes/no T/F, Null "null".
inline QString text(Schema::Type type, const QVariant &v)
{
    if (v.isNull())
        return QStringLiteral("null");
    switch (type) {
    case Schema::Type::Money:
        return Money::fromVariant(v).toString();
    case Schema::Type::Date:
        return SqlValues::dateText(v);
    case Schema::Type::DateTime:
        return SqlValues::dateTimeText(v);
    case Schema::Type::YesNo:
        return SqlValues::toBool(v) ? QStringLiteral("T") : QStringLiteral("F");
    default:
        return v.toString();
    }
}

// One column of the first row that matches `where`, as text; "(no row)" without one.
inline QString cell(const SharedConnection &db, const QString &table, const QString &column,
                    const QString &where, const QVariantList &values = {})
{
    QSqlQuery q = db.exec(QStringLiteral("select %1 from %2 where %3").arg(column, table, where), values);
    if (!q.next())
        return QStringLiteral("(no row)");
    return text(Schema::typeOf(table, column), q.value(0));
}

// Every row of a table in one text per row, columns as the schema lists them, in the
// given order; equal on both engines for equal rows.
inline QStringList dump(const SharedConnection &db, const QString &table, const QString &orderBy)
{
    const Schema::Table *t = Schema::findTable(table);
    QStringList rows;
    QSqlQuery q = db.exec(QStringLiteral("select * from %1 order by %2").arg(table, orderBy));
    while (q.next()) {
        QStringList cells;
        for (const Schema::Column &c : t->columns)
            cells << text(c.type, q.value(c.name));
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

} // namespace Fixture
