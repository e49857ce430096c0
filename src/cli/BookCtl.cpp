// SPDX-License-Identifier: MIT
// bookctl: the command-line companion. Global options come before the command:
//   --db FILE         the embedded database file
//   --connect STRING  a connection string
//   --today yyyy-mm-dd  the clock's date (its time of day keeps running)
#include "cli/Cli.h"
#include "foundation/AppConfig.h"
#include "foundation/ConnectionSettings.h"
#include "foundation/DayClock.h"
#include "foundation/LoginSession.h"
#include "foundation/SharedConnection.h"

#include <QGuiApplication>
#include <QFile>
#include <cstdio>

static int usageAll()
{
    std::fprintf(stderr, "用法: bookctl [--db FILE | --connect STRING] [--today yyyy-mm-dd] 命令 ...\n");
    for (const CliCommand &c : cliCommands())
        std::fprintf(stderr, "  %s\n", c.usage.toUtf8().constData());
    return 2;
}

int main(int argc, char *argv[])
{
    // A GUI application without a screen: painting text (barcode pictures) needs fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);

    LoginSession &session = LoginSession::current();
    session.config = AppConfig::read(AppConfig::defaultIniPath());
    QString connection = session.config.connectionString();
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (args.isEmpty())
            return usageAll();
        const QString value = args.takeFirst();
        if (option == QLatin1String("--db")) {
            connection = QStringLiteral("Provider=SQLite;Data Source=%1;").arg(value);
        } else if (option == QLatin1String("--connect")) {
            connection = value;
        } else if (option == QLatin1String("--today")) {
            QDate today;
            if (!readDay(value, &today))
                return usageAll();
            DayClock::setToday(today);
        } else {
            return usageAll();
        }
    }
    if (args.isEmpty())
        return usageAll();

    const QString name = args.takeFirst();
    const CliCommand *command = nullptr;
    for (const CliCommand &c : cliCommands())
        if (c.name == name)
            command = &c;
    if (!command)
        return usageAll();

    CliContext context;
    context.args = args;
    context.connectionString = connection;
    SharedConnection &db = SharedConnection::current();
    if (command->database == NeedsDatabase::Yes) {
        const ConnectionSettings settings = ConnectionSettings::parse(connection);
        QString error;
        if (!db.open(settings, &error))
            return context.refuse(error);
        session.config.abc = db.dialect().code();
        context.db = &db;
    }
    const int status = command->run(context);
    db.close(); // before the application object goes
    return status;
}
