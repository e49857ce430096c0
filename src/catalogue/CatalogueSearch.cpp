// SPDX-License-Identifier: MIT
#include "catalogue/CatalogueSearch.h"
#include "foundation/Schema.h"
#include "foundation/SqlDialect.h"
#include "foundation/SqlValues.h"

#include <QDateTime>

namespace CatalogueSearch {
namespace {

const QString kBooks = QStringLiteral("图书");

// The column as the schema spells it, or empty when the table lacks it.
QString columnOf(const QString &table, const QString &field)
{
    const Schema::Table *t = Schema::findTable(table);
    const Schema::Column *c = t ? Schema::findColumn(*t, field.trimmed()) : nullptr;
    return c ? c->name : QString();
}

// "F like ? escape ..." (SqlValues::likeContains). Other than text columns are compared
// as their text, which both engines spell "cast(F as text)". A value without letters that
// have a case matches the same rows with or without regard to case, so a text column is
// then compared as plain text too: PostgreSQL's citext comparison lowers every row first
// and is several times slower over a whole table (SQLite's like ignores the case of Latin
// letters anyway).
QString likeTerm(const QString &table, const QString &column, const QString &value)
{
    const Schema::Type type = Schema::typeOf(table, column);
    const bool text = type == Schema::Type::Text || type == Schema::Type::Memo;
    if (text && value.toLower() != value.toUpper())
        return column + SqlValues::likeContains();
    return QStringLiteral("cast(%1 as text)").arg(column) + SqlValues::likeContains();
}

QVariant midnight(const QDate &date)
{
    return QDateTime(date, QTime(0, 0));
}

} // namespace

ListStatement booksOpening(const SqlDialect &dialect)
{
    return {dialect.selectTop(2000, QStringLiteral("*"), QStringLiteral("from 图书 order by 1,2")), {}};
}

ListStatement all(const QString &table)
{
    return {QStringLiteral("select * from ") + (table == QStringLiteral("期刊") ? table : kBooks), {}};
}

ListStatement booksRecent(const SqlDialect &dialect)
{
    return {dialect.selectTop(100, QStringLiteral("*"), QStringLiteral("from 图书 order by 入库时间 desc")), {}};
}

QString unknownFieldMessage(const QString &table, const QString &field)
{
    return QStringLiteral("%1中没有这个字段: %2").arg(table, field.trimmed());
}

SearchBuild books(const BookQuery &query)
{
    QString field = query.field.trimmed().isEmpty() ? QStringLiteral("编号") : query.field;
    const QString value = query.value.trimmed();
    if (value.isEmpty() && !query.dateRange)
        return SearchBuild::refused(QStringLiteral("请填写好查询条件!"));
    const QString range = QStringLiteral("入库时间 >=? and 入库时间<=?");
    if (value.isEmpty())
        return SearchBuild::ready({QStringLiteral("select * from 图书 where ") + range,
                                   {midnight(query.from), midnight(query.to)}});
    const QString column = columnOf(kBooks, field);
    if (column.isEmpty())
        return SearchBuild::refused(unknownFieldMessage(kBooks, field));
    ListStatement s;
    s.sql = QStringLiteral("select * from 图书 where ");
    if (query.exact) {
        s.sql += column + QStringLiteral(" = ?");
        s.values << value;
    } else {
        s.sql += likeTerm(kBooks, column, value);
        s.values << SqlValues::containsPattern(value);
    }
    if (query.dateRange) {
        s.sql += QStringLiteral(" and ") + range;
        s.values << midnight(query.from) << midnight(query.to);
    }
    s.sql += QStringLiteral(" order by 1,2");
    return SearchBuild::ready(s);
}

const QStringList &operators()
{
    static const QStringList list{QStringLiteral("="), QStringLiteral(">"), QStringLiteral(">="),
                                  QStringLiteral("<"), QStringLiteral("<=")};
    return list;
}

const QStringList &sortFields()
{
    static const QStringList list{QStringLiteral("编号"), QStringLiteral("条形码"), QStringLiteral("名称")};
    return list;
}

SearchBuild booksCombined(const Condition &first, const Condition &second, const QString &sortField,
                          const QString &direction)
{
    if (first.field.trimmed().isEmpty() || first.value.trimmed().isEmpty())
        return SearchBuild::nothing();
    ListStatement s;
    auto term = [&](const Condition &c) -> QString {
        const QString column = columnOf(kBooks, c.field);
        if (column.isEmpty())
            return unknownFieldMessage(kBooks, c.field);
        if (!operators().contains(c.op))
            return QStringLiteral("比较符不正确: %1").arg(c.op);
        s.sql += column + c.op + QLatin1Char('?');
        s.values << c.value.trimmed();
        return {};
    };
    s.sql = QStringLiteral("select * from 图书 where ");
    QString problem = term(first);
    if (problem.isEmpty() && !second.field.trimmed().isEmpty() && !second.value.trimmed().isEmpty()) {
        s.sql += QStringLiteral(" and ");
        problem = term(second);
    }
    if (!problem.isEmpty())
        return SearchBuild::refused(problem);
    const QString sort = columnOf(kBooks, sortField);
    if (!sortFields().contains(sort))
        return SearchBuild::refused(unknownFieldMessage(kBooks, sortField));
    const QString dir = direction.trimmed().toLower();
    if (dir != QLatin1String("asc") && dir != QLatin1String("desc"))
        return SearchBuild::refused(QStringLiteral("排序方向不正确: %1").arg(direction));
    s.sql += QStringLiteral(" order by ") + sort + QLatin1Char(' ') + dir;
    return SearchBuild::ready(s);
}

SearchBuild periodicals(const QString &field, const QString &value, bool exact)
{
    if (field.isEmpty() || value.isEmpty())
        return SearchBuild::refused(QStringLiteral("请填写好查询条件!"));
    const QString table = QStringLiteral("期刊");
    const QString column = columnOf(table, field);
    if (column.isEmpty())
        return SearchBuild::refused(unknownFieldMessage(table, field));
    if (exact)
        return SearchBuild::ready({QStringLiteral("select * from 期刊 where ") + column + QStringLiteral(" = ?"),
                                   {value}});
    return SearchBuild::ready({QStringLiteral("select * from 期刊 where ") + likeTerm(table, column, value),
                               {SqlValues::containsPattern(value)}});
}

} // namespace CatalogueSearch
