// SPDX-License-Identifier: MIT
#include "maintenance/UserGuide.h"
#include "foundation/InstallLocations.h"
#include "foundation/Messages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrl>

namespace UserGuide {

QString path()
{
    const QString exe = QCoreApplication::applicationDirPath();
    QStringList candidates{
        exe + QStringLiteral("/guide/index.html"),
        exe + QStringLiteral("/../share/") + QString::fromLatin1(InstallLocations::kPackage)
            + QStringLiteral("/guide/index.html"),
    };
#ifdef GUIDE_SOURCE_DIR
    candidates << QStringLiteral(GUIDE_SOURCE_DIR "/index.html");
#endif
    for (const QString &c : candidates)
        if (QFile::exists(c))
            return QDir::cleanPath(c);
    return {};
}

bool show(QWidget *parent)
{
    const QString file = path();
    if (file.isEmpty())
        return false;
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        Messages::info(parent, QStringLiteral("没有找到可以打开使用帮助的浏览器. 使用帮助在: ") + QDir::toNativeSeparators(file));
    return true;
}

} // namespace UserGuide
