// SPDX-License-Identifier: MIT
#pragma once
#include "reftables/CodeTables.h"

#include <QAbstractTableModel>
#include <QVariant>

class SharedConnection;

// What the ten code-table windows share: the rows of "select * from <table>" as a
// read-only list model, the current row, the browsing and editing states, and the
// writes. A row is inserted, updated and deleted by its key, the name column.
class CodeTableEditor : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum class State { Browsing, Editing };

    CodeTableEditor(const SharedConnection &db, CodeTable table, QObject *parent = nullptr);

    const CodeTable &codeTable() const { return m_table; }
    State state() const { return m_state; }

    // Rereads the table, first row current, in Browsing. Throws DatabaseError.
    void open();

    int currentRow() const { return m_current; }
    // Moves the current row (ignored while Editing: the pending row stays current).
    void setCurrentRow(int row);
    // The texts of the edited columns of the current row; empty texts when there is none.
    QStringList currentValues() const;
    // A value of a row, by column name as the schema spells it (any column of the table).
    QVariant value(int row, const QString &column) const;

    // 添加: rereads the table and appends an empty pending row, which becomes current.
    void add();
    // 修改: the current row becomes the pending one; on an empty list, as 添加.
    void modify();
    // 保存: "请填写完整！" when the name (the first value) is empty, staying in Editing.
    // Otherwise inserts or updates the row by its key, rereads, makes the saved row
    // current and returns to Browsing with an empty result. An empty optional value is
    // stored as Null. Throws DatabaseError, staying in Editing.
    QString save(const QStringList &values);
    // 取消: drops the pending row or change; back to Browsing.
    void cancel();

    // 删除: "至少留有一个！！" when the list holds one row, else empty.
    QString deleteRefusal() const;
    // The confirmation: 您是否要删除" <name of the current row>".
    QString deleteQuestion() const;
    // Deletes the current row by its key and rereads; the next row becomes current.
    // Returns the refusal when the rule forbids it. Throws DatabaseError.
    QString removeCurrent();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Sorts the rows by a shown column as text (Browsing only); column -1 is table order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

signals:
    void currentRowChanged(int row);
    void stateChanged(CodeTableEditor::State state);

private:
    struct Row {
        int order; // position in the table's own order
        QVariantList values;
    };

    void reread(const QVariant &currentName, int fallbackRow);
    void applySort();
    void setState(State state);
    void moveCurrent(int row);
    int fieldIndex(const QString &column) const;
    int rowOfName(const QVariant &name) const;
    QVariant nameOf(int row) const;
    QString keyCondition(const QVariant &key, QVariantList *values) const;

    const SharedConnection &m_db;
    CodeTable m_table;
    QStringList m_fields;  // every column of the table, as the schema spells them
    QList<int> m_shown;    // the fields the list shows
    QList<Row> m_rows;
    int m_current = -1;
    State m_state = State::Browsing;
    int m_pendingRow = -1; // the row being edited
    bool m_pendingIsNew = false;
    QVariant m_pendingKey; // the name of the row being changed, as read
    int m_currentBeforeAdd = -1;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
