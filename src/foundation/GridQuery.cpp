// SPDX-License-Identifier: MIT
#include "foundation/GridQuery.h"

#include "foundation/SqlDialect.h"

#include <QStringList>

void GridQuery::setStatement(const QString &sql, const QVariantList &values)
{
    m_sql = sql;
    m_values = values;
}

void GridQuery::setSort(const QString &field, bool ascending)
{
    m_sortField = field;
    m_ascending = ascending;
}

void GridQuery::setFilter(const QString &field, const QVariantList &values)
{
    if (values.isEmpty()) {
        clearFilter(field);
        return;
    }
    m_filters.insert(field.toLower(), values);
    m_filterNames.insert(field.toLower(), field);
}

void GridQuery::clearFilter(const QString &field)
{
    m_filters.remove(field.toLower());
    m_filterNames.remove(field.toLower());
}

QStringList GridQuery::filteredFields() const
{
    QStringList names;
    for (auto it = m_filters.cbegin(); it != m_filters.cend(); ++it)
        names << m_filterNames.value(it.key());
    return names;
}

QVariantList GridQuery::filterValues(const QString &field) const
{
    return m_filters.value(field.toLower());
}

QString GridQuery::quoted(const QString &name)
{
    QString n = name;
    n.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

QString GridQuery::innerStatement() const
{
    QString s = m_sql.trimmed();
    while (s.endsWith(QLatin1Char(';')))
        s = s.left(s.size() - 1).trimmed();
    return s;
}

namespace {
// The statement without a trailing top-level "order by …": a count or a sum needs no
// order, and the server would otherwise sort every matching row just to count it.
// An order that a limit or offset depends on is kept.
QString withoutTrailingOrder(const QString &sql)
{
    int depth = 0;
    QChar quote;
    int lastOrder = -1;
    for (int i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"'))
            quote = c;
        else if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            --depth;
        else if (depth == 0 && (i == 0 || !sql[i - 1].isLetterOrNumber())
                 && sql.mid(i, 5).compare(QLatin1String("order"), Qt::CaseInsensitive) == 0
                 && sql.mid(i + 5).trimmed().startsWith(QLatin1String("by"), Qt::CaseInsensitive))
            lastOrder = i;
    }
    if (lastOrder < 0)
        return sql;
    const QString tail = sql.mid(lastOrder).toLower();
    if (tail.contains(QLatin1String("limit")) || tail.contains(QLatin1String("offset"))
        || tail.contains(QLatin1Char(')')))
        return sql;
    return sql.left(lastOrder).trimmed();
}
} // namespace

QString GridQuery::whereClause(const QString &exceptFilterOf, QVariantList *values) const
{
    QStringList conditions;
    for (auto it = m_filters.cbegin(); it != m_filters.cend(); ++it) {
        if (!exceptFilterOf.isEmpty() && it.key() == exceptFilterOf.toLower())
            continue;
        const QString f = quoted(m_filterNames.value(it.key()));
        QStringList alternatives;
        for (const QVariant &v : it.value()) {
            if (v.isNull() || !v.isValid()) {
                alternatives << f + QStringLiteral(" is null");
            } else {
                alternatives << f + QStringLiteral(" = ?");
                values->append(v);
            }
        }
        conditions << QLatin1Char('(') + alternatives.join(QStringLiteral(" or ")) + QLatin1Char(')');
    }
    return conditions.isEmpty() ? QString()
                                : QStringLiteral(" where ") + conditions.join(QStringLiteral(" and "));
}

QString GridQuery::orderClause() const
{
    if (m_sortField.isEmpty())
        return QString();
    // Null first going up and last going down, alike on both engines (SQLite's own
    // order, so that an index on the field still serves it there).
    const QString dir = m_ascending ? QStringLiteral(" asc nulls first") : QStringLiteral(" desc nulls last");
    QString order = QStringLiteral(" order by ") + quoted(m_sortField) + dir;
    if (!m_tieBreaker.isEmpty() && m_tieBreaker.compare(m_sortField, Qt::CaseInsensitive) != 0)
        order += QStringLiteral(", ") + quoted(m_tieBreaker);
    return order;
}

QString GridQuery::wrappedSql(const QString &columns, const QString &exceptFilterOf, bool withOrder) const
{
    QVariantList ignored;
    return QStringLiteral("select %1 from (%2) as g").arg(columns, innerStatement())
        + whereClause(exceptFilterOf, &ignored) + (withOrder ? orderClause() : QString());
}

QVariantList GridQuery::wrappedValues(const QString &exceptFilterOf) const
{
    QVariantList values = m_values;
    whereClause(exceptFilterOf, &values);
    return values;
}

QString GridQuery::selectSql() const
{
    if (m_sortField.isEmpty() && m_filters.isEmpty())
        return m_sql;
    return wrappedSql();
}

QVariantList GridQuery::selectValues() const
{
    return wrappedValues();
}

QString GridQuery::pageSql(const QString &columns) const
{
    // "limit … offset …" is spelled alike by both engines.
    return wrappedSql(columns) + QStringLiteral(" limit ? offset ?");
}

QVariantList GridQuery::pageValues(int limit, int offset) const
{
    QVariantList values = wrappedValues();
    values << limit << offset;
    return values;
}

QString GridQuery::positionSql(const QString &field) const
{
    QString order = orderClause().trimmed();
    QVariantList ignored;
    return QStringLiteral("select n from (select row_number() over (%1) as n, %2 as k from (%3) as g%4) as r "
                          "where k = ? order by n")
        .arg(order, quoted(field), innerStatement(), whereClause(QString(), &ignored));
}

QString GridQuery::aggregateSql(const QList<AggregateItem> &items) const
{
    QStringList parts;
    for (const AggregateItem &item : items) {
        const QString f = quoted(item.field);
        switch (item.kind) {
        case Aggregate::Count:
            parts << QStringLiteral("count(%1)").arg(f);
            break;
        case Aggregate::CountAll:
            parts << QStringLiteral("count(*)");
            break;
        case Aggregate::MoneySum:
            // Whole ten-thousandths: exact on both engines (SQLite adds integral
            // doubles exactly; PostgreSQL adds numerics).
            parts << QStringLiteral("sum(round(%1 * 10000))").arg(f);
            break;
        case Aggregate::Sum:
            parts << QStringLiteral("sum(%1)").arg(f);
            break;
        }
    }
    if (parts.isEmpty())
        parts << QStringLiteral("count(*)");
    QVariantList ignored;
    return QStringLiteral("select %1 from (%2) as g")
               .arg(parts.join(QStringLiteral(", ")), withoutTrailingOrder(innerStatement()))
        + whereClause(QString(), &ignored);
}

QString GridQuery::distinctSql(const QString &field, int limit, const SqlDialect &dialect) const
{
    const QString f = quoted(field);
    QVariantList ignored;
    const QString rest = QStringLiteral("from (%1) as g").arg(innerStatement())
        + whereClause(field, &ignored)
        + QStringLiteral(" group by %1 order by %1 asc nulls first").arg(f);
    return dialect.selectTop(limit, f, rest);
}
