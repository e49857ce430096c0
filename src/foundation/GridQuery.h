// SPDX-License-Identifier: MIT
#pragma once
#include <QList>
#include <QMap>
#include <QString>
#include <QVariantList>

class SqlDialect;

// The statement a grid shows, with its bound values, the sort the operator chose and
// the column filters. Sorting and filtering never happen in memory: the statement is
// wrapped as
//     select * from (<statement>) as g where <filters> order by <sort>
// and run again on the engine; footers are one aggregate statement over the same
// wrapped select. Field names here are the result's own names (as the engine reports
// them); they are quoted, and every filter value is bound.
class GridQuery
{
public:
    enum class Aggregate { Count, CountAll, MoneySum, Sum };
    struct AggregateItem {
        Aggregate kind;
        QString field; // ignored for CountAll
    };

    void setStatement(const QString &sql, const QVariantList &values = {});
    QString statement() const { return m_sql; }
    QVariantList values() const { return m_values; }

    void setSort(const QString &field, bool ascending = true);
    void clearSort() { m_sortField.clear(); }
    QString sortField() const { return m_sortField; }
    bool sortAscending() const { return m_ascending; }
    // A second order field so that rows equal in the sort field keep a fixed order.
    void setTieBreaker(const QString &field) { m_tieBreaker = field; }

    // Rows whose field equals any of values; a null QVariant in the list matches Null.
    // An empty list removes the filter.
    void setFilter(const QString &field, const QVariantList &values);
    void clearFilter(const QString &field);
    void clearFilters() { m_filters.clear(); }
    QStringList filteredFields() const;
    QVariantList filterValues(const QString &field) const;
    bool hasFilters() const { return !m_filters.isEmpty(); }

    // The select the grid opens: the statement itself when there is no sort and no
    // filter (its own order kept), else the wrapped form. Values in placeholder order.
    QString selectSql() const;
    QVariantList selectValues() const;
    // Always the wrapped form (for exports and lookups that add to it).
    QString wrappedSql(const QString &columns = QStringLiteral("*"),
                       const QString &exceptFilterOf = QString(), bool withOrder = true) const;
    QVariantList wrappedValues(const QString &exceptFilterOf = QString()) const;

    // One row with one value per item: count(field), count(*), the exact sum of a money
    // field in ten-thousandths, or sum(field); over the filtered rows.
    QString aggregateSql(const QList<AggregateItem> &items) const;
    // The distinct values of a field (Null included) under the other fields' filters,
    // in order, at most limit of them.
    QString distinctSql(const QString &field, int limit, const SqlDialect &dialect) const;
    QVariantList distinctBindValues(const QString &field) const { return wrappedValues(field); }

    // One page of the wrapped select: "limit ? offset ?" with the two values appended.
    QString pageSql(const QString &columns = QStringLiteral("*")) const;
    QVariantList pageValues(int limit, int offset) const;
    // The 1-based positions in the wrapped select's order of the rows whose field
    // equals one bound value (appended to wrappedValues()), the first one first.
    QString positionSql(const QString &field) const;

    // A name quoted for either engine: "名称", with inner quotes doubled.
    static QString quoted(const QString &name);

private:
    QString whereClause(const QString &exceptFilterOf, QVariantList *values) const;
    QString orderClause() const;
    QString innerStatement() const;

    QString m_sql;
    QVariantList m_values;
    QString m_sortField;
    bool m_ascending = true;
    QString m_tieBreaker;
    QMap<QString, QVariantList> m_filters; // keyed by the field's lower-case name
    QMap<QString, QString> m_filterNames;  // lower-case name → name as given
};
