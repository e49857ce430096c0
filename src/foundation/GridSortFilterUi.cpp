// SPDX-License-Identifier: MIT
// The grid's sorting and filtering: head clicks, the head's value menu, the filter bar.
#include "foundation/GridWidget.h"

#include "foundation/GridModel.h"
#include "foundation/Messages.h"
#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableView>

namespace {

// How a filter value is listed: Null and the empty text named.
QString valueLabel(GridColumn::Kind kind, const QVariant &v)
{
    if (v.isNull() || !v.isValid())
        return QStringLiteral("(空白)");
    const QString text = GridFormat::display(kind, v);
    return text.isEmpty() ? QStringLiteral("(空文本)") : text;
}
} // namespace

// --- Sort and filter ---

void GridWidget::sortBy(const QString &field, Qt::SortOrder order)
{
    if (!m_model->connection())
        return;
    GridQuery query = m_wanted;
    query.setSort(field, order == Qt::AscendingOrder);
    apply(*m_model->connection(), query, Keep::Key);
}

void GridWidget::clearSort()
{
    if (!m_model->connection())
        return;
    GridQuery query = m_wanted;
    query.clearSort();
    apply(*m_model->connection(), query, Keep::Key);
}

QString GridWidget::sortField() const
{
    return m_model->query().sortField().isEmpty() ? QString() : m_wanted.sortField();
}

Qt::SortOrder GridWidget::sortOrder() const
{
    return m_wanted.sortAscending() ? Qt::AscendingOrder : Qt::DescendingOrder;
}

void GridWidget::setFilter(const QString &field, const QVariantList &values)
{
    if (!m_model->connection())
        return;
    GridQuery query = m_wanted;
    query.setFilter(field, values);
    apply(*m_model->connection(), query, Keep::Key);
}

void GridWidget::clearFilter(const QString &field)
{
    setFilter(field, {});
}

void GridWidget::clearFilters()
{
    if (!m_model->connection())
        return;
    GridQuery query = m_wanted;
    query.clearFilters();
    apply(*m_model->connection(), query, Keep::Key);
}

QStringList GridWidget::filteredFields() const
{
    return m_model->query().filteredFields();
}

QVariantList GridWidget::distinctValues(const QString &field, int limit) const
{
    const SharedConnection *db = m_model->connection();
    const QString f = m_model->resolveField(field);
    if (!db || f.isEmpty())
        return {};
    const GridQuery &q = m_model->query();
    QSqlQuery query = db->exec(q.distinctSql(f, limit, db->dialect()), q.distinctBindValues(f));
    QVariantList values;
    while (query.next())
        values << query.value(0);
    return values;
}

QMenu *GridWidget::createFilterMenu(int column, QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("gridFilterMenu"));
    const QList<GridColumn> cols = m_model->columns();
    if (column < 0 || column >= cols.size() || !hasField(cols[column].field)) {
        menu->addAction(QStringLiteral("(没有可过滤的值)"))->setEnabled(false);
        return menu;
    }
    const QString field = cols[column].field;
    const GridColumn::Kind kind = cols[column].kind;
    auto run = [this](std::function<void()> change) { return [this, change] { runOrWarn(change); }; };
    connect(menu->addAction(QStringLiteral("升序排列")), &QAction::triggered, this,
            run([this, field] { sortBy(field, Qt::AscendingOrder); }));
    connect(menu->addAction(QStringLiteral("降序排列")), &QAction::triggered, this,
            run([this, field] { sortBy(field, Qt::DescendingOrder); }));
    menu->addSeparator();

    const QVariantList current = m_model->query().filterValues(m_model->resolveField(field));
    QAction *all = menu->addAction(QStringLiteral("(全部)"));
    all->setCheckable(true);
    all->setChecked(current.isEmpty());
    connect(all, &QAction::triggered, this, run([this, field] { clearFilter(field); }));
    if (filteredFields().size() > (current.isEmpty() ? 0 : 1))
        connect(menu->addAction(QStringLiteral("清除全部过滤")), &QAction::triggered, this,
                run([this] { clearFilters(); }));

    constexpr int kLimit = 500;
    QVariantList values;
    try {
        values = distinctValues(field, kLimit + 1);
    } catch (const DatabaseError &e) {
        menu->addAction(e.message())->setEnabled(false);
    }
    for (int i = 0; i < values.size() && i < kLimit; ++i) {
        const QVariant v = values[i];
        QAction *action = menu->addAction(valueLabel(kind, v));
        action->setCheckable(true);
        action->setData(v);
        bool chosen = false;
        for (const QVariant &c : current)
            chosen = chosen || (c.isNull() == v.isNull() && c.toString() == v.toString());
        action->setChecked(chosen);
        connect(action, &QAction::triggered, this, run([this, field, v] { setFilter(field, {v}); }));
    }
    if (values.size() > kLimit)
        menu->addAction(QStringLiteral("……"))->setEnabled(false);
    return menu;
}

void GridWidget::runOrWarn(const std::function<void()> &change)
{
    try {
        change();
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void GridWidget::headerClicked(int column)
{
    const QList<GridColumn> cols = m_model->columns();
    if (column < 0 || column >= cols.size() || !hasField(cols[column].field))
        return;
    const QString field = cols[column].field;
    const bool same = sortField().compare(field, Qt::CaseInsensitive) == 0;
    const Qt::SortOrder order =
        same && sortOrder() == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    runOrWarn([this, field, order] { sortBy(field, order); });
}

void GridWidget::headerMenu(const QPoint &pos)
{
    QHeaderView *header = m_view->horizontalHeader();
    const int column = header->logicalIndexAt(pos);
    if (column < 0)
        return;
    QMenu *menu = createFilterMenu(column, this);
    menu->exec(header->mapToGlobal(pos));
    menu->deleteLater();
}

void GridWidget::updateFilterBar()
{
    const GridQuery &q = m_model->query();
    QStringList parts;
    for (const QString &field : q.filteredFields()) {
        const int column = m_model->columnOf(field);
        const QString caption = column >= 0 ? m_model->columns()[column].caption : Schema::spelling(field);
        QStringList labels;
        for (const QVariant &v : q.filterValues(field))
            labels << valueLabel(m_model->kindOf(column), v);
        parts << caption + QStringLiteral(" = ") + labels.join(QStringLiteral(" 或 "));
    }
    m_filterLabel->setText(QStringLiteral("过滤: ") + parts.join(QStringLiteral("; ")));
    m_filterBar->setVisible(!parts.isEmpty());
}

