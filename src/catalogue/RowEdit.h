// SPDX-License-Identifier: MIT
#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

class SharedConnection;

// One row of 图书 or 期刊 in edit mode, addressed by its key 编号 as loaded: the stored
// values and the changes made since. Posting writes the changed columns in one update
// (so a column nobody touched keeps what another workstation stored meanwhile);
// cancelling forgets the changes. This is the editing windows' "current row".
class RowEdit
{
public:
    RowEdit(const SharedConnection &db, QString table);

    // Loads the row with this key. False when there is none. Throws DatabaseError.
    bool load(const QString &key);
    const QString &table() const { return m_table; }
    const QString &key() const { return m_key; }
    bool isLoaded() const { return m_loaded; }

    QVariant stored(const QString &column) const;
    QVariant value(const QString &column) const; // the change, else the stored value
    // The value as a box shows it: money shortest, date-times "yyyy-MM-dd hh:mm:ss".
    QString text(const QString &column) const;

    void setValue(const QString &column, const QVariant &value);
    // A box's text: unchanged text is no change (a Null stays Null); an empty text (in
    // a numeric column, blanks too) is Null; any other text goes to the engine as typed.
    void setText(const QString &column, const QString &text);
    bool isModified() const { return !m_changes.isEmpty(); }
    QStringList changedColumns() const;

    // Forgets every change.
    void cancel() { m_changes.clear(); }
    // Writes the changes in one transaction, running alsoInTransaction (the stock log
    // row) inside it, and reloads the row by its new key. Throws DatabaseError with the
    // engine's message; the changes are then kept.
    void post(const std::function<void()> &alsoInTransaction = {});

    // Deletes the row of table (图书 or 期刊) with this key; nothing else is tested or
    // written. Throws DatabaseError.
    static void remove(const SharedConnection &db, const QString &table, const QString &key);

private:
    QString column(const QString &name) const; // the schema spelling; throws when unknown

    const SharedConnection &m_db;
    QString m_table;
    QString m_key;
    bool m_loaded = false;
    QHash<QString, QVariant> m_stored;
    QHash<QString, QVariant> m_changes;
};
