// SPDX-License-Identifier: MIT
#include "BookCtl.h"
#include "TestDatabase.h"

#include <QJsonDocument>
#include <QProcess>

BookCtlRun runBookCtl(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(BOOKCTL_PATH), args);
    BookCtlRun r;
    if (!p.waitForFinished(60000))
        return r;
    r.status = p.exitCode();
    const QByteArray out = p.readAllStandardOutput().trimmed();
    r.out = QString::fromUtf8(out);
    r.json = QJsonDocument::fromJson(out).object();
    for (const QByteArray &line : out.split('\n'))
        if (!line.isEmpty())
            r.lines << QJsonDocument::fromJson(line).object();
    return r;
}

BookCtlRun runBookCtl(const TestDatabase &t, const QStringList &args, const QString &today)
{
    return runBookCtl(QStringList{QStringLiteral("--connect"), t.connectionString(), QStringLiteral("--today"), today} +
                      args);
}
