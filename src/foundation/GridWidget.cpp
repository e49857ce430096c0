// SPDX-License-Identifier: MIT
#include "foundation/GridWidget.h"

#include "foundation/GridFooterWidget.h"
#include "foundation/GridModel.h"
#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kMinFittedWidth = 40;
constexpr int kMaxFittedWidth = 300;
} // namespace

GridWidget::GridWidget(QWidget *parent)
    : QWidget(parent), m_model(new GridModel(this)), m_view(new QTableView(this))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_view->setObjectName(QStringLiteral("gridView"));
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setAlternatingRowColors(true);
    m_view->setWordWrap(false);
    m_view->setSortingEnabled(false); // sorting is the engine's, on a head click
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    QHeaderView *header = m_view->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setHighlightSections(false);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    // Fitting a column looks at this many rows, all on the first page.
    header->setResizeContentsPrecision(100);

    m_footer = new GridFooterWidget(m_view, this);

    m_filterBar = new QWidget(this);
    m_filterBar->setObjectName(QStringLiteral("filterBar"));
    m_filterLabel = new QLabel(m_filterBar);
    m_filterLabel->setObjectName(QStringLiteral("filterLabel"));
    m_clearFilter = new QToolButton(m_filterBar);
    m_clearFilter->setObjectName(QStringLiteral("clearFilterButton"));
    m_clearFilter->setText(QStringLiteral("清除过滤"));
    auto *barLayout = new QHBoxLayout(m_filterBar);
    barLayout->setContentsMargins(4, 2, 4, 2);
    barLayout->addWidget(m_filterLabel, 1);
    barLayout->addWidget(m_clearFilter);
    m_filterBar->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_footer);
    layout->addWidget(m_filterBar);

    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (m_loading)
                    return;
                const int row = current.isValid() ? current.row() : -1;
                if (row == m_lastRow)
                    return;
                m_lastRow = row;
                emit currentRowChanged(row);
            });
    connect(m_view, &QAbstractItemView::activated, this,
            [this](const QModelIndex &index) { emit rowActivated(index.row()); });
    connect(header, &QHeaderView::sectionClicked, this, &GridWidget::headerClicked);
    connect(header, &QWidget::customContextMenuRequested, this, &GridWidget::headerMenu);
    connect(m_clearFilter, &QToolButton::clicked, this, [this] { runOrWarn([this] { clearFilters(); }); });
}

GridWidget::~GridWidget() = default;

// --- Columns ---

void GridWidget::setColumns(const QList<GridColumn> &columns)
{
    m_columns = columns;
    m_model->setColumns(columns);
    m_layoutOf.clear();
}

QList<GridColumn> GridWidget::columns() const
{
    return m_model->columns().isEmpty() ? m_columns : m_model->columns();
}

void GridWidget::setCaption(const QString &field, const QString &caption)
{
    for (GridColumn &c : m_columns)
        if (c.field.compare(field, Qt::CaseInsensitive) == 0)
            c.caption = caption;
    m_model->setColumns(m_columns);
    m_model->setCaption(m_model->columnOf(field), caption);
}

void GridWidget::setColumnHidden(const QString &field, bool hidden)
{
    for (GridColumn &c : m_columns)
        if (c.field.compare(field, Qt::CaseInsensitive) == 0)
            c.hidden = hidden;
    m_model->setColumns(m_columns);
    const int column = m_model->columnOf(field);
    if (column >= 0)
        m_view->setColumnHidden(column, hidden);
    updateFooter();
}

void GridWidget::setKeyField(const QString &field)
{
    m_keyField = field;
    m_model->setKeyField(field);
}

QString GridWidget::keyField() const
{
    return m_keyField;
}

// --- The statement ---

void GridWidget::open(const SharedConnection &db, const QString &sql, const QVariantList &values)
{
    GridQuery query = m_wanted;
    query.setStatement(sql, values);
    query.clearFilters();
    apply(db, query, Keep::FirstRow);
}

void GridWidget::refresh()
{
    if (const SharedConnection *db = m_model->connection())
        apply(*db, m_wanted, Keep::KeyOrPosition);
}

void GridWidget::close()
{
    m_wanted = GridQuery();
    m_model->close();
    afterOpen(-1);
}

bool GridWidget::isOpen() const
{
    return m_model->isOpen();
}

QString GridWidget::statement() const
{
    return m_wanted.statement();
}

QVariantList GridWidget::values() const
{
    return m_wanted.values();
}

void GridWidget::apply(const SharedConnection &db, const GridQuery &query, Keep keep)
{
    const int row = currentRow();
    QVariant key;
    if (keep != Keep::FirstRow && !m_keyField.isEmpty() && row >= 0)
        key = m_model->value(row, m_keyField);
    QList<int> widths;
    for (int c = 0; c < m_model->columnCount(); ++c)
        widths << m_view->columnWidth(c);

    m_model->open(db, query); // throws; nothing changed then
    m_wanted = query;

    int target = 0;
    if (!key.isNull() && key.isValid())
        target = m_model->locate(m_keyField, key);
    if (target < 0)
        target = keep == Keep::KeyOrPosition ? row : 0;
    target = qMin(qMax(target, 0), m_model->rowCount() - 1);
    applyColumnLayout(widths);
    afterOpen(target);
}

void GridWidget::applyColumnLayout(const QList<int> &keptWidths)
{
    const QList<GridColumn> cols = m_model->columns();
    QStringList fields;
    for (const GridColumn &c : cols)
        fields << c.field.toLower();
    const QString layoutOf = fields.join(QLatin1Char('\n'));
    const bool sameColumns = layoutOf == m_layoutOf && keptWidths.size() == cols.size();
    for (int c = 0; c < cols.size(); ++c) {
        m_view->setColumnHidden(c, cols[c].hidden);
        if (sameColumns) {
            m_view->setColumnWidth(c, keptWidths[c]); // the operator's widths stay
        } else if (cols[c].width > 0) {
            m_view->setColumnWidth(c, cols[c].width);
        } else if (!cols[c].hidden) {
            // Fitted to the head and the rows in view (the first page only).
            m_view->resizeColumnToContents(c);
            m_view->setColumnWidth(c, qBound(kMinFittedWidth, m_view->columnWidth(c) + 8, kMaxFittedWidth));
        }
    }
    m_layoutOf = layoutOf;
}

void GridWidget::afterOpen(int row)
{
    m_loading = true;
    int column = 0;
    while (column < m_model->columnCount() && m_view->isColumnHidden(column))
        ++column;
    if (row >= 0 && row < m_model->rowCount() && column < m_model->columnCount()) {
        const QModelIndex index = m_model->index(row, column);
        m_view->selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_view->scrollTo(index);
    } else {
        m_view->selectionModel()->clear();
        row = -1;
    }
    m_loading = false;

    QHeaderView *header = m_view->horizontalHeader();
    const int sortColumn = m_model->columnOf(m_model->query().sortField());
    header->setSortIndicatorShown(sortColumn >= 0);
    if (sortColumn >= 0)
        header->setSortIndicator(sortColumn, sortOrder());
    updateFooter();
    updateFilterBar();
    m_lastRow = row;
    emit currentRowChanged(row);
}

void GridWidget::updateFooter()
{
    QMap<int, QString> texts;
    QMap<int, bool> right;
    const QList<GridColumn> cols = m_model->columns();
    for (int c = 0; c < cols.size(); ++c) {
        if (cols[c].footer == GridColumn::Footer::None)
            continue;
        texts.insert(c, m_model->footerText(c));
        right.insert(c, cols[c].footer == GridColumn::Footer::Sum || GridFormat::alignsRight(cols[c].kind));
    }
    m_footer->setTexts(texts, right);
    m_footer->setVisible(!texts.isEmpty());
}

// --- Rows ---

int GridWidget::rowCount() const
{
    return m_model->rowCount();
}

int GridWidget::currentRow() const
{
    const QModelIndex current = m_view->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void GridWidget::setCurrentRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    int column = qMax(0, m_view->currentIndex().column());
    while (column < m_model->columnCount() - 1 && m_view->isColumnHidden(column))
        ++column;
    const QModelIndex index = m_model->index(row, column);
    m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_view->scrollTo(index);
}

bool GridWidget::locate(const QString &field, const QVariant &value)
{
    const int row = m_model->locate(field, value);
    if (row < 0)
        return false;
    setCurrentRow(row);
    return true;
}

bool GridWidget::hasField(const QString &field) const
{
    return m_model->fieldIndex(field) >= 0;
}

QVariant GridWidget::value(const QString &field) const
{
    return value(currentRow(), field);
}

QVariant GridWidget::value(int row, const QString &field) const
{
    return m_model->value(row, field);
}

QString GridWidget::text(const QString &field) const
{
    return text(currentRow(), field);
}

QString GridWidget::text(int row, const QString &field) const
{
    return row < 0 ? QString() : m_model->text(row, field);
}

// --- Footers and totals ---

QString GridWidget::footerText(const QString &field) const
{
    return m_model->footerText(m_model->columnOf(field));
}

qint64 GridWidget::count(const QString &field) const
{
    return m_model->count(field);
}

Money GridWidget::moneySum(const QString &field) const
{
    return Money::fromUnits(m_model->moneySumUnits(field));
}

QVariant GridWidget::sum(const QString &field) const
{
    return m_model->sum(field);
}

// --- Export and print ---

QSqlQuery GridWidget::exportQuery() const
{
    const SharedConnection *db = m_model->connection();
    if (!db)
        throw DatabaseError(QStringLiteral("没有打开的查询"));
    return db->exec(m_model->query().selectSql(), m_model->query().selectValues());
}

QStringList GridWidget::exportCaptions() const
{
    QStringList names;
    const QSqlRecord record = m_model->record();
    for (int i = 0; i < record.count(); ++i)
        names << Schema::spelling(record.fieldName(i));
    return names;
}

QStringList GridWidget::visibleFields() const
{
    QStringList fields;
    const QList<GridColumn> cols = m_model->columns();
    for (int c = 0; c < cols.size(); ++c)
        if (!m_view->isColumnHidden(c))
            fields << cols[c].field;
    return fields;
}

QStringList GridWidget::captions(const QStringList &fields) const
{
    const QStringList wanted = fields.isEmpty() ? visibleFields() : fields;
    QStringList captions;
    for (const QString &f : wanted) {
        const int column = m_model->columnOf(f);
        captions << (column >= 0 ? m_model->columns()[column].caption : Schema::spelling(f));
    }
    return captions;
}

QList<QStringList> GridWidget::rowTexts(const QStringList &fields) const
{
    const QStringList wanted = fields.isEmpty() ? visibleFields() : fields;
    QList<QStringList> rows;
    for (int r = 0; r < m_model->rowCount(); ++r) {
        QStringList cells;
        for (const QString &f : wanted)
            cells << m_model->text(r, f);
        rows << cells;
    }
    return rows;
}
