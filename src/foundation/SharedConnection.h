// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/ConnectionSettings.h"
#include "foundation/SqlDialect.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <stdexcept>

// An error of the database layer, carrying the engine's own message for the operator.
class DatabaseError : public std::runtime_error
{
public:
    explicit DatabaseError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// The one database connection every window uses, over Qt SQL for both engines.
// Statements keep their text; every value is bound. Dates bind as "yyyy-MM-dd",
// date-times as "yyyy-MM-dd hh:mm:ss", yes/no as the engine's boolean.
class SharedConnection
{
public:
    explicit SharedConnection(const QString &connectionName = QStringLiteral("shared"));
    ~SharedConnection();
    SharedConnection(const SharedConnection &) = delete;
    SharedConnection &operator=(const SharedConnection &) = delete;

    // The process-wide connection (the desktop program's and bookctl's).
    static SharedConnection &current();

    // Opens the database the settings name. An embedded file must exist unless
    // createFile is true. Returns false with the engine's message in *error.
    bool open(const ConnectionSettings &settings, QString *error, bool createFile = false);
    void close();
    bool isOpen() const;

    const SqlDialect &dialect() const { return m_dialect; }
    QSqlDatabase database() const;
    const ConnectionSettings &settings() const { return m_settings; }

    // Runs a statement with bound values; throws DatabaseError with the engine's text.
    QSqlQuery exec(const QString &sql, const QVariantList &values = {}) const;
    // The first column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString &sql, const QVariantList &values = {}) const;

    // Writing transactions: BEGIN IMMEDIATE on SQLite so that a race becomes the
    // program's own refusal rather than "database is locked".
    void begin() const;
    void commit() const;
    void rollback() const;
    bool inTransaction() const { return m_depth > 0; }

    // Savepoints inside a transaction (one per imported row).
    void savepoint(const QString &name) const;
    void releaseSavepoint(const QString &name) const;
    void rollbackToSavepoint(const QString &name) const;

    // Names of the tables and, per table, of the columns as the engine reports them.
    QStringList tableNames() const;

    // A value ready to bind for this engine (dates, date-times, booleans).
    QVariant bindable(const QVariant &value) const;
    // The message refusing values that neither engine takes as text, or empty: a text
    // holding a NUL character (PostgreSQL stores none and Qt's driver cuts the statement
    // there; SQLite's text functions stop at it, so searches would miss it).
    static QString refusedValues(const QVariantList &values);

private:
    void run(const QString &sql) const;

    QString m_name;
    SqlDialect m_dialect;
    ConnectionSettings m_settings;
    mutable int m_depth = 0;
};

// Begins on construction, rolls back on destruction unless committed.
class Transaction
{
public:
    explicit Transaction(const SharedConnection &db) : m_db(db) { m_db.begin(); }
    ~Transaction()
    {
        if (!m_done) {
            try {
                m_db.rollback();
            } catch (const DatabaseError &) {
            }
        }
    }
    void commit()
    {
        m_db.commit();
        m_done = true;
    }

private:
    const SharedConnection &m_db;
    bool m_done = false;
};
