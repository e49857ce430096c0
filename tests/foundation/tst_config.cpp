// SPDX-License-Identifier: MIT
// de.ini: defaults, the connection-string choice, encodings, and writing that keeps the rest.
#include "foundation/AppConfig.h"
#include "foundation/ConnectionSettings.h"
#include "foundation/Gbk.h"
#include "foundation/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestConfig : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString writeIni(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("de.ini"));
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
        return path;
    }

private slots:
    void missingFileGivesDefaults()
    {
        const AppConfig c = AppConfig::read(m_dir.filePath(QStringLiteral("none.ini")));
        QCOMPARE(c.abc, QStringLiteral("a"));
        QCOMPARE(c.posPort, QStringLiteral("LPT1"));
        for (const QString &v : {c.csaccess, c.cs, c.softname, c.tel, c.company, c.web, c.memo, c.winA,
                                 c.remindYN, c.bcCc, c.jieChuHouDaYin, c.serverName, c.passWord})
            QCOMPARE(v, QStringLiteral("0"));
        QCOMPARE(c.connectionString(), QStringLiteral("0"));
    }

    void connectionChoice_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("dialect");
        const QByteArray both = "csaccess=Provider=SQLite;Data Source=book.db;\ncs=Provider=PostgreSQL;Data Source=h;\n";
        QTest::newRow("abc missing") << QByteArray("[part1]\n" + both) << "Provider=SQLite;Data Source=book.db;" << "a";
        QTest::newRow("abc a") << QByteArray("[part1]\nabc=a\n" + both) << "Provider=SQLite;Data Source=book.db;" << "a";
        QTest::newRow("abc s") << QByteArray("[part1]\nabc=s\n" + both) << "Provider=PostgreSQL;Data Source=h;" << "s";
        QTest::newRow("abc s, cs missing") << QByteArray("[part1]\nabc=s\n") << "0" << "s";
        QTest::newRow("abc x") << QByteArray("[part1]\nabc=x\n" + both) << "Provider=SQLite;Data Source=book.db;" << "x";
    }
    void connectionChoice()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, expected);
        QFETCH(QString, dialect);
        const AppConfig c = AppConfig::read(writeIni(ini));
        QCOMPARE(c.connectionString(), expected);
        QCOMPARE(c.abc, dialect);
    }

    void posPort_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("port");
        QTest::newRow("zero") << QByteArray("[PosPrt]\nPosPort=0\n") << "LPT1";
        QTest::newRow("missing") << QByteArray("[PosPrt]\n") << "LPT1";
        QTest::newRow("COM3") << QByteArray("[PosPrt]\nPosPort=COM3\n") << "COM3";
        QTest::newRow("empty stays empty") << QByteArray("[PosPrt]\nPosPort=\n") << "";
    }
    void posPort()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, port);
        QCOMPARE(AppConfig::read(writeIni(ini)).posPort, port);
    }

    void readsGbkAndUtf8()
    {
        const QString title = QStringLiteral("星光图书馆");
        QCOMPARE(AppConfig::read(writeIni("[part1]\r\nsoftname=" + Gbk::encode(title) + "\r\n")).softname, title);
        QCOMPARE(AppConfig::read(writeIni("\xEF\xBB\xBF[part1]\nsoftname=" + title.toUtf8() + "\n")).softname, title);
    }

    void writeKeepsOtherLines()
    {
        const QByteArray original = "; workstation settings\r\n[part1]\r\nsoftname=" + Gbk::encode(QStringLiteral("图书")) +
            "\r\nRemindYN=0\r\n\r\n[PosPrt]\r\nPosPort=COM2\r\n";
        const QString path = writeIni(original);
        IniFile ini(path);
        QVERIFY(ini.write(QStringLiteral("part1"), QStringLiteral("RemindYN"), QStringLiteral("1")));
        QVERIFY(ini.write(QStringLiteral("PosPrt"), QStringLiteral("JieChuHouDaYin"), QStringLiteral("1")));
        QVERIFY(ini.write(QStringLiteral("extra"), QStringLiteral("k"), QStringLiteral("值")));
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        // Still GBK, comment and order kept, the new key at the end of its section.
        QVERIFY(bytes.startsWith("; workstation settings\r\n[part1]\r\nsoftname=\xCD\xBC\xCA\xE9\r\nRemindYN=1\r\n"));
        QVERIFY(bytes.contains("[PosPrt]\r\nPosPort=COM2\r\nJieChuHouDaYin=1\r\n"));
        QVERIFY(bytes.endsWith("[extra]\r\nk=" + Gbk::encode(QStringLiteral("值")) + "\r\n"));
        const AppConfig c = AppConfig::read(path);
        QCOMPARE(c.softname, QStringLiteral("图书"));
        QCOMPARE(c.jieChuHouDaYin, QStringLiteral("1"));
    }

    void connectionStrings()
    {
        const ConnectionSettings server = ConnectionSettings::parse(
            ConnectionSettings::serverString(QStringLiteral("pw"), QStringLiteral("lib"), QStringLiteral("book"),
                                             QStringLiteral("db.local:5433")));
        QCOMPARE(server.text(), QStringLiteral("Provider=PostgreSQL;Password=pw;Persist Security Info=True;"
                                               "User ID=lib;Initial Catalog=book;Data Source=db.local:5433;"));
        QCOMPARE(server.engine(), ConnectionSettings::Engine::PostgreSQL);
        QCOMPARE(server.host(), QStringLiteral("db.local"));
        QCOMPARE(server.port(), 5433);
        QVERIFY(!server.maskedText().contains(QStringLiteral("pw;")));
        const ConnectionSettings embedded = ConnectionSettings::parse(ConnectionSettings::embeddedDefault());
        QCOMPARE(embedded.engine(), ConnectionSettings::Engine::SQLite);
        QVERIFY(embedded.databaseFile().endsWith(QStringLiteral("/book.db")));
        QCOMPARE(ConnectionSettings::parse(QStringLiteral("0")).engine(), ConnectionSettings::Engine::Unknown);
    }
};

QTEST_GUILESS_MAIN(TestConfig)
#include "tst_config.moc"
