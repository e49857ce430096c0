// SPDX-License-Identifier: MIT
#include "reftables/CodeTableEditor.h"
#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>

CodeTableEditor::CodeTableEditor(const SharedConnection &db, CodeTable table, QObject *parent)
    : QAbstractTableModel(parent), m_db(db), m_table(std::move(table))
{
}

void CodeTableEditor::open()
{
    m_pendingRow = -1;
    m_pendingIsNew = false;
    reread(QVariant(), 0);
    setState(State::Browsing);
}

void CodeTableEditor::reread(const QVariant &currentName, int fallbackRow)
{
    QSqlQuery q = m_db.exec(QStringLiteral("select * from ") + m_table.table);
    QStringList fields;
    const QSqlRecord record = q.record();
    for (int i = 0; i < record.count(); ++i)
        fields << Schema::spelling(m_table.table, record.fieldName(i));
    QList<Row> rows;
    while (q.next()) {
        Row row{int(rows.size()), {}};
        for (int i = 0; i < fields.size(); ++i)
            row.values << q.value(i);
        rows << row;
    }

    beginResetModel();
    m_fields = fields;
    m_rows = rows;
    m_shown.clear();
    if (m_table.listColumns.isEmpty()) {
        for (int i = 0; i < m_fields.size(); ++i)
            m_shown << i;
    } else {
        for (const QString &column : m_table.listColumns)
            if (fieldIndex(column) >= 0)
                m_shown << fieldIndex(column);
    }
    applySort();
    endResetModel();

    int row = currentName.isValid() ? rowOfName(currentName) : -1;
    if (row < 0)
        row = std::min(fallbackRow, int(m_rows.size()) - 1);
    m_current = -2; // always tell the views after a reread
    moveCurrent(m_rows.isEmpty() ? -1 : std::max(row, 0));
}

void CodeTableEditor::setCurrentRow(int row)
{
    if (m_state == State::Editing || row < -1 || row >= m_rows.size())
        return;
    moveCurrent(row);
}

void CodeTableEditor::moveCurrent(int row)
{
    if (row == m_current)
        return;
    m_current = row;
    emit currentRowChanged(row);
}

QStringList CodeTableEditor::currentValues() const
{
    QStringList texts;
    for (const QString &column : m_table.columns)
        texts << value(m_current, column).toString();
    return texts;
}

QVariant CodeTableEditor::value(int row, const QString &column) const
{
    const int field = fieldIndex(column);
    if (row < 0 || row >= m_rows.size() || field < 0)
        return QVariant();
    return m_rows[row].values.value(field);
}

void CodeTableEditor::add()
{
    if (m_state == State::Editing)
        return;
    const QVariant name = nameOf(m_current);
    reread(name, m_current);
    m_currentBeforeAdd = m_current;
    const int row = int(m_rows.size());
    beginInsertRows(QModelIndex(), row, row);
    m_rows.append(Row{row, QVariantList(m_fields.size())});
    endInsertRows();
    m_pendingRow = row;
    m_pendingIsNew = true;
    m_pendingKey = QVariant();
    moveCurrent(row);
    setState(State::Editing);
}

void CodeTableEditor::modify()
{
    if (m_state == State::Editing)
        return;
    if (m_current < 0) {
        add();
        return;
    }
    m_pendingRow = m_current;
    m_pendingIsNew = false;
    m_pendingKey = nameOf(m_current);
    setState(State::Editing);
}

QString CodeTableEditor::save(const QStringList &values)
{
    if (m_state != State::Editing)
        return QString();
    const QString name = values.value(0);
    if (name.isEmpty())
        return QStringLiteral("请填写完整！");

    QVariantList bound;
    QStringList columns;
    for (int i = 0; i < m_table.columns.size(); ++i) {
        const QString text = values.value(i);
        columns << m_table.columns[i];
        bound << (i > 0 && text.isEmpty() ? QVariant() : QVariant(text));
    }
    if (m_pendingIsNew) {
        QStringList marks;
        for (int i = 0; i < columns.size(); ++i)
            marks << QStringLiteral("?");
        m_db.exec(QStringLiteral("insert into %1 (%2) values (%3)")
                      .arg(m_table.table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
                  bound);
    } else {
        QStringList sets;
        for (const QString &column : columns)
            sets << column + QStringLiteral(" = ?");
        const QString where = keyCondition(m_pendingKey, &bound);
        m_db.exec(QStringLiteral("update %1 set %2 where %3").arg(m_table.table, sets.join(QStringLiteral(", ")), where),
                  bound);
    }
    const int fallback = m_pendingIsNew ? int(m_rows.size()) - 1 : m_current;
    m_pendingRow = -1;
    m_pendingIsNew = false;
    setState(State::Browsing);
    reread(name, fallback);
    return QString();
}

void CodeTableEditor::cancel()
{
    if (m_state != State::Editing)
        return;
    if (m_pendingIsNew && m_pendingRow >= 0 && m_pendingRow < m_rows.size()) {
        beginRemoveRows(QModelIndex(), m_pendingRow, m_pendingRow);
        m_rows.removeAt(m_pendingRow);
        endRemoveRows();
        m_current = -2;
        moveCurrent(m_rows.isEmpty() ? -1 : std::clamp(m_currentBeforeAdd, 0, int(m_rows.size()) - 1));
    }
    m_pendingRow = -1;
    m_pendingIsNew = false;
    setState(State::Browsing);
    emit currentRowChanged(m_current); // the boxes show the row as stored again
}

QString CodeTableEditor::deleteRefusal() const
{
    return m_rows.size() == 1 ? QStringLiteral("至少留有一个！！") : QString();
}

QString CodeTableEditor::deleteQuestion() const
{
    return QStringLiteral("您是否要删除\" ") + nameOf(m_current).toString() + QStringLiteral("\"");
}

QString CodeTableEditor::removeCurrent()
{
    if (m_state == State::Editing || m_current < 0)
        return QString();
    const QString refusal = deleteRefusal();
    if (!refusal.isEmpty())
        return refusal;
    QVariantList bound;
    const QString where = keyCondition(nameOf(m_current), &bound);
    m_db.exec(QStringLiteral("delete from %1 where %2").arg(m_table.table, where), bound);
    reread(QVariant(), m_current);
    return QString();
}

QString CodeTableEditor::keyCondition(const QVariant &key, QVariantList *values) const
{
    const QString column = m_table.columns.value(0);
    if (key.isNull())
        return column + QStringLiteral(" is null");
    values->append(key);
    return column + QStringLiteral(" = ?");
}

int CodeTableEditor::fieldIndex(const QString &column) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].compare(column, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant CodeTableEditor::nameOf(int row) const
{
    return value(row, m_table.columns.value(0));
}

int CodeTableEditor::rowOfName(const QVariant &name) const
{
    const QString text = name.toString();
    int loose = -1;
    for (int row = 0; row < m_rows.size(); ++row) {
        const QString other = nameOf(row).toString();
        if (other == text)
            return row;
        if (loose < 0 && other.compare(text, Qt::CaseInsensitive) == 0)
            loose = row;
    }
    return loose;
}

void CodeTableEditor::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

int CodeTableEditor::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CodeTableEditor::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

QVariant CodeTableEditor::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || index.column() >= m_shown.size())
        return QVariant();
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    return m_rows[index.row()].values.value(m_shown[index.column()]).toString();
}

QVariant CodeTableEditor::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::InitialSortOrderRole && orientation == Qt::Horizontal)
        return int(Qt::AscendingOrder);
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return section + 1;
    return section >= 0 && section < m_shown.size() ? m_fields[m_shown[section]] : QVariant();
}

void CodeTableEditor::sort(int column, Qt::SortOrder order)
{
    if (m_state == State::Editing)
        return;
    m_sortColumn = column >= 0 && column < m_shown.size() ? column : -1;
    m_sortOrder = order;
    const int currentOrder = m_current >= 0 ? m_rows[m_current].order : -1;
    emit layoutAboutToBeChanged();
    applySort();
    emit layoutChanged();
    int row = -1;
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].order == currentOrder)
            row = i;
    m_current = -2;
    moveCurrent(row);
}

void CodeTableEditor::applySort()
{
    if (m_sortColumn < 0 || m_sortColumn >= m_shown.size()) {
        std::sort(m_rows.begin(), m_rows.end(), [](const Row &a, const Row &b) { return a.order < b.order; });
        return;
    }
    const int field = m_shown[m_sortColumn];
    const bool ascending = m_sortOrder == Qt::AscendingOrder;
    std::stable_sort(m_rows.begin(), m_rows.end(), [field, ascending](const Row &a, const Row &b) {
        const int c = QString::compare(a.values.value(field).toString(), b.values.value(field).toString(),
                                       Qt::CaseInsensitive);
        if (c == 0)
            return a.order < b.order;
        return ascending ? c < 0 : c > 0;
    });
}
