// SPDX-License-Identifier: MIT
#include "maintenance/DatabaseBackup.h"
#include "foundation/SharedConnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {
QString failed(const QString &why)
{
    return QStringLiteral("备份失败: ") + why;
}

// The copy reaches the disk before it takes the target's name.
void syncFile(const QString &path)
{
    QFile f(path);
    if (f.open(QIODevice::ReadOnly))
        ::fsync(f.handle());
}
} // namespace

QString DatabaseBackup::fileName(const QDateTime &when)
{
    return when.toString(QStringLiteral("yyyyMMdd hhmmss")) + QStringLiteral("备份.db");
}

DatabaseBackup::Result DatabaseBackup::backup(const SharedConnection &db, const QString &folder,
                                              const QDateTime &when)
{
    Result r;
    if (db.dialect().isServer()) {
        r.message = serverMessage();
        return r;
    }
    const QFileInfo dir(folder);
    if (folder.trimmed().isEmpty() || !dir.isDir()) {
        r.message = failed(QStringLiteral("文件夹不存在 ") + folder);
        return r;
    }
    if (db.inTransaction()) {
        r.message = failed(QStringLiteral("数据库正在处理其他操作, 请稍后再试."));
        return r;
    }
    const QDir target(dir.absoluteFilePath());
    const QString file = target.filePath(fileName(when));
    const QString temporary = target.filePath(QStringLiteral(".") + fileName(when) + QLatin1Char('.')
                                              + QUuid::createUuid().toString(QUuid::Id128).left(12)
                                              + QStringLiteral(".tmp"));
    try {
        db.exec(QStringLiteral("vacuum into ?"), {temporary});
    } catch (const DatabaseError &e) {
        QFile::remove(temporary);
        r.message = failed(e.message());
        return r;
    }
    syncFile(temporary);
    // rename() replaces a file of the same name in one step: two backups in one
    // second leave the later one.
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(file).constData()) != 0) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(temporary);
        r.message = failed(why);
        return r;
    }
    r.ok = true;
    r.file = file;
    return r;
}

QStringList DatabaseBackup::backupsIn(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.db")}, QDir::Files, QDir::Name);
}
