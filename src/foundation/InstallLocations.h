// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

// Where the program keeps de.ini and its database. A portable program folder (de.ini
// beside the executable, or a folder the program may write) keeps both as before:
// de.ini beside the executable, the database in the working folder. An installed
// program cannot write beside its executable: it keeps de.ini in the user's
// configuration folder, copied on first start from the installed default, with the
// embedded database's file moved into the user's data folder.
namespace InstallLocations {

constexpr const char *kPackage = "tushuguanli";
// The program's version, shown by the About window and given to the package.
constexpr const char *kVersion = "1.0.0";

struct Folders {
    QString executable;       // the folder of the executable
    QString config;           // the user's configuration folder for the program
    QString data;             // the user's data folder for the program
    QString installedDefault; // the default de.ini the package installs
};
// The folders of the running program (QStandardPaths, XDG variables honoured).
Folders current();

// True when the program runs installed: no de.ini beside the executable, and the
// executable's folder is a system folder (/usr/…) or one the program cannot write.
bool installed(const Folders &f);

// The de.ini to read and write. For an installed program the user's copy is made when
// missing: the installed default with a relative embedded Data Source placed in the
// data folder (which is created).
QString iniPath(const Folders &f);
QString iniPath();

} // namespace InstallLocations
