// SPDX-License-Identifier: MIT
#include "foundation/GridModel.h"

#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"

#include <QDebug>
#include <QSqlField>
#include <QSqlQuery>
#include <cmath>

namespace {

bool sameValue(const QVariant &a, const QVariant &b)
{
    const bool aNull = a.isNull() || !a.isValid();
    const bool bNull = b.isNull() || !b.isValid();
    if (aNull || bNull)
        return aNull == bNull;
    // Text keys compare without regard to case, as both engines compare them.
    return a.toString().compare(b.toString(), Qt::CaseInsensitive) == 0;
}

} // namespace

GridModel::GridModel(QObject *parent) : QAbstractTableModel(parent) {}

void GridModel::setColumns(const QList<GridColumn> &columns)
{
    m_wanted = columns;
}

void GridModel::setCaption(int column, const QString &caption)
{
    if (column < 0 || column >= m_columns.size())
        return;
    m_columns[column].caption = caption;
    for (GridColumn &c : m_wanted)
        if (c.field.compare(m_columns[column].field, Qt::CaseInsensitive) == 0)
            c.caption = caption;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

QList<GridColumn> GridModel::effectiveColumns(const QSqlRecord &record) const
{
    QList<GridColumn> columns = m_wanted;
    if (columns.isEmpty()) {
        for (int i = 0; i < record.count(); ++i)
            columns.append(GridColumn(record.fieldName(i)));
    }
    for (GridColumn &c : columns) {
        if (c.caption.isEmpty())
            c.caption = Schema::spelling(c.field);
        if (c.kind == GridColumn::Kind::Auto)
            c.kind = GridFormat::kindOfField(c.field);
    }
    return columns;
}

void GridModel::open(const SharedConnection &db, const GridQuery &wanted)
{
    // The result's fields, without reading a row.
    GridQuery probe;
    probe.setStatement(wanted.statement(), wanted.values());
    const QSqlRecord record = db.exec(probe.pageSql(), probe.pageValues(0, 0)).record();
    QHash<QString, int> index;
    for (int i = 0; i < record.count(); ++i)
        if (!index.contains(record.fieldName(i).toLower()))
            index.insert(record.fieldName(i).toLower(), i);
    auto resolve = [&](const QString &f) {
        const int i = index.value(f.toLower(), -1);
        return i < 0 ? QString() : record.fieldName(i);
    };

    // Pages carry no pictures: a page of readers with photos would be megabytes.
    QList<bool> binary;
    QStringList pageColumns;
    bool anyBinary = false;
    for (int i = 0; i < record.count(); ++i) {
        binary << (record.field(i).metaType().id() == QMetaType::QByteArray);
        anyBinary = anyBinary || binary.last();
        const QString q = GridQuery::quoted(record.fieldName(i));
        pageColumns << (binary.last() ? QStringLiteral("null as ") + q : q);
    }
    // Two fields of one name cannot be named one by one; such a result is read whole.
    const bool namesUnique = index.size() == record.count();
    const QString pageSelect = anyBinary && namesUnique ? pageColumns.join(QStringLiteral(", ")) : QStringLiteral("*");
    if (pageSelect == QLatin1String("*"))
        binary = QList<bool>(record.count(), false);

    // The same query in the result's own names; what the result lacks is dropped.
    GridQuery query;
    query.setStatement(wanted.statement(), wanted.values());
    if (const QString s = resolve(wanted.sortField()); !s.isEmpty())
        query.setSort(s, wanted.sortAscending());
    for (const QString &f : wanted.filteredFields())
        if (const QString r = resolve(f); !r.isEmpty())
            query.setFilter(r, wanted.filterValues(f));
    query.setTieBreaker(resolve(m_keyField));

    const QList<GridColumn> columns = effectiveColumns(record);
    QList<GridQuery::AggregateItem> items{{GridQuery::Aggregate::CountAll, QString()}};
    QList<int> footerColumns;
    for (int c = 0; c < columns.size(); ++c) {
        const QString f = resolve(columns[c].field);
        if (columns[c].footer == GridColumn::Footer::None || f.isEmpty())
            continue;
        GridQuery::Aggregate kind = GridQuery::Aggregate::Count;
        if (columns[c].footer == GridColumn::Footer::Sum)
            kind = columns[c].kind == GridColumn::Kind::Money ? GridQuery::Aggregate::MoneySum
                                                              : GridQuery::Aggregate::Sum;
        items.append({kind, f});
        footerColumns.append(c);
    }
    QSqlQuery totals = db.exec(query.aggregateSql(items), query.wrappedValues());
    if (!totals.next())
        throw DatabaseError(QStringLiteral("没有得到记录数"));
    const int rows = int(totals.value(0).toLongLong());
    QStringList footers;
    for (int c = 0; c < columns.size(); ++c) {
        const GridColumn &col = columns[c];
        const int item = int(footerColumns.indexOf(c)) + 1;
        if (col.footer == GridColumn::Footer::None) {
            footers << QString();
        } else if (item == 0) { // a field the result lacks
            footers << (col.footer == GridColumn::Footer::Count ? GridFormat::countText(0, col.footerFormat)
                                                                : QString());
        } else if (items[item].kind == GridQuery::Aggregate::Count) {
            footers << GridFormat::countText(totals.value(item).toLongLong(), col.footerFormat);
        } else if (items[item].kind == GridQuery::Aggregate::MoneySum) {
            footers << GridFormat::moneySumText(unitsOf(totals.value(item)), col.footerFormat);
        } else {
            footers << GridFormat::numberSumText(totals.value(item), col.footerFormat);
        }
    }

    // Everything ran: show the new result.
    beginResetModel();
    m_db = &db;
    m_query = query;
    m_record = record;
    m_fieldIndex = index;
    m_pageColumns = pageSelect;
    m_binary = binary;
    m_columns = columns;
    m_fieldOfColumn.clear();
    for (const GridColumn &c : m_columns)
        m_fieldOfColumn.append(index.value(c.field.toLower(), -1));
    m_rows = rows;
    m_footers = footers;
    m_pages.clear();
    m_pageOrder.clear();
    m_lastPage = -1;
    m_pagesRead = 0;
    endResetModel();
}

void GridModel::close()
{
    beginResetModel();
    m_db = nullptr;
    m_query = GridQuery();
    m_record = QSqlRecord();
    m_fieldIndex.clear();
    m_pageColumns = QStringLiteral("*");
    m_binary.clear();
    m_fieldOfColumn.clear();
    m_columns = effectiveColumns(QSqlRecord());
    for (int c = 0; c < m_columns.size(); ++c)
        m_fieldOfColumn.append(-1);
    m_rows = 0;
    m_footers.clear();
    m_pages.clear();
    m_pageOrder.clear();
    m_lastPage = -1;
    endResetModel();
}

QString GridModel::resolveField(const QString &field) const
{
    const int i = fieldIndex(field);
    return i < 0 ? QString() : m_record.fieldName(i);
}

int GridModel::fieldIndex(const QString &field) const
{
    return m_fieldIndex.value(field.toLower(), -1);
}

int GridModel::columnOf(const QString &field) const
{
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].field.compare(field, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

GridColumn::Kind GridModel::kindOf(int column) const
{
    return column >= 0 && column < m_columns.size() ? m_columns[column].kind : GridColumn::Kind::Auto;
}

void GridModel::readPage(int page) const
{
    QVector<Row> rows;
    try {
        QSqlQuery q = m_db->exec(m_query.pageSql(m_pageColumns), m_query.pageValues(kPageSize, page * kPageSize));
        const int n = m_record.count();
        while (q.next()) {
            Row r(n);
            for (int i = 0; i < n; ++i)
                r[i] = q.value(i);
            rows.append(r);
        }
    } catch (const DatabaseError &e) {
        // A page that cannot be read shows empty; the next open() reports the error.
        qWarning() << "grid page" << page << e.message();
    }
    ++m_pagesRead;
    m_pages.insert(page, rows);
    m_pageOrder.append(page);
    while (m_pageOrder.size() > kCachedPages)
        m_pages.remove(m_pageOrder.takeFirst());
}

const GridModel::Row *GridModel::row(int r) const
{
    if (!m_db || r < 0 || r >= m_rows)
        return nullptr;
    const int page = r / kPageSize;
    if (!m_pages.contains(page)) {
        readPage(page);
    } else if (page != m_lastPage) {
        m_pageOrder.removeOne(page);
        m_pageOrder.append(page);
    }
    m_lastPage = page;
    const QVector<Row> &rows = m_pages[page];
    const int i = r % kPageSize;
    return i < rows.size() ? &rows[i] : nullptr;
}

QVariant GridModel::value(int r, const QString &field) const
{
    const int i = fieldIndex(field);
    const Row *data = i < 0 ? nullptr : row(r);
    if (!data)
        return QVariant();
    if (!m_binary.value(i))
        return data->at(i);
    // A picture: read for this row alone.
    try {
        QSqlQuery q = m_db->exec(m_query.pageSql(GridQuery::quoted(m_record.fieldName(i))),
                                 m_query.pageValues(1, r));
        return q.next() ? q.value(0) : QVariant();
    } catch (const DatabaseError &e) {
        qWarning() << "grid picture" << r << e.message();
        return QVariant();
    }
}

QString GridModel::text(int r, int column) const
{
    if (column < 0 || column >= m_columns.size())
        return QString();
    const int i = m_fieldOfColumn.value(column, -1);
    const Row *data = i < 0 ? nullptr : row(r);
    return data ? GridFormat::display(m_columns[column].kind, data->at(i)) : QString();
}

QString GridModel::text(int r, const QString &field) const
{
    const int c = columnOf(field);
    if (c >= 0)
        return text(r, c);
    return GridFormat::display(GridFormat::kindOfField(field), value(r, field));
}

int GridModel::locate(const QString &field, const QVariant &wanted) const
{
    const QString f = resolveField(field);
    if (!m_db || f.isEmpty() || m_rows == 0)
        return -1;
    QVariantList values = m_query.wrappedValues();
    values << wanted;
    QSqlQuery q = m_db->exec(m_query.positionSql(f), values);
    if (!q.next())
        return -1;
    const int found = int(q.value(0).toLongLong()) - 1;
    if (sameValue(value(found, f), wanted))
        return found;
    // The numbering and the pages disagreed (rows equal in the sort): look row by row.
    for (int r = 0; r < m_rows; ++r)
        if (sameValue(value(r, f), wanted))
            return r;
    return -1;
}

qint64 GridModel::unitsOf(const QVariant &v)
{
    if (v.isNull() || !v.isValid())
        return 0;
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float)
        return qint64(std::llround(v.toDouble()));
    QString s = v.toString().trimmed();
    const int point = s.indexOf(QLatin1Char('.'));
    if (point >= 0)
        s.truncate(point); // a whole number of ten-thousandths: ".0000" at most
    return s.toLongLong();
}

qint64 GridModel::count(const QString &field) const
{
    if (!m_db)
        return 0;
    const QString f = resolveField(field);
    if (!field.isEmpty() && f.isEmpty())
        return 0;
    const GridQuery::Aggregate kind = f.isEmpty() ? GridQuery::Aggregate::CountAll : GridQuery::Aggregate::Count;
    return m_db->scalar(m_query.aggregateSql({{kind, f}}), m_query.wrappedValues()).toLongLong();
}

qint64 GridModel::moneySumUnits(const QString &field) const
{
    const QString f = resolveField(field);
    if (!m_db || f.isEmpty())
        return 0;
    return unitsOf(m_db->scalar(m_query.aggregateSql({{GridQuery::Aggregate::MoneySum, f}}),
                                m_query.wrappedValues()));
}

QVariant GridModel::sum(const QString &field) const
{
    const QString f = resolveField(field);
    if (!m_db || f.isEmpty())
        return QVariant();
    return m_db->scalar(m_query.aggregateSql({{GridQuery::Aggregate::Sum, f}}), m_query.wrappedValues());
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case Qt::TextAlignmentRole: {
        const GridColumn::Kind kind = kindOf(index.column());
        const bool right = kind == GridColumn::Kind::Auto
            ? GridFormat::alignsRight(kind, data(index, ValueRole))
            : GridFormat::alignsRight(kind);
        return QVariant::fromValue(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft));
    }
    case ValueRole: {
        const int i = m_fieldOfColumn.value(index.column(), -1);
        const Row *data = i < 0 ? nullptr : row(index.row());
        return data ? data->at(i) : QVariant();
    }
    default:
        return QVariant();
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < m_columns.size() ? m_columns[section].caption : QVariant();
    return section + 1;
}
