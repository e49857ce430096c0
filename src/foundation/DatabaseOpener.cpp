// SPDX-License-Identifier: MIT
#include "foundation/DatabaseOpener.h"
#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"

#include <QFile>

OpenResult openDatabase(SharedConnection &db, const QString &connectionString)
{
    OpenResult result;
    const ConnectionSettings settings = ConnectionSettings::parse(connectionString);
    const bool newFile = settings.engine() == ConnectionSettings::Engine::SQLite
        && !settings.databaseFile().isEmpty() && !QFile::exists(settings.databaseFile());
    if (!db.open(settings, &result.message, newFile))
        return result;
    if (newFile) {
        try {
            Schema::create(db);
        } catch (const DatabaseError &e) {
            db.close();
            QFile::remove(settings.databaseFile());
            result.message = e.message();
            return result;
        }
        result.created = true;
        result.message = QStringLiteral("没有找到数据库文件, 已新建数据库: %1").arg(settings.databaseFile());
    }
    result.ok = true;
    return result;
}
