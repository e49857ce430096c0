// SPDX-License-Identifier: MIT
#include "cli/Json.h"
#include "foundation/Money.h"
#include "foundation/Schema.h"
#include "foundation/SqlValues.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>

static QString serialise(const QJsonValue &value)
{
    // QJsonDocument prints arrays only; wrap and strip the brackets.
    const QByteArray text = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(text.mid(1, text.size() - 2));
}

JsonObject &JsonObject::add(const QString &key, const QJsonValue &value)
{
    m_items.append({key, serialise(value)});
    return *this;
}

JsonObject &JsonObject::add(const QString &key, const JsonObject &value)
{
    m_items.append({key, value.toString()});
    return *this;
}

JsonObject &JsonObject::add(const QString &key, const QList<JsonObject> &values)
{
    QStringList parts;
    for (const JsonObject &v : values)
        parts << v.toString();
    m_items.append({key, QLatin1Char('[') + parts.join(QLatin1Char(',')) + QLatin1Char(']')});
    return *this;
}

JsonObject &JsonObject::addStrings(const QString &key, const QStringList &values)
{
    QJsonArray array;
    for (const QString &v : values)
        array.append(v);
    m_items.append({key, QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact))});
    return *this;
}

QString JsonObject::toString() const
{
    QStringList parts;
    for (const auto &item : m_items)
        parts << serialise(item.first) + QLatin1Char(':') + item.second;
    return QLatin1Char('{') + parts.join(QLatin1Char(',')) + QLatin1Char('}');
}

QJsonValue jsonValue(const QString &table, const QString &column, const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return QJsonValue::Null;
    switch (Schema::typeOf(table, column)) {
    case Schema::Type::Money:
        return Money::fromVariant(value).toString();
    case Schema::Type::Integer:
    case Schema::Type::Counter:
        return value.toLongLong();
    case Schema::Type::Real:
        return value.toDouble();
    case Schema::Type::YesNo:
        return SqlValues::toBool(value);
    case Schema::Type::Date:
        return SqlValues::dateText(value);
    case Schema::Type::DateTime:
        return SqlValues::dateTimeText(value);
    case Schema::Type::Picture:
        return QString::fromLatin1(value.toByteArray().toBase64());
    case Schema::Type::Text:
    case Schema::Type::Memo:
        break;
    }
    return value.toString();
}

JsonObject schemaRow(const QString &table, const QSqlQuery &q)
{
    JsonObject row;
    for (const Schema::Column &c : Schema::findTable(table)->columns)
        row.add(c.name, jsonValue(table, c.name, q.value(c.name)));
    return row;
}

QList<JsonObject> schemaRows(const QString &table, QSqlQuery &q)
{
    QList<JsonObject> rows;
    while (q.next())
        rows << schemaRow(table, q);
    return rows;
}
