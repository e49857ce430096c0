// SPDX-License-Identifier: MIT
#include "foundation/AppConfig.h"
#include "foundation/IniFile.h"
#include "foundation/InstallLocations.h"


QString AppConfig::connectionString() const
{
    return abc == QLatin1String("s") ? cs : csaccess;
}

AppConfig AppConfig::read(const QString &iniPath)
{
    const IniFile ini(iniPath);
    const QString p1 = QStringLiteral("part1");
    const QString zero = QStringLiteral("0");
    AppConfig c;
    c.posPort = ini.read(QStringLiteral("PosPrt"), QStringLiteral("PosPort"), zero);
    if (c.posPort == zero)
        c.posPort = QStringLiteral("LPT1");
    c.jieChuHouDaYin = ini.read(QStringLiteral("PosPrt"), QStringLiteral("JieChuHouDaYin"), zero);
    c.winA = ini.read(p1, QStringLiteral("WinA"), zero);
    c.softname = ini.read(p1, QStringLiteral("softname"), zero);
    c.tel = ini.read(p1, QStringLiteral("tel"), zero);
    c.company = ini.read(p1, QStringLiteral("company"), zero);
    c.memo = ini.read(p1, QStringLiteral("Memo"), zero);
    c.web = ini.read(p1, QStringLiteral("web"), zero);
    c.bcCc = ini.read(p1, QStringLiteral("BcCc"), zero);
    c.remindYN = ini.read(p1, QStringLiteral("RemindYN"), zero);
    c.abc = ini.read(p1, QStringLiteral("abc"), QStringLiteral("a"));
    c.csaccess = ini.read(p1, QStringLiteral("csaccess"), zero);
    c.cs = ini.read(p1, QStringLiteral("cs"), zero);
    c.serverName = ini.read(p1, QStringLiteral("ServerName"), zero);
    c.dataBaseName = ini.read(p1, QStringLiteral("DataBaseName"), zero);
    c.userName = ini.read(p1, QStringLiteral("UserName"), zero);
    c.passWord = ini.read(p1, QStringLiteral("PassWord"), zero);
    return c;
}

QString AppConfig::defaultIniPath()
{
    // Beside the executable in a portable folder; the user's own copy when installed.
    return InstallLocations::iniPath();
}
