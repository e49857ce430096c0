// SPDX-License-Identifier: MIT
#include "circulation/PosPrinterSettings.h"
#include "foundation/IniFile.h"
#include "foundation/LoginSession.h"

#include <QStringList>

namespace PosPrinterSettings {

QStringList ports()
{
    QStringList list;
    for (int i = 1; i <= 3; ++i)
        list << QStringLiteral("LPT%1").arg(i);
    for (int i = 1; i <= 9; ++i)
        list << QStringLiteral("COM%1").arg(i);
    return list;
}

bool save(const QString &iniPath, const QString &port, bool printAfterLending, LoginSession &session,
          QString *error)
{
    IniFile ini(iniPath);
    const QString section = QStringLiteral("PosPrt");
    const QString print = printAfterLending ? QStringLiteral("1") : QStringLiteral("0");
    if (!ini.write(section, QStringLiteral("JieChuHouDaYin"), print) || !ini.write(section, QStringLiteral("PosPort"), port)) {
        if (error)
            *error = ini.errorText();
        return false;
    }
    session.config.jieChuHouDaYin = print;
    session.config.posPort = port;
    return true;
}

} // namespace PosPrinterSettings
