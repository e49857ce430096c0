// SPDX-License-Identifier: MIT
// The network lookup by ISBN: the extraction from saved catalogue pages, the request a
// local server receives, a server that never answers, and the price written back.
#include "OpacTestServer.h"
#include "catalogue/CatalogueLookup.h"
#include "foundation/Gbk.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

class TestCatalogueLookup : public QObject
{
    Q_OBJECT
private slots:
    void parseSavedPages_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("author");
        QTest::addColumn<QString>("classNumber");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("publisher");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("pages");
        QTest::addColumn<QString>("summary");
        QTest::newRow("found") << "found.html" << true << "数据结构" << "严蔚敏,吴伟民编著" << "TP311.12" << "北京"
                               << "清华大学出版社" << "1997" << "25.00" << "334"
                               << "本书系统地介绍了各种数据结构, 并用C语言描述了算法.";
        // Without "[专著]" the title is empty; the author is after the first "/".
        QTest::newRow("no [专著]") << "no-monograph.html" << true << "" << "谢希仁编著" << "TP393" << "北京"
                                   << "电子工业出版社" << "2008" << "32.50" << "380" << "本书讲述计算机网络的体系结构.";
        // No point: the first two characters of the amount.
        QTest::newRow("price without point") << "price-no-point.html" << true << "红楼梦" << "曹雪芹著" << "I242.47"
                                             << "北京" << "人民文学出版社" << "1982" << "58" << "1606"
                                             << "中国古典长篇小说.";
        // Blanks go from a Latin title and author as from any other.
        QTest::newRow("latin title") << "latin.html" << true << "Datastructuresandalgorithms" << "AlfredV.Aho"
                                     << "TP311.12" << "Reading" << "Addison-Wesley" << "1983" << "120.00" << "427"
                                     << "A classic text on data structures.";
    }
    void parseSavedPages()
    {
        QFETCH(QString, file);
        QFETCH(bool, found);
        const OpacRecord r = OpacRecord::parse(OpacRecord::toGbk(OpacTestServer::fixture(file)));
        QCOMPARE(r.found, found);
        QTEST(r.title, "title");
        QTEST(r.author, "author");
        QTEST(r.classNumber, "classNumber");
        QTEST(r.place, "place");
        QTEST(r.publisher, "publisher");
        QTEST(r.year, "year");
        QTEST(r.price, "price");
        QTEST(r.pages, "pages");
        QTEST(r.summary, "summary");
    }

    void notFoundPages_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("catalogue's empty result") << OpacTestServer::fixture(QStringLiteral("notfound.html"));
        QTest::newRow("no answer") << QByteArray();
        QTest::newRow("title far beyond the window")
            << QByteArray("题名与责任" + QByteArray(3000, ' ') + "service_type=TAG\");>书[专著]/人</A>");
    }
    void notFoundPages()
    {
        QFETCH(QByteArray, page);
        const OpacRecord r = OpacRecord::parse(OpacRecord::toGbk(page));
        QVERIFY(!r.found);
        QCOMPARE(r.title, QStringLiteral("没有找到名称!"));
        QCOMPARE(OpacRecord::notFoundMessage(QStringLiteral("9787000000000")),
                 QStringLiteral("9787000000000 查不到,请检查条码是否正确,或网络是否通畅!"));
    }

    // Positions count GBK bytes: a character GBK lacks is one byte "?", so the fields
    // after it still line up.
    void characterOutsideGbk()
    {
        QByteArray page = OpacTestServer::fixture(QStringLiteral("found.html"));
        page.replace("数据结构 [专著]", "数据😀结构 [专著]");
        const OpacRecord r = OpacRecord::parse(OpacRecord::toGbk(page));
        QCOMPARE(r.title, QStringLiteral("数据?结构"));
        QCOMPARE(r.author, QStringLiteral("严蔚敏,吴伟民编著"));
        QCOMPARE(r.publisher, QStringLiteral("清华大学出版社"));
    }

    void priceBox_data()
    {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("box");
        QTest::newRow("25.00") << "25.00" << "0" << "25";
        QTest::newRow("32.50") << "32.50" << "0" << "32.5";
        QTest::newRow("58") << "58" << "0" << "58";
        QTest::newRow("not a number") << "价格" << "12" << "12";
        QTest::newRow("empty") << "" << "7" << "7";
    }
    void priceBox()
    {
        QFETCH(QString, price);
        QFETCH(QString, current);
        QTEST(OpacRecord::priceBoxText(price, current), "box");
    }

    void searchUrl()
    {
        QCOMPARE(CatalogueLookup::searchUrl(QStringLiteral("http://opac.example.org/F"), QStringLiteral("9787302023685")),
                 QStringLiteral("http://opac.example.org/F?func=find-b&find_code=ISB&request=9787302023685&local_base=NLC01"));
        // A typed "&" or "#" stays inside the ISBN value.
        QCOMPARE(CatalogueLookup::searchUrl(QStringLiteral("http://h/F"), QStringLiteral("97&x=1#")),
                 QStringLiteral("http://h/F?func=find-b&find_code=ISB&request=97%26x%3D1%23&local_base=NLC01"));
    }

    void baseUrlFromIni()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("de.ini"));
        QCOMPARE(CatalogueLookup::configuredBaseUrl(path), QString());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[part1]\r\nabc=a\r\nOpacUrl= http://opac.example.org/F \r\n");
        f.close();
        QCOMPARE(CatalogueLookup::configuredBaseUrl(path), QStringLiteral("http://opac.example.org/F"));
    }

    // The lookup over HTTP: the request's form, user agent and no-cache, and the page
    // parsed as when read from the file.
    void overHttp_data()
    {
        QTest::addColumn<QString>("isbn");
        QTest::addColumn<QString>("file");
        QTest::newRow("found") << "9787302023685" << "found.html";
        QTest::newRow("latin") << "9780201000238" << "latin.html";
        QTest::newRow("not held") << "9787000000000" << "notfound.html";
    }
    void overHttp()
    {
        QFETCH(QString, isbn);
        QFETCH(QString, file);
        OpacTestServer server;
        CatalogueLookup lookup(server.baseUrl());
        const OpacRecord r = lookup.lookUpNow(isbn);
        const OpacRecord expected = OpacRecord::parse(OpacRecord::toGbk(OpacTestServer::fixture(file)));
        QCOMPARE(r.found, expected.found);
        QCOMPARE(r.title, expected.title);
        QCOMPARE(r.author, expected.author);
        QCOMPARE(r.summary, expected.summary);
        QCOMPARE(server.requests.size(), 1);
        const OpacTestServer::Request &q = server.requests.first();
        QCOMPARE(q.target, "/F?func=find-b&find_code=ISB&request=" + isbn.toLatin1() + "&local_base=NLC01");
        QCOMPARE(q.userAgent, QByteArray("Internet Explorer 6.0"));
        QCOMPARE(q.cacheControl, QByteArray("no-cache"));
        QCOMPARE(q.pragma, QByteArray("no-cache"));
    }

    // A server that accepts and never answers ends within the time limit, as not found.
    void silentServerTimesOut()
    {
        OpacTestServer server;
        CatalogueLookup lookup(server.baseUrl());
        lookup.setTimeout(800);
        QElapsedTimer clock;
        clock.start();
        const OpacRecord r = lookup.lookUpNow(QStringLiteral("9999999999999"));
        QVERIFY(!r.found);
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(clock.elapsed() >= 700);
        QCOMPARE(server.requests.size(), 1);
    }

    void startPage()
    {
        OpacTestServer server;
        CatalogueLookup lookup(server.baseUrl());
        bool arrived = false, ok = false;
        connect(&lookup, &CatalogueLookup::startPageArrived, this, [&](bool good) {
            arrived = true;
            ok = good;
        });
        lookup.connectToServer();
        QTRY_VERIFY(arrived);
        QVERIFY(ok);
        QCOMPARE(server.requests.value(0).target, QByteArray("/F"));

        // Nobody listening: the start page fails.
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        const quint16 port = closed.serverPort();
        closed.close();
        CatalogueLookup nowhere(QStringLiteral("http://127.0.0.1:%1/F").arg(port));
        arrived = false;
        connect(&nowhere, &CatalogueLookup::startPageArrived, this, [&](bool good) {
            arrived = true;
            ok = good;
        });
        nowhere.connectToServer();
        QTRY_VERIFY(arrived);
        QVERIFY(!ok);
    }
};

QTEST_GUILESS_MAIN(TestCatalogueLookup)
#include "tst_catalogue_lookup.moc"
