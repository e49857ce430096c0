// SPDX-License-Identifier: MIT
#include "EngineShell.h"

#include "foundation/ConnectionSettings.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

namespace EngineShell {

QString insertLine(const QString &table, const QStringList &fields, const QVariantList &values)
{
    QStringList literals;
    for (const QVariant &v : values) {
        if (v.isNull())
            literals << QStringLiteral("null");
        else if (v.typeId() == QMetaType::QDate)
            literals << QLatin1Char('\'') + v.toDate().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('\'');
        else if (v.typeId() == QMetaType::QDateTime)
            literals << QLatin1Char('\'') + v.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) + QLatin1Char('\'');
        else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong)
            literals << v.toString();
        else
            literals << QLatin1Char('\'') + v.toString().replace(QLatin1Char('\''), QStringLiteral("''"))
                            + QLatin1Char('\'');
    }
    return QStringLiteral("insert into %1 (%2) values (%3);\n")
        .arg(table, fields.join(QLatin1Char(',')), literals.join(QLatin1Char(',')));
}

QString program(const ConnectionSettings &settings)
{
    return QStandardPaths::findExecutable(settings.engine() == ConnectionSettings::Engine::SQLite
                                              ? QStringLiteral("sqlite3")
                                              : QStringLiteral("psql"));
}

QString run(const ConnectionSettings &settings, const QString &sqlFile)
{
    const QString exe = program(settings);
    if (exe.isEmpty())
        return QStringLiteral("the engine's shell is not installed");
    QProcess p;
    QStringList args;
    if (settings.engine() == ConnectionSettings::Engine::SQLite) {
        args << QStringLiteral("-bail") << settings.databaseFile();
        p.setStandardInputFile(sqlFile);
    } else {
        args << QStringLiteral("-X") << QStringLiteral("-q") << QStringLiteral("-v") << QStringLiteral("ON_ERROR_STOP=1")
             << QStringLiteral("-h") << settings.host() << QStringLiteral("-p") << QString::number(settings.port())
             << QStringLiteral("-U") << settings.user() << QStringLiteral("-d") << settings.databaseName()
             << QStringLiteral("-f") << sqlFile;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!settings.password().isEmpty())
            env.insert(QStringLiteral("PGPASSWORD"), settings.password());
        p.setProcessEnvironment(env);
    }
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(exe, args);
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QString::fromLocal8Bit(p.readAllStandardError()).trimmed() + QStringLiteral(" (exit %1)").arg(p.exitCode());
    const QString errors = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
    return errors;
}

} // namespace EngineShell
