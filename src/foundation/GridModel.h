// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/GridColumn.h"
#include "foundation/GridQuery.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QSqlRecord>
#include <QVector>

class SharedConnection;

// The rows of a grid: the result of a GridQuery on a SharedConnection, read a page at
// a time as the view asks for them. Opening runs one aggregate statement (the row count
// and the footers) and the first page; every page is a statement of its own that is
// read to its end, so no statement stays open between calls (an open SQLite read would
// hold an old snapshot and make the connection's next write fail "database is locked").
// A bounded number of pages is kept. Pictures (binary fields) are left out of the pages
// and read for one row when asked for.
//
// Model columns are the grid's columns in their order; every field of the result, shown
// or not, can be read by name (without regard to case).
class GridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kPageSize = 500;
    static constexpr int kCachedPages = 40;
    // The raw value of a cell, under this role (null for a picture: see value()).
    static constexpr int ValueRole = Qt::UserRole + 1;

    explicit GridModel(QObject *parent = nullptr);

    // The columns to show; none: every field of the result, captioned as the schema
    // spells it. Takes effect at the next open().
    void setColumns(const QList<GridColumn> &columns);
    QList<GridColumn> columns() const { return m_columns; }
    void setCaption(int column, const QString &caption);
    // The field that names a row (refresh finds the row again by it; ties in a sort
    // are ordered by it).
    void setKeyField(const QString &field) { m_keyField = field; }
    QString keyField() const { return m_keyField; }

    // Runs the query: field names given by the windows are matched to the result's own,
    // a sort or filter on a field the result lacks is dropped. Throws DatabaseError; the
    // model then keeps what it showed.
    void open(const SharedConnection &db, const GridQuery &query);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    const SharedConnection *connection() const { return m_db; }
    // The query as last opened, with the result's own field names.
    const GridQuery &query() const { return m_query; }

    // The result's fields as the engine names them.
    QSqlRecord record() const { return m_record; }
    // The result's own spelling of a field name, or empty when it has no such field.
    QString resolveField(const QString &field) const;
    int fieldIndex(const QString &field) const;
    // The model column of a grid field, or -1.
    int columnOf(const QString &field) const;
    GridColumn::Kind kindOf(int column) const;

    QVariant value(int row, const QString &field) const;
    QString text(int row, int column) const;
    QString text(int row, const QString &field) const;
    // The first row whose field equals value in the current order, or -1.
    int locate(const QString &field, const QVariant &value) const;

    // The footer texts (empty for columns without a footer), from the last open().
    QString footerText(int column) const { return m_footers.value(column); }
    // Aggregates over the rows shown, run when asked.
    qint64 count(const QString &field = QString()) const;
    qint64 moneySumUnits(const QString &field) const;
    QVariant sum(const QString &field) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // How many page statements have run since open() (for tests of laziness).
    int pagesRead() const { return m_pagesRead; }

private:
    using Row = QVector<QVariant>;
    const Row *row(int r) const;
    void readPage(int page) const;
    QList<GridColumn> effectiveColumns(const QSqlRecord &record) const;
    static qint64 unitsOf(const QVariant &v);

    QList<GridColumn> m_wanted;  // as the window set them
    QList<GridColumn> m_columns; // as shown (kinds resolved, captions filled)
    QList<int> m_fieldOfColumn;  // record index per model column, -1 when missing
    QString m_keyField;
    const SharedConnection *m_db = nullptr;
    GridQuery m_query;
    QSqlRecord m_record;
    QHash<QString, int> m_fieldIndex; // lower-case name → record index
    QString m_pageColumns = QStringLiteral("*"); // the select list of a page: "*", or without pictures
    QList<bool> m_binary;             // per record index: a picture, read on demand
    int m_rows = 0;
    QStringList m_footers;
    mutable QHash<int, QVector<Row>> m_pages;
    mutable QList<int> m_pageOrder; // least recently read first
    mutable int m_pagesRead = 0;
    mutable int m_lastPage = -1;
};
