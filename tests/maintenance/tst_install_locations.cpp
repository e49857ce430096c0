// SPDX-License-Identifier: MIT
// Where de.ini and the database live: beside a portable program, in the user's folders
// for an installed one (the default copied once, its database moved to the data folder).
#include "foundation/AppConfig.h"
#include "foundation/ConnectionSettings.h"
#include "foundation/InstallLocations.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
void write(const QString &path, const QByteArray &text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

const QByteArray kDefault = "[part1]\r\n; 默认设置\r\nabc=a\r\ncsaccess=Provider=SQLite;Data Source=book.db;\r\nsoftname=图书管理系统\r\n";
} // namespace

class TestInstallLocations : public QObject
{
    Q_OBJECT
private slots:
    void portable()
    {
        QTemporaryDir dir;
        InstallLocations::Folders f{dir.path(), dir.filePath(QStringLiteral("cfg")), dir.filePath(QStringLiteral("data")),
                                    dir.filePath(QStringLiteral("default.ini"))};
        // A writable folder outside /usr: beside the executable, even before it exists.
        QVERIFY(!InstallLocations::installed(f));
        QCOMPARE(InstallLocations::iniPath(f), QDir(dir.path()).filePath(QStringLiteral("de.ini")));
        QVERIFY(!QDir(f.config).exists());
        // The running test is a portable program too.
        QCOMPARE(InstallLocations::iniPath(), AppConfig::defaultIniPath());
    }

    void installedCopiesTheDefaultOnce()
    {
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("default.ini")), kDefault);
        const QString exe = QStringLiteral("/usr/lib/tushuguanli-test-nonexistent");
        InstallLocations::Folders f{exe, dir.filePath(QStringLiteral("cfg/tushuguanli")),
                                    dir.filePath(QStringLiteral("data/tushuguanli")), dir.filePath(QStringLiteral("default.ini"))};
        QVERIFY(InstallLocations::installed(f));
        const QString ini = InstallLocations::iniPath(f);
        QCOMPARE(ini, QDir(f.config).filePath(QStringLiteral("de.ini")));
        QVERIFY(QDir(f.data).exists());
        const AppConfig c = AppConfig::read(ini);
        QCOMPARE(c.softname, QStringLiteral("图书管理系统"));
        QCOMPARE(ConnectionSettings::parse(c.csaccess).databaseFile(), QDir(f.data).filePath(QStringLiteral("book.db")));
        QFile copy(ini);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QVERIFY(copy.readAll().contains("; 默认设置\r\nabc=a\r\n"));
        copy.close();

        // The user's changes stay: the default is not copied again.
        write(ini, "[part1]\nsoftname=星光\n");
        QCOMPARE(InstallLocations::iniPath(f), ini);
        QCOMPARE(AppConfig::read(ini).softname, QStringLiteral("星光"));
    }

    void installedWithoutDefault()
    {
        QTemporaryDir dir;
        InstallLocations::Folders f{QStringLiteral("/usr/bin"), dir.filePath(QStringLiteral("cfg")),
                                    dir.filePath(QStringLiteral("data")), dir.filePath(QStringLiteral("missing.ini"))};
        if (QFile::exists(QStringLiteral("/usr/bin/de.ini")))
            QSKIP("a de.ini lies in /usr/bin");
        const QString ini = InstallLocations::iniPath(f);
        QCOMPARE(ini, QDir(f.config).filePath(QStringLiteral("de.ini")));
        QVERIFY(!QFile::exists(ini));
        QCOMPARE(AppConfig::read(ini).abc, QStringLiteral("a")); // the built-in defaults
    }
};

QTEST_GUILESS_MAIN(TestInstallLocations)
#include "tst_install_locations.moc"
