// SPDX-License-Identifier: MIT
#include "foundation/InstallLocations.h"
#include "foundation/ConnectionSettings.h"
#include "foundation/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace InstallLocations {

Folders current()
{
    Folders f;
    f.executable = QCoreApplication::applicationDirPath();
    const QString package = QString::fromLatin1(kPackage);
    f.config = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(package);
    f.data = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(package);
    f.installedDefault = QDir::cleanPath(f.executable + QStringLiteral("/../share/") + package + QStringLiteral("/de.ini"));
    return f;
}

bool installed(const Folders &f)
{
    if (QFile::exists(QDir(f.executable).filePath(QStringLiteral("de.ini"))))
        return false;
    const QString dir = QDir::cleanPath(f.executable);
    return dir.startsWith(QStringLiteral("/usr/")) || !QFileInfo(dir).isWritable();
}

namespace {
// The installed default, its embedded Data Source made absolute in the data folder.
bool copyDefault(const Folders &f, const QString &target)
{
    if (!QDir().mkpath(f.config) || !QDir().mkpath(f.data))
        return false;
    if (!QFile::exists(f.installedDefault) || !QFile::copy(f.installedDefault, target))
        return false;
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    IniFile ini(target);
    const QString p1 = QStringLiteral("part1");
    const QString cs = ini.read(p1, QStringLiteral("csaccess"), QString());
    const ConnectionSettings settings = ConnectionSettings::parse(cs);
    const QString file = settings.value(QStringLiteral("Data Source"));
    if (settings.engine() == ConnectionSettings::Engine::SQLite && !file.isEmpty() && QDir::isRelativePath(file)) {
        QString text = cs;
        text.replace(QStringLiteral("Data Source=") + file, QStringLiteral("Data Source=") + QDir(f.data).filePath(file),
                     Qt::CaseInsensitive);
        ini.write(p1, QStringLiteral("csaccess"), text);
    }
    return true;
}
} // namespace

QString iniPath(const Folders &f)
{
    const QString beside = QDir(f.executable).filePath(QStringLiteral("de.ini"));
    if (!installed(f))
        return beside;
    const QString user = QDir(f.config).filePath(QStringLiteral("de.ini"));
    if (!QFile::exists(user))
        copyDefault(f, user); // without a default the program starts on the built-in defaults
    return user;
}

QString iniPath()
{
    return iniPath(current());
}

} // namespace InstallLocations
