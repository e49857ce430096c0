// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

// The workstation settings of de.ini, read once at start, each key with its default.
struct AppConfig {
    QString abc = QStringLiteral("a"); // the dialect switch
    QString csaccess = QStringLiteral("0");
    QString cs = QStringLiteral("0");
    QString serverName = QStringLiteral("0");
    QString dataBaseName = QStringLiteral("0");
    QString userName = QStringLiteral("0");
    QString passWord = QStringLiteral("0");
    QString softname = QStringLiteral("0");
    QString tel = QStringLiteral("0");
    QString company = QStringLiteral("0");
    QString web = QStringLiteral("0");
    QString memo = QStringLiteral("0");
    QString winA = QStringLiteral("0");
    QString remindYN = QStringLiteral("0");
    QString bcCc = QStringLiteral("0");
    QString posPort = QStringLiteral("LPT1");
    QString jieChuHouDaYin = QStringLiteral("0");

    // csaccess, or cs when abc is exactly "s".
    QString connectionString() const;

    // Reads every key of the file; a missing file or key keeps the default.
    static AppConfig read(const QString &iniPath);
    // de.ini in the folder of the executable (for an installed program, the user's copy).
    static QString defaultIniPath();
};
