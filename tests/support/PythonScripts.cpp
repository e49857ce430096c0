// SPDX-License-Identifier: MIT
#include "PythonScripts.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

QString PythonScripts::interpreterWith(const QString &module)
{
    QStringList candidates{QStringLiteral("/usr/bin/python3")};
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (!onPath.isEmpty())
        candidates.append(onPath);
    const QString probe = module.isEmpty() ? QStringLiteral("pass") : QStringLiteral("import ") + module;
    for (const QString &python : std::as_const(candidates)) {
        QByteArray out;
        QString error;
        if (QFileInfo(python).isExecutable() && run(python, {QStringLiteral("-c"), probe}, &out, &error))
            return python;
    }
    return QString();
}

bool PythonScripts::run(const QString &python, const QStringList &arguments, QByteArray *output, QString *error)
{
    QProcess process;
    process.start(python, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(120000)) {
        *error = QStringLiteral("%1 did not run: %2").arg(python, process.errorString());
        return false;
    }
    *output = process.readAllStandardOutput();
    *error = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}
