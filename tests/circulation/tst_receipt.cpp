// SPDX-License-Identifier: MIT
// The receipt printer: the exact bytes of a lending receipt and of the test print,
// the port names, and lending that a printer fault never stops or holds up.
#include "CirculationFixtures.h"
#include "TestDatabase.h"
#include "circulation/LendingDesk.h"
#include "circulation/Receipt.h"
#include "circulation/ReceiptPrinter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace Fixture;

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}
const QByteArray kCrLf("\r\n");
const QByteArray kFeed = hex("0b1b4a8c") + kCrLf;

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}
} // namespace

class TestReceipt : public QObject
{
    Q_OBJECT

private slots:
    void init() { DayClock::setToday(day()); }
    void cleanup() { DayClock::setToday(QDate()); }

    // Three Chinese titles lent with "借出后打印": eight lines, GBK, CR LF, feed bytes.
    void lendingReceiptBytes_data() { TestDatabase::addEngines(); }
    void lendingReceiptBytes()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        reader(db, QStringLiteral("R1"));
        item(db, QStringLiteral("B1"), QStringLiteral("名称=红楼梦"));
        item(db, QStringLiteral("B2"), QStringLiteral("名称=三国演义"));
        item(db, QStringLiteral("期刊:Q1"), QStringLiteral("名称=水浒传"));
        QTemporaryDir dir;
        LoginSession s = session();
        s.config.posPort = dir.filePath(QStringLiteral("pos.prn"));
        LendingDesk desk(db, s);
        desk.lookUpReader(QStringLiteral("R1"));
        desk.admit(desk.findItems(ItemTable::Book, ItemKey::Number, QStringLiteral("B1")).rows.value(0));
        desk.admit(desk.findItems(ItemTable::Book, ItemKey::Number, QStringLiteral("B2")).rows.value(0));
        desk.admit(desk.findItems(ItemTable::Periodical, ItemKey::Number, QStringLiteral("Q1")).rows.value(0));
        QVERIFY(desk.lend(true).ok);
        QVERIFY(ReceiptPrinter::waitForIdle(5000));

        const QByteArray bytes = readFile(s.config.posPort);
        // The time of day is the clock's; take it from the receipt and check its form.
        const QByteArray timeLabel = hex("b4f2d3a1cab1bce4") + ':';
        const int at = bytes.indexOf(timeLabel);
        QVERIFY2(at > 0, bytes.toHex().constData());
        const QByteArray time = bytes.mid(at + timeLabel.size(), 17);
        QVERIFY2(QRegularExpression(QStringLiteral("^24-03-15 \\d\\d:\\d\\d:\\d\\d$")).match(QString::fromLatin1(time)).hasMatch(),
                 time.constData());

        const QByteArray expected = QByteArray(" ") + kCrLf                  // a single blank
                                    + hex("cdbccae9b9dd") + kCrLf            // 图书馆
                                    + "1:" + hex("baecc2a5c3ce") + kCrLf     // 1:红楼梦
                                    + "2:" + hex("c8fdb9fad1ddd2e5") + kCrLf // 2:三国演义
                                    + "3:" + hex("cbaee4b0b4ab") + kCrLf     // 3:水浒传
                                    + timeLabel + time + kCrLf               // 打印时间:yy-MM-dd hh:mm:ss
                                    + hex("b9dcc0edd4b1") + ": " + hex("b9dcc0edd4b1bcd7") + kCrLf // 管理员: 管理员甲
                                    + kFeed;
        QCOMPARE(bytes.toHex(' '), expected.toHex(' '));
        QCOMPARE(bytes.count(kCrLf), 8);
    }

    void testReceiptBytes()
    {
        const QByteArray bytes = Receipt::test(QStringLiteral("图书管理系统"), QStringLiteral("管理员甲"),
                                               QDateTime(QDate(2008, 5, 1), QTime(14, 3, 9)),
                                               QStringLiteral("打印测试内容ABCD"));
        const QByteArray expected = QByteArray(" ") + kCrLf
                                    + " [" + hex("b4f2d3a1bfaacabc") + "]" + kCrLf       //  [打印开始]
                                    + "[ " + hex("cdbccae9b9dcc0edcfb5cdb3") + " ]" + kCrLf // [ 图书管理系统 ]
                                    + hex("b9dcc0edd4b1") + ": " + hex("b9dcc0edd4b1bcd7") + kCrLf
                                    + hex("b4f2d3a1cab1bce4") + ":08-05-01 14:03:09" + kCrLf
                                    + hex("b4f2d3a1b2e2cad4c4dac8dd41424344") + kCrLf   // 打印测试内容ABCD
                                    + "    " + hex("b4f2d3a1bde1caf82db4f2d3a1b3c9b9a6") + " " + kCrLf
                                    + kFeed;
        QCOMPARE(bytes.toHex(' '), expected.toHex(' '));
    }

    void titleBytes_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("lineBytes");
        QTest::newRow("ten Chinese characters") << QStringLiteral("中华人民共和国史纲要") << 2 + 20 + 2;
        QTest::newRow("ASCII") << QStringLiteral("C++ Primer") << 2 + 10 + 2;
        QTest::newRow("not in GBK") << QStringLiteral("😀书") << 2 + 1 + 2 + 2;
    }
    void titleBytes()
    {
        QFETCH(QString, title);
        QFETCH(int, lineBytes);
        const QDateTime at(QDate(2024, 1, 2), QTime(3, 4, 5));
        const int empty = int(Receipt::lending(QStringLiteral("馆"), {}, at, QStringLiteral("甲")).size());
        QCOMPARE(int(Receipt::lending(QStringLiteral("馆"), {title}, at, QStringLiteral("甲")).size()) - empty, lineBytes);
    }

    void portNames_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("path");
        const QString lp0 = QFile::exists(QStringLiteral("/dev/usb/lp0")) ? QStringLiteral("/dev/usb/lp0") : QStringLiteral("/dev/lp0");
        const QString lp2 = QFile::exists(QStringLiteral("/dev/usb/lp2")) ? QStringLiteral("/dev/usb/lp2") : QStringLiteral("/dev/lp2");
        QTest::newRow("LPT1") << "LPT1" << lp0;
        QTest::newRow("LPT3") << "LPT3" << lp2;
        QTest::newRow("lower case") << "lpt1" << lp0;
        QTest::newRow("COM1") << "COM1" << "/dev/ttyS0";
        QTest::newRow("COM9") << "COM9" << "/dev/ttyS8";
        QTest::newRow("typed path") << "/tmp/小票.prn" << "/tmp/小票.prn";
        QTest::newRow("relative name") << "pos.txt" << "pos.txt";
        QTest::newRow("LPT0 is a name") << "LPT0" << "LPT0";
        QTest::newRow("blank after the name") << "COM1 " << "COM1 ";
    }
    void portNames()
    {
        QFETCH(QString, port);
        QFETCH(QString, path);
        QCOMPARE(ReceiptPrinter::devicePath(port), path);
    }

    void untickedPrintsNothing_data() { TestDatabase::addEngines(); }
    void untickedPrintsNothing()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        reader(db, QStringLiteral("R1"));
        item(db, QStringLiteral("B1"));
        QTemporaryDir dir;
        LoginSession s = session();
        s.config.posPort = dir.filePath(QStringLiteral("pos.prn"));
        s.config.jieChuHouDaYin = QStringLiteral("1");
        LendingDesk desk(db, s);
        desk.lookUpReader(QStringLiteral("R1"));
        desk.admit(desk.findItems(ItemTable::Book, ItemKey::Number, QStringLiteral("B1")).rows.value(0));
        QVERIFY(desk.lend(false).ok);
        QVERIFY(ReceiptPrinter::waitForIdle(5000));
        QVERIFY(!QFile::exists(s.config.posPort));
    }

    // A port that cannot be opened, or a device that would make a writer wait for ever
    // (a pipe nobody reads), neither stops nor holds up lending.
    void printerFaultNeverBlocksLending_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("port");
        for (const QString &e : engines()) {
            QTest::newRow(qPrintable(e + QStringLiteral("/missing folder"))) << e << "missing/folder/pos.prn";
            QTest::newRow(qPrintable(e + QStringLiteral("/pipe without reader"))) << e << "fifo";
            QTest::newRow(qPrintable(e + QStringLiteral("/absent device"))) << e << "COM9";
        }
    }
    void printerFaultNeverBlocksLending()
    {
        QFETCH(QString, engine);
        QFETCH(QString, port);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        reader(db, QStringLiteral("R1"));
        item(db, QStringLiteral("B1"));
        QTemporaryDir dir;
        LoginSession s = session();
        s.config.posPort = dir.filePath(port);
        if (port == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(s.config.posPort).constData(), 0600), 0);
        else if (port.startsWith(QLatin1String("COM"))) {
            if (QFile::exists(ReceiptPrinter::devicePath(port)))
                QSKIP("this machine has the serial port");
            s.config.posPort = port;
        }
        LendingDesk desk(db, s);
        desk.lookUpReader(QStringLiteral("R1"));
        desk.admit(desk.findItems(ItemTable::Book, ItemKey::Number, QStringLiteral("B1")).rows.value(0));
        QElapsedTimer timer;
        timer.start();
        const LendingDesk::LendResult r = desk.lend(true);
        QVERIFY(timer.elapsed() < 2000);
        QVERIFY(r.ok);
        QCOMPARE(r.message, QStringLiteral("借阅完毕!"));
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 借出记录")).toInt(), 1);
        QVERIFY(ReceiptPrinter::waitForIdle(5000));
        // The test print reports such a port.
        QString error;
        QVERIFY(!ReceiptPrinter::sendAndWait(s.config.posPort, Receipt::line(QStringLiteral("x")), 3000, &error));
        QVERIFY(!error.isEmpty());
    }

    void typedPathWrittenAsFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("小票.prn"));
        QVERIFY(ReceiptPrinter::sendAndWait(path, QByteArray("one"), 3000));
        QVERIFY(ReceiptPrinter::sendAndWait(path, QByteArray("two"), 3000));
        QCOMPARE(readFile(path), QByteArray("two"));
    }
};

QTEST_GUILESS_MAIN(TestReceipt)
#include "tst_receipt.moc"
