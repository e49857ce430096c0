// SPDX-License-Identifier: MIT
#include "foundation/SharedConnection.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QSqlError>
#include <QSqlRecord>

namespace {
QString errorText(const QSqlError &error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    return text.isEmpty() ? QStringLiteral("数据库错误") : text;
}
} // namespace

SharedConnection::SharedConnection(const QString &connectionName) : m_name(connectionName) {}

SharedConnection::~SharedConnection()
{
    close();
}

SharedConnection &SharedConnection::current()
{
    // Never destroyed: Qt SQL's own registry is gone by the time static objects die;
    // the program closes it before leaving main().
    static SharedConnection *connection = new SharedConnection;
    return *connection;
}

bool SharedConnection::open(const ConnectionSettings &settings, QString *error, bool createFile)
{
    close();
    m_settings = settings;
    QString driver;
    switch (settings.engine()) {
    case ConnectionSettings::Engine::SQLite:
        driver = QStringLiteral("QSQLITE");
        m_dialect = SqlDialect(QStringLiteral("a"));
        break;
    case ConnectionSettings::Engine::PostgreSQL:
        driver = QStringLiteral("QPSQL");
        m_dialect = SqlDialect(QStringLiteral("s"));
        break;
    case ConnectionSettings::Engine::Unknown:
        if (error)
            *error = QStringLiteral("无法识别的连接字符串: %1").arg(settings.maskedText());
        return false;
    }

    QSqlDatabase db = QSqlDatabase::addDatabase(driver, m_name);
    if (settings.engine() == ConnectionSettings::Engine::SQLite) {
        const QString file = settings.databaseFile();
        if (file.isEmpty() || (!createFile && !QFile::exists(file))) {
            if (error)
                *error = QStringLiteral("数据库文件不存在: %1").arg(file);
            db = QSqlDatabase();
            close();
            return false;
        }
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    } else {
        db.setHostName(settings.host());
        db.setPort(settings.port());
        db.setDatabaseName(settings.databaseName());
        db.setUserName(settings.user());
        db.setPassword(settings.password());
        db.setConnectOptions(QStringLiteral("connect_timeout=10"));
        // numeric values come back as exact decimal text.
        db.setNumericalPrecisionPolicy(QSql::HighPrecision);
    }
    if (!db.open()) {
        if (error)
            *error = errorText(db.lastError());
        db = QSqlDatabase();
        close();
        return false;
    }
    db = QSqlDatabase();
    try {
        if (settings.engine() == ConnectionSettings::Engine::SQLite) {
            run(QStringLiteral("pragma journal_mode=wal"));
            run(QStringLiteral("pragma foreign_keys=off"));
            // 64 MB of page cache: the ten indexes of 图书 touch many pages per insert,
            // and the default 2 MB cache spills them to the log within one transaction.
            run(QStringLiteral("pragma cache_size=-65536"));
        } else {
            run(QStringLiteral("set client_encoding to 'UTF8'"));
            run(QStringLiteral("set datestyle to 'ISO, YMD'"));
            // Lists read page by page; keep an unordered table scan in the same order
            // from one page to the next.
            run(QStringLiteral("set synchronize_seqscans to off"));
            run(QStringLiteral("set max_parallel_workers_per_gather to 0"));
        }
    } catch (const DatabaseError &e) {
        if (error)
            *error = e.message();
        close();
        return false;
    }
    return true;
}

void SharedConnection::close()
{
    if (QSqlDatabase::contains(m_name)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    m_depth = 0;
}

bool SharedConnection::isOpen() const
{
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

QSqlDatabase SharedConnection::database() const
{
    return QSqlDatabase::database(m_name, false);
}

QVariant SharedConnection::bindable(const QVariant &value) const
{
    if (value.isNull())
        return value;
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case QMetaType::Bool:
        if (m_dialect.isEmbedded())
            return value.toBool() ? 1 : 0;
        return value;
    default:
        return value;
    }
}

QString SharedConnection::refusedValues(const QVariantList &values)
{
    for (const QVariant &v : values)
        if (v.typeId() == QMetaType::QString && v.toString().contains(QChar(0)))
            return QStringLiteral("文字中含有空字符 (NUL), 数据库不能保存或查找这样的文字");
    return {};
}

QSqlQuery SharedConnection::exec(const QString &sql, const QVariantList &values) const
{
    QSqlDatabase db = database();
    if (!db.isOpen())
        throw DatabaseError(QStringLiteral("数据库没有连接"));
    const QString refused = refusedValues(values);
    if (!refused.isEmpty())
        throw DatabaseError(refused);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (values.isEmpty()) {
        if (!query.exec(sql))
            throw DatabaseError(errorText(query.lastError()));
        return query;
    }
    if (!query.prepare(sql))
        throw DatabaseError(errorText(query.lastError()));
    for (const QVariant &v : values)
        query.addBindValue(bindable(v));
    if (!query.exec())
        throw DatabaseError(errorText(query.lastError()));
    return query;
}

QVariant SharedConnection::scalar(const QString &sql, const QVariantList &values) const
{
    QSqlQuery query = exec(sql, values);
    return query.next() ? query.value(0) : QVariant();
}

void SharedConnection::run(const QString &sql) const
{
    QSqlQuery query(database());
    if (!query.exec(sql))
        throw DatabaseError(errorText(query.lastError()));
}

void SharedConnection::begin() const
{
    run(m_dialect.isEmbedded() ? QStringLiteral("begin immediate") : QStringLiteral("begin"));
    ++m_depth;
}

void SharedConnection::commit() const
{
    run(QStringLiteral("commit"));
    m_depth = 0;
}

void SharedConnection::rollback() const
{
    if (m_depth == 0)
        return;
    m_depth = 0;
    run(QStringLiteral("rollback"));
}

void SharedConnection::savepoint(const QString &name) const
{
    run(QStringLiteral("savepoint ") + name);
}

void SharedConnection::releaseSavepoint(const QString &name) const
{
    run(QStringLiteral("release savepoint ") + name);
}

void SharedConnection::rollbackToSavepoint(const QString &name) const
{
    run(QStringLiteral("rollback to savepoint ") + name);
}

QStringList SharedConnection::tableNames() const
{
    return database().tables(QSql::Tables);
}
