// SPDX-License-Identifier: MIT
#pragma once
#include <QJsonValue>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

class Money;
class QSqlQuery;

// A JSON object that keeps its keys in insertion order, printed on one line.
class JsonObject
{
public:
    JsonObject &add(const QString &key, const QJsonValue &value);
    JsonObject &add(const QString &key, const JsonObject &value);
    JsonObject &add(const QString &key, const QList<JsonObject> &values);
    JsonObject &addStrings(const QString &key, const QStringList &values);
    QString toString() const;

private:
    QList<QPair<QString, QString>> m_items; // key, serialised value
};

// A database value in the output form: money as its shortest text, whole numbers as
// numbers, dates "yyyy-MM-dd", date-times "yyyy-MM-dd hh:mm:ss", yes/no as booleans,
// Null as null. The column's schema type decides.
QJsonValue jsonValue(const QString &table, const QString &column, const QVariant &value);

// The query's current row as an object: every column of the schema's table, keyed as
// the schema spells it.
JsonObject schemaRow(const QString &table, const QSqlQuery &q);
// The rows the query has left, each as schemaRow makes it.
QList<JsonObject> schemaRows(const QString &table, QSqlQuery &q);
