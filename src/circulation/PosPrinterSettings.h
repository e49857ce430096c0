// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

class LoginSession;

// The receipt printer settings of de.ini, section PosPrt: the port and whether
// "借出后打印" starts ticked.
namespace PosPrinterSettings {
// The ports offered in the settings window; any other name may be typed.
QStringList ports();
// Writes PosPort (as typed) and JieChuHouDaYin ("1" or "0") into the file, keeping its
// other lines, and updates the session's copies so that lending windows opened
// afterwards use them. False with the reason when the file cannot be written.
bool save(const QString &iniPath, const QString &port, bool printAfterLending, LoginSession &session,
          QString *error);
} // namespace PosPrinterSettings
