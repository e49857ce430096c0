// SPDX-License-Identifier: MIT
#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class SharedConnection;
class SqlDialect;

// The database schema, defined once and turned into DDL for either engine.
namespace Schema {

constexpr int kVersion = 1;
// The table that keeps the schema version; not part of the listed schema.
inline QString versionTable() { return QStringLiteral("schema_version"); }

enum class Type { Text, Memo, Integer, Money, Real, YesNo, Date, DateTime, Counter, Picture };

struct Column {
    QString name;
    Type type;
    QString defaultValue; // SQL literal, empty for none
};

struct Table {
    QString name;
    QList<Column> columns;
    QString uniqueKey;        // natural key column, empty for none
    QList<QStringList> indexes; // further (non-unique) indexes
};

const QList<Table> &tables();
const Table *findTable(const QString &name); // without regard to case
const Column *findColumn(const Table &table, const QString &name);
// The schema's spelling of a column name an engine reported (PostgreSQL folds
// unquoted names to lower case); an unknown name is returned unchanged.
QString spelling(const QString &columnName);
// The same within one table.
QString spelling(const QString &table, const QString &columnName);
// The type of a column of any table, looked up by name; Text when unknown.
Type typeOf(const QString &table, const QString &column);

// The statements that create every table, index and seed row for the dialect.
QStringList createStatements(const SqlDialect &dialect);

// True when the database holds the schema's tables (a 管理员 table at least).
bool exists(const SharedConnection &db);
// Creates the schema with its seed rows in one transaction. Throws DatabaseError.
void create(const SharedConnection &db);

} // namespace Schema
