// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/GridColumn.h"
#include "foundation/GridQuery.h"
#include "foundation/Money.h"

#include <QList>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>
#include <QWidget>
#include <functional>

class GridFooterWidget;
class GridModel;
class QLabel;
class QMenu;
class QTableView;
class QToolButton;
class SharedConnection;

// The list grid of every list window: a read-only table of whole rows over the result
// of one statement on a SharedConnection, with a footer line, sorting by a click on a
// column head and filtering by a column's values (the head's context menu). It fills
// the space its layout gives it.
//
//   auto *grid = new GridWidget(this);
//   grid->setColumns({GridColumn("id").count(), GridColumn("事件"), GridColumn("日期").date(),
//                     GridColumn("价格").money().sum(), GridColumn("备注").hide()});
//   grid->setKeyField("id");
//   grid->open(db, "select * from 管理员日志 where 管理员 = ?", {name}); // throws DatabaseError
//   connect(grid, &GridWidget::currentRowChanged, this, &TXxxFm::showCurrent);
//   grid->value("事件");                    // the current row's value, any case of the name
//
// Rows are read a page at a time as they come into view, so a result of 100,000 rows
// opens as fast as one of a hundred. Sorting and filtering run the statement again on
// the engine, wrapped as "select * from (<statement>) as g where … order by …"; the
// footers are one aggregate statement over the same wrapped select, so they cover the
// rows shown (filters applied), not only the rows read.
//
// Field names are matched to the result's without regard to case (PostgreSQL reports
// "cardid" for CardId); captions default to the schema's spelling. Money is shown with
// two decimals, exactly; dates yyyy-MM-dd; date-times yyyy-MM-dd hh:mm:ss; yes/no 是/否.
//
// Without a sort the rows come in the statement's own order, page by page, so the
// statement should give one order each time it runs. A plain scan does; on PostgreSQL a
// table larger than a quarter of its shared buffers may be scanned from another start
// while a second scan of it runs (synchronize_seqscans), and a parallel plan mixes rows:
// give statements over such tables an order by.
//
// The methods that run statements throw DatabaseError with the engine's message and
// leave the grid as it was. Sorting and filtering started by the operator show that
// message with Messages::warn instead.
class GridWidget : public QWidget
{
    Q_OBJECT

public:
    explicit GridWidget(QWidget *parent = nullptr);
    ~GridWidget() override;

    // --- Columns (set before open(); captions and hiding also later) ---
    // An empty list shows every field of the result, headed by its name.
    void setColumns(const QList<GridColumn> &columns);
    QList<GridColumn> columns() const;
    void setCaption(const QString &field, const QString &caption);
    void setColumnHidden(const QString &field, bool hidden);
    // The field that names a row (unique): refresh(), sorting and filtering find the
    // current row again by it, and rows equal in the sort field are ordered by it so
    // that every page sees one order. Set it for every grid that has such a field.
    void setKeyField(const QString &field);
    QString keyField() const;

    // --- The statement ---
    // Shows the result of sql with the bound values. A new statement keeps the sort
    // and drops the filters; the first row becomes current.
    void open(const SharedConnection &db, const QString &sql, const QVariantList &values = {});
    // Runs the statement again with its sort and filters and keeps the current row: the
    // row with the same key when there is a key field and it is still listed, else the
    // same position (the last row when the list got shorter).
    void refresh();
    // No rows, no statement.
    void close();
    bool isOpen() const;
    QString statement() const;
    QVariantList values() const;

    // --- Rows ---
    int rowCount() const; // rows of the result, filters applied
    int currentRow() const; // -1 when there is no row
    void setCurrentRow(int row);
    // Makes the first row whose field equals value current; false when none does.
    bool locate(const QString &field, const QVariant &value);
    // True when the result has the field (shown or not).
    bool hasField(const QString &field) const;
    // The current row's value of any field of the result; invalid without a row or field.
    QVariant value(const QString &field) const;
    QVariant value(int row, const QString &field) const;
    // The same as the grid writes it ("25.00", "2024-05-01", "是").
    QString text(const QString &field) const;
    QString text(int row, const QString &field) const;

    // --- Sort and filter ---
    void sortBy(const QString &field, Qt::SortOrder order = Qt::AscendingOrder);
    void clearSort();
    QString sortField() const; // empty when unsorted
    Qt::SortOrder sortOrder() const;
    // Shows only the rows whose field equals one of values (a null QVariant stands for
    // Null). Filters of several fields all apply. An empty list removes the filter.
    void setFilter(const QString &field, const QVariantList &values);
    void clearFilter(const QString &field);
    void clearFilters();
    QStringList filteredFields() const;
    // The values of a field under the other fields' filters, Null first, at most limit.
    QVariantList distinctValues(const QString &field, int limit = 500) const;
    // The menu the head of a model column opens: "(全部)" and one entry per value
    // ("(空白)" for Null); choosing one filters the rows by it.
    QMenu *createFilterMenu(int column, QWidget *parent = nullptr);

    // --- Footers and totals ---
    // The footer text under a field's column ("12", "1234.50"), empty when it has none.
    QString footerText(const QString &field) const;
    // Over the rows shown, run when asked (for printed totals).
    qint64 count(const QString &field = QString()) const;
    Money moneySum(const QString &field) const;
    QVariant sum(const QString &field) const; // a number field: as the engine adds it

    // --- Export and print ---
    // The statement run again with the current sort and filters, every field of it,
    // forward-only: for ExportQueryToExcel.
    QSqlQuery exportQuery() const;
    // exportQuery()'s field names as the schema spells them (its header row).
    QStringList exportCaptions() const;
    // The fields of the shown columns, in order.
    QStringList visibleFields() const;
    QStringList captions(const QStringList &fields = {}) const;
    // Every row of the result in the grid's order, as the grid writes the values of the
    // fields (the shown columns when none are named): the lines of a ListReport.
    QList<QStringList> rowTexts(const QStringList &fields = {}) const;

    QTableView *view() const { return m_view; }
    GridModel *model() const { return m_model; }

signals:
    // The current row moved (keyboard or mouse), or the rows were read again.
    // row is -1 when the grid is empty.
    void currentRowChanged(int row);
    // A double click or Enter on a row.
    void rowActivated(int row);

private:
    enum class Keep { FirstRow, Key, KeyOrPosition };
    // Opens query; on success it becomes the grid's and the row to make current is
    // chosen by keep. Throws DatabaseError.
    void apply(const SharedConnection &db, const GridQuery &query, Keep keep);
    void runOrWarn(const std::function<void()> &change);
    void afterOpen(int row);
    void applyColumnLayout(const QList<int> &keptWidths);
    void updateFooter();
    void updateFilterBar();
    void headerClicked(int column);
    void headerMenu(const QPoint &pos);

    GridModel *m_model;
    QTableView *m_view;
    GridFooterWidget *m_footer;
    QWidget *m_filterBar;
    QLabel *m_filterLabel;
    QToolButton *m_clearFilter;
    QList<GridColumn> m_columns;
    QString m_keyField;
    GridQuery m_wanted; // statement, sort and filters with the windows' field names
    bool m_loading = false;
    QString m_layoutOf; // the fields the column widths were fitted for
    int m_lastRow = -2;
};
