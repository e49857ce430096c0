// SPDX-License-Identifier: MIT
#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class SharedConnection;

// One of the two small tables of lending rules, edited row by row: 读者类别 (loan days,
// loan limit and rent per reader category) and 物品级别 (rent and loan limit per item
// level). Rows are addressed by their name; the row "普通" cannot be deleted.
class LendingRuleTable
{
public:
    enum class Kind { Number, Money };
    struct Field {
        QString column;
        QString caption; // the label of its box
        Kind kind;
        QString hint = {}; // a note beside the box
    };

    static LendingRuleTable readerCategories();
    static LendingRuleTable itemLevels();

    QString table() const { return m_table; }
    QString nameColumn() const { return m_nameColumn; }
    QString nameCaption() const { return m_nameCaption; }
    const QList<Field> &fields() const { return m_fields; }
    // Every column in schema order (the grid's columns).
    QStringList columns() const;
    QString selectStatement() const; // "select * from <table>"
    // The refusal of deleting "普通".
    QString keepMessage() const { return m_keepMessage; }

    // The refusal of a save, or empty: the name must be filled; so must every number,
    // since lending cannot use a row with an empty one (a whole number for the counts,
    // money for the rent).
    QString check(const QString &name, const QStringList &values) const;
    // The rows, each its columns' texts (money shortest).
    QList<QStringList> rows(const SharedConnection &db) const;
    // Appends a row (values in fields() order). Throws DatabaseError.
    void insert(const SharedConnection &db, const QString &name, const QStringList &values) const;
    // Writes the row that was named oldName. Throws DatabaseError.
    void update(const SharedConnection &db, const QString &oldName, const QString &name,
                const QStringList &values) const;
    // The refusal ("普通") or empty; then deletes the row. Throws DatabaseError.
    QString removalRefusal(const QString &name) const;
    void remove(const SharedConnection &db, const QString &name) const;
    // "您是否要删除\" <first column>\"".
    static QString deleteQuestion(const QString &firstColumnValue);

private:
    QVariantList bound(const QString &name, const QStringList &values) const;

    QString m_table;
    QString m_nameColumn;
    QString m_nameCaption;
    QList<Field> m_fields;
    QString m_keepMessage;
};
