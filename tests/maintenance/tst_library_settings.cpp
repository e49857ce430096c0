// SPDX-License-Identifier: MIT
// The library settings: the row of 系统设置 round trip, the radio groups written with at
// most one true column each, the required 开户费, and the two ini switches written with
// the file's other lines kept.
#include "TestDatabase.h"
#include "foundation/IniFile.h"
#include "foundation/Money.h"
#include "foundation/SqlValues.h"
#include "maintenance/LibrarySettings.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {
using Row = LibrarySettingsRow;
const QStringList kRadioColumns{QStringLiteral("归还焦点条形码"), QStringLiteral("归还焦点图书编号"),
                                QStringLiteral("归还焦点读者编号"), QStringLiteral("借阅焦点编号"),
                                QStringLiteral("借阅焦点条形码")};

QString radioState(const SharedConnection &db)
{
    QSqlQuery q = db.exec(QStringLiteral("select * from 系统设置"));
    q.next();
    QString s;
    for (const QString &c : kRadioColumns)
        s += SqlValues::toBool(q.value(c)) ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

void setRadios(const SharedConnection &db, const QString &bits)
{
    for (int i = 0; i < kRadioColumns.size(); ++i)
        db.exec(QStringLiteral("update 系统设置 set %1=?").arg(kRadioColumns[i]), {bits[i] == QLatin1Char('1')});
}

QString writeIni(const QTemporaryDir &dir, const QByteArray &text)
{
    const QString path = dir.filePath(QStringLiteral("de.ini"));
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(text);
    return path;
}
} // namespace

class TestLibrarySettings : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data() { TestDatabase::addEngines(); }
    void roundTrip()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        QTemporaryDir dir;
        IniFile ini(writeIni(dir, "[part1]\r\nsoftname=星光\r\n"));
        Row r = LibrarySettings::load(t.db());
        QCOMPARE(r.图书馆名, QStringLiteral("图书馆"));
        QCOMPARE(r.超期每日罚金, QStringLiteral("0.1"));
        QCOMPARE(r.开户费, QStringLiteral("0"));
        QCOMPARE(r.returnFocus, Row::ReturnFocus::BookNumber);
        QCOMPARE(r.lendFocus, Row::LendFocus::Number);
        QCOMPARE(r.switches.value(QStringLiteral("启用预定功能")), true);
        QCOMPARE(r.switches.value(QStringLiteral("显示班级")), false);

        r.图书馆名 = QStringLiteral("星光\"图书'馆");
        r.地址 = QStringLiteral("北京路 1 号");
        r.超期每日罚金 = QStringLiteral("0.1234");
        r.押金倍数 = QStringLiteral("1.5");
        r.开户费 = QStringLiteral("12.5");
        r.returnFocus = Row::ReturnFocus::ReaderNumber;
        r.lendFocus = Row::LendFocus::Barcode;
        r.switches[QStringLiteral("显示班级")] = true;
        r.switches[QStringLiteral("启用预定功能")] = false;
        r.借阅证背面文字 = QStringLiteral("第一行\n第二行");
        r.WebNotice = QStringLiteral("<b>公告</b>");
        r.a1 = QStringLiteral("  保密  ");
        r.a2 = QStringLiteral("语种");
        const LibrarySettings::SaveResult saved = LibrarySettings::save(t.db(), r, ini, true, false);
        QVERIFY2(saved.ok, qPrintable(saved.message));
        QCOMPARE(saved.message, QStringLiteral("新的设置重启软件后生效!"));

        const Row back = LibrarySettings::load(t.db());
        QCOMPARE(back.图书馆名, r.图书馆名);
        QCOMPARE(back.地址, r.地址);
        QCOMPARE(back.超期每日罚金, QStringLiteral("0.1234"));
        QCOMPARE(back.押金倍数, QStringLiteral("1.5"));
        QCOMPARE(back.开户费, QStringLiteral("12.5"));
        QCOMPARE(back.returnFocus, Row::ReturnFocus::ReaderNumber);
        QCOMPARE(back.lendFocus, Row::LendFocus::Barcode);
        QCOMPARE(back.switches, r.switches);
        QCOMPARE(back.借阅证背面文字, r.借阅证背面文字);
        QCOMPARE(back.WebNotice, r.WebNotice);
        QCOMPARE(back.a1, QStringLiteral("保密"));
        QCOMPARE(back.a2, QStringLiteral("语种"));
        QCOMPARE(radioState(t.db()), QStringLiteral("00101"));
        // Money exactly, as the counter reads it.
        QCOMPARE(Money::fromVariant(t.db().scalar(QStringLiteral("select 超期每日罚金 from 系统设置"))).units(),
                 qint64(1234));
        QCOMPARE(IniFile(ini.path()).read(QStringLiteral("part1"), QStringLiteral("BcCc"), QString()),
                 QStringLiteral("1"));
        QCOMPARE(IniFile(ini.path()).read(QStringLiteral("part1"), QStringLiteral("RemindYN"), QString()),
                 QStringLiteral("0"));
    }

    // Whatever the columns held, saving leaves at most one true column per group: the
    // one of the checked button, the last true one in reading order.
    void radioGroups_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("before"); // 归还条形码 归还图书编号 归还读者编号 借阅编号 借阅条形码
        QTest::addColumn<QString>("after");
        const QList<QPair<const char *, const char *>> cases{
            {"00000", "00000"}, // none true stays none
            {"11111", "00101"}, // all true: the last of each group
            {"11010", "01010"}, {"10001", "10001"}, {"01100", "00100"}, {"10000", "10000"},
        };
        for (const char *engine : {"sqlite", "postgresql"})
            for (const auto &c : cases)
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(engine, c.first)))
                    << QString::fromLatin1(engine) << QString::fromLatin1(c.first) << QString::fromLatin1(c.second);
    }
    void radioGroups()
    {
        QFETCH(QString, engine);
        QFETCH(QString, before);
        QFETCH(QString, after);
        OPEN_TEST_DATABASE(t, engine);
        QTemporaryDir dir;
        IniFile ini(dir.filePath(QStringLiteral("de.ini")));
        setRadios(t.db(), before);
        const LibrarySettings::SaveResult saved =
            LibrarySettings::save(t.db(), LibrarySettings::load(t.db()), ini, false, false);
        QVERIFY2(saved.ok, qPrintable(saved.message));
        QCOMPARE(radioState(t.db()), after);
    }

    // A refused save writes neither the row nor the ini.
    void refusals_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("fee");
        QTest::addColumn<QString>("fine");
        QTest::addColumn<QString>("deposit");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("field");
        for (const char *e : {"sqlite", "postgresql"}) {
            const QString engine = QString::fromLatin1(e);
            QTest::newRow(qPrintable(engine + QStringLiteral(" fee empty")))
                << engine << QString() << QStringLiteral("1") << QStringLiteral("1")
                << QStringLiteral("开户费必须填写, \" 0 \" 代表不收取.") << QStringLiteral("开户费");
            QTest::newRow(qPrintable(engine + QStringLiteral(" fee text")))
                << engine << QStringLiteral("五元") << QStringLiteral("1") << QStringLiteral("1")
                << QStringLiteral("开户费必须是数字!") << QStringLiteral("开户费");
            QTest::newRow(qPrintable(engine + QStringLiteral(" fine two points")))
                << engine << QStringLiteral("0") << QStringLiteral("0.1.2") << QStringLiteral("1")
                << QStringLiteral("超期日罚金必须是数字!") << QStringLiteral("超期每日罚金");
            QTest::newRow(qPrintable(engine + QStringLiteral(" deposit text")))
                << engine << QStringLiteral("0") << QStringLiteral("1") << QStringLiteral("x")
                << QStringLiteral("押金倍数必须是数字!") << QStringLiteral("押金倍数");
        }
    }
    void refusals()
    {
        QFETCH(QString, engine);
        QFETCH(QString, fee);
        QFETCH(QString, fine);
        QFETCH(QString, deposit);
        QFETCH(QString, message);
        QFETCH(QString, field);
        OPEN_TEST_DATABASE(t, engine);
        QTemporaryDir dir;
        const QString path = writeIni(dir, "[part1]\nBcCc=0\n");
        IniFile ini(path);
        Row r = LibrarySettings::load(t.db());
        r.图书馆名 = QStringLiteral("改过的");
        r.开户费 = fee;
        r.超期每日罚金 = fine;
        r.押金倍数 = deposit;
        const LibrarySettings::SaveResult saved = LibrarySettings::save(t.db(), r, ini, true, true);
        QVERIFY(!saved.ok);
        QCOMPARE(saved.message, message);
        QCOMPARE(saved.field, field);
        QCOMPARE(LibrarySettings::load(t.db()).图书馆名, QStringLiteral("图书馆"));
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        QCOMPARE(f.readAll(), QByteArray("[part1]\nBcCc=0\n"));
    }

    // An empty a1 becomes "密级"; empty a2, a3 and money boxes other than 开户费 are Null.
    void emptyBoxes_data() { TestDatabase::addEngines(); }
    void emptyBoxes()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        QTemporaryDir dir;
        IniFile ini(dir.filePath(QStringLiteral("de.ini")));
        Row r = LibrarySettings::load(t.db());
        r.a1 = QStringLiteral("   ");
        r.a2 = QString();
        r.超期每日罚金 = QString();
        r.押金倍数 = QString();
        QVERIFY(LibrarySettings::save(t.db(), r, ini, false, false).ok);
        QSqlQuery q = t.db().exec(QStringLiteral("select a1, a2, 超期每日罚金, 押金倍数 from 系统设置"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("密级"));
        QVERIFY(q.value(1).isNull());
        QVERIFY(q.value(2).isNull());
        QVERIFY(q.value(3).isNull());
    }

    // The two keys are written into an existing file that keeps its comments, its other
    // keys and sections, and its order.
    void iniKeysKeepOtherLines()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        QVERIFY(t.ok());
        QTemporaryDir dir;
        const QString path = writeIni(dir, "; 本机设置\r\n[part1]\r\nabc=a\r\nRemindYN=0\r\nsoftname=星光\r\n"
                                           "[PosPrt]\r\nPosPort=COM3\r\n");
        IniFile ini(path);
        QVERIFY(LibrarySettings::save(t.db(), LibrarySettings::load(t.db()), ini, true, true).ok);
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const QString text = QString::fromUtf8(f.readAll());
        QVERIFY2(text.startsWith(QStringLiteral("; 本机设置\r\n[part1]\r\nabc=a\r\nRemindYN=1\r\nsoftname=星光\r\n")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("BcCc=1")));
        QVERIFY(text.contains(QStringLiteral("[PosPrt]\r\nPosPort=COM3")));
        QCOMPARE(text.indexOf(QStringLiteral("BcCc=1")) < text.indexOf(QStringLiteral("[PosPrt]")), true);
    }
};

QTEST_GUILESS_MAIN(TestLibrarySettings)
#include "tst_library_settings.moc"
