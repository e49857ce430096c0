// SPDX-License-Identifier: MIT
#include "catalogue/RowEdit.h"
#include "foundation/Money.h"
#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"
#include "foundation/SqlValues.h"

#include <QSqlRecord>

RowEdit::RowEdit(const SharedConnection &db, QString table) : m_db(db), m_table(std::move(table)) {}

QString RowEdit::column(const QString &name) const
{
    const Schema::Table *t = Schema::findTable(m_table);
    const Schema::Column *c = t ? Schema::findColumn(*t, name) : nullptr;
    if (!c)
        throw DatabaseError(QStringLiteral("%1中没有字段: %2").arg(m_table, name));
    return c->name;
}

bool RowEdit::load(const QString &key)
{
    QSqlQuery q = m_db.exec(QStringLiteral("select * from %1 where 编号=?").arg(m_table), {key});
    m_changes.clear();
    m_stored.clear();
    m_loaded = false;
    if (!q.next())
        return false;
    const QSqlRecord record = q.record();
    for (int i = 0; i < record.count(); ++i)
        m_stored.insert(Schema::spelling(m_table, record.fieldName(i)), q.value(i));
    m_key = q.value(QStringLiteral("编号")).toString();
    m_loaded = true;
    return true;
}

QVariant RowEdit::stored(const QString &name) const
{
    return m_stored.value(Schema::spelling(m_table, name));
}

QVariant RowEdit::value(const QString &name) const
{
    const QString c = Schema::spelling(m_table, name);
    return m_changes.contains(c) ? m_changes.value(c) : m_stored.value(c);
}

QString RowEdit::text(const QString &name) const
{
    const QVariant v = value(name);
    if (v.isNull() || !v.isValid())
        return {};
    switch (Schema::typeOf(m_table, name)) {
    case Schema::Type::Money:
        // A typed text that is not an amount stays as typed until the engine judges it.
        if (v.typeId() == QMetaType::QString && m_changes.contains(Schema::spelling(m_table, name))) {
            Money m;
            if (!Money::parse(v.toString(), &m))
                return v.toString();
        }
        return Money::fromVariant(v).toString();
    case Schema::Type::DateTime:
        return SqlValues::dateTimeText(v);
    case Schema::Type::Date:
        return SqlValues::dateText(v);
    default:
        return v.toString();
    }
}

void RowEdit::setValue(const QString &name, const QVariant &value)
{
    m_changes.insert(column(name), value);
}

void RowEdit::setText(const QString &name, const QString &text)
{
    const QString c = column(name);
    m_changes.remove(c);
    if (text == this->text(c))
        return;
    // An emptied box is Null; a numeric column takes blanks as empty too.
    const Schema::Type type = Schema::typeOf(m_table, c);
    const bool numeric = type == Schema::Type::Integer || type == Schema::Type::Money || type == Schema::Type::Real;
    const bool empty = numeric ? text.trimmed().isEmpty() : text.isEmpty();
    m_changes.insert(c, empty ? QVariant() : QVariant(text));
}

QStringList RowEdit::changedColumns() const
{
    QStringList columns = m_changes.keys();
    columns.sort();
    return columns;
}

void RowEdit::post(const std::function<void()> &alsoInTransaction)
{
    const QStringList columns = changedColumns();
    QStringList sets;
    QVariantList values;
    for (const QString &c : columns) {
        sets << c + QStringLiteral("=?");
        values << m_changes.value(c);
    }
    values << m_key;
    Transaction tx(m_db);
    if (!columns.isEmpty()) {
        QSqlQuery q = m_db.exec(
            QStringLiteral("update %1 set %2 where 编号=?").arg(m_table, sets.join(QLatin1Char(','))), values);
        if (q.numRowsAffected() == 0)
            throw DatabaseError(QStringLiteral("没有找到编号为%1的记录, 它可能已被删除.").arg(m_key));
    }
    if (alsoInTransaction)
        alsoInTransaction();
    tx.commit();
    const QString newKey = value(QStringLiteral("编号")).toString();
    load(newKey);
}

void RowEdit::remove(const SharedConnection &db, const QString &table, const QString &key)
{
    const QString t = table == QStringLiteral("期刊") ? table : QStringLiteral("图书");
    Transaction tx(db);
    db.exec(QStringLiteral("delete from %1 where 编号=?").arg(t), {key});
    tx.commit();
}
