// SPDX-License-Identifier: MIT
#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>

class SharedConnection;

// The backup of the embedded database: the engine's own online copy of the open
// database (SQLite VACUUM INTO), written to a temporary name in the chosen folder and
// renamed over "yyyyMMdd hhmmss备份.db". The connection stays open meanwhile and other
// connections may go on writing; the copy holds every row committed before it began.
class DatabaseBackup
{
public:
    // "20080501 140309备份.db"
    static QString fileName(const QDateTime &when);

    struct Result {
        bool ok = false;
        QString file;    // the backup's full path
        QString message; // why it failed
    };
    // The server dialect refuses with "请使用PostgreSQL的pg_dump备份!".
    static Result backup(const SharedConnection &db, const QString &folder, const QDateTime &when);

    // The backup files (*.db) of a folder, by name.
    static QStringList backupsIn(const QString &folder);

    static QString serverMessage() { return QStringLiteral("请使用PostgreSQL的pg_dump备份!"); }
    static QString restoreNote()
    {
        return QStringLiteral("还原数据就是把备份好的数据文件拷贝到图书管理软件的安装目录下,覆盖book.db就可以了"
                              "(请先退出本软件).");
    }
};
