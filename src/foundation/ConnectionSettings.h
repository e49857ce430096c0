// SPDX-License-Identifier: MIT
#pragma once
#include <QMap>
#include <QString>

// A connection string of `key=value;` pairs, as de.ini holds it.
//   embedded: Provider=SQLite;Data Source=book.db;
//   server:   Provider=PostgreSQL;Password=…;Persist Security Info=True;User ID=…;
//             Initial Catalog=…;Data Source=host[:port];
class ConnectionSettings
{
public:
    enum class Engine { Unknown, SQLite, PostgreSQL };

    static ConnectionSettings parse(const QString &connectionString);
    static QString embeddedDefault() { return QStringLiteral("Provider=SQLite;Data Source=book.db;"); }
    // The server form in the key order the settings window writes.
    static QString serverString(const QString &password, const QString &user,
                                const QString &database, const QString &server);

    Engine engine() const { return m_engine; }
    QString value(const QString &key) const; // keys compare without regard to case
    // Embedded: the database file, a relative path resolved against the working folder.
    QString databaseFile() const;
    QString host() const;
    int port() const; // 5432 when the Data Source names none
    QString user() const { return value(QStringLiteral("User ID")); }
    QString password() const { return value(QStringLiteral("Password")); }
    QString databaseName() const { return value(QStringLiteral("Initial Catalog")); }
    const QString &text() const { return m_text; }
    // The text with the password replaced by asterisks, for messages.
    QString maskedText() const;

private:
    Engine m_engine = Engine::Unknown;
    QMap<QString, QString> m_values; // lower-case key -> value
    QString m_text;
};
