// SPDX-License-Identifier: MIT
// The small shared helpers: pinyin initials, ISBN conversion, quoting, money, GBK.
#include "foundation/Gbk.h"
#include "foundation/Isbn.h"
#include "foundation/Money.h"
#include "foundation/Pinyin.h"
#include "foundation/SqlDialect.h"

#include <QTest>

class TestHelpers : public QObject
{
    Q_OBJECT
private slots:
    void pinyinInitial_data()
    {
        QTest::addColumn<int>("b1");
        QTest::addColumn<int>("b2");
        QTest::addColumn<QString>("letter");
        QTest::newRow("图 0xCDBC") << 0xCD << 0xBC << "T";
        QTest::newRow("first A") << 0xB0 << 0xA1 << "A";
        QTest::newRow("last A") << 0xB0 << 0xC4 << "A";
        QTest::newRow("first B") << 0xB0 << 0xC5 << "B";
        QTest::newRow("last Z") << 0xD7 << 0xF9 << "Z";
        QTest::newRow("level 2 above Z") << 0xD7 << 0xFA << " ";
        QTest::newRow("symbol below A") << 0xA1 << 0xA1 << " ";
        QTest::newRow("ascii ab") << int('a') << int('b') << " ";
    }
    void pinyinInitial()
    {
        QFETCH(int, b1);
        QFETCH(int, b2);
        QFETCH(QString, letter);
        QCOMPARE(QString(PinyinInitial(uchar(b1), uchar(b2))), letter);
    }

    void pinyinOf_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("py");
        QTest::newRow("图书管理") << QStringLiteral("图书管理") << "TSGL";
        // A leading digit shifts every later pair: '1'+CD, BC+CA, E9 dropped.
        QTest::newRow("digit first") << QStringLiteral("1图书") << " J";
        QTest::newRow("ascii pairs") << QStringLiteral("ab") << " ";
        QTest::newRow("odd byte dropped") << QStringLiteral("abc") << " ";
        QTest::newRow("empty") << QString() << "";
        QTest::newRow("untrimmed blanks") << QStringLiteral("中国 ") << "ZG";
    }
    void pinyinOf()
    {
        QFETCH(QString, text);
        QFETCH(QString, py);
        QCOMPARE(PinyinOf(text), py);
    }

    void isbn13To10_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("worked example") << "978-7-5062-0000-1" << "7506200007";
        QTest::newRow("check x (r = 1)") << "9787302000000" << "730200000x";
        QTest::newRow("check 0 (r = 0)") << "978-7-302-00005-1" << "7302000050";
        QTest::newRow("11 digits") << "97875062000" << "";
        QTest::newRow("letter inside") << "978750620A001" << "";
        QTest::newRow("own check ignored") << "9787506200009" << "7506200007";
    }
    void isbn13To10()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(Isbn13To10(input), expected);
    }

    void isbn10To13_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("worked example") << "7-5062-0000-7" << "9787506200004";
        QTest::newRow("x check ignored") << "711100000x" << "9787111000006";
        QTest::newRow("too short") << "7-5062" << "97875062";
        QTest::newRow("non digit") << "75062A000" << "97875062A000";
    }
    void isbn10To13()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(Isbn10To13(input), expected);
    }

    void quoting_data()
    {
        QTest::addColumn<QString>("dialect");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("date");
        QTest::newRow("embedded") << "a" << "\"" << "#";
        QTest::newRow("server") << "s" << "'" << "'";
        QTest::newRow("other") << "x" << "" << "";
    }
    void quoting()
    {
        QFETCH(QString, dialect);
        QFETCH(QString, text);
        QFETCH(QString, date);
        QCOMPARE(SqlDialect(dialect).textQuote(), text);
        QCOMPARE(SqlDialect(dialect).dateQuote(), date);
    }

    void moneyText_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("shortest");
        QTest::addColumn<QString>("twoDecimals");
        QTest::newRow("whole") << "25" << true << "25" << "25.00";
        QTest::newRow("half") << "32.5" << true << "32.5" << "32.50";
        QTest::newRow("small") << "1.50" << true << "1.5" << "1.50";
        QTest::newRow("negative") << "-4" << true << "-4" << "-4.00";
        QTest::newRow("four decimals") << "0.1234" << true << "0.1234" << "0.12";
        QTest::newRow("fifth decimal rounds") << "0.12345" << true << "0.1235" << "0.12";
        QTest::newRow("trailing point") << "7." << true << "7" << "7.00";
        QTest::newRow("two points") << "1.2.3" << false << "0" << "0.00";
        QTest::newRow("letters") << "abc" << false << "0" << "0.00";
        QTest::newRow("empty") << "" << false << "0" << "0.00";
    }
    void moneyText()
    {
        QFETCH(QString, input);
        QFETCH(bool, valid);
        QFETCH(QString, shortest);
        QFETCH(QString, twoDecimals);
        Money m;
        QCOMPARE(Money::parse(input, &m), valid);
        QCOMPARE(Money::fromText(input).toString(), shortest);
        QCOMPARE(Money::fromText(input).toString(2), twoDecimals);
    }

    void moneyArithmeticIsExact()
    {
        // 0.1 added ten times is exactly 1, where doubles drift.
        Money sum;
        for (int i = 0; i < 10; ++i)
            sum += Money::fromText("0.1");
        QCOMPARE(sum, Money::fromYuan(1));
        QCOMPARE((Money::fromText("0.1") * 45).toString(), QStringLiteral("4.5"));
        QCOMPARE(Money::fromVariant(QVariant(2.3)).toString(), QStringLiteral("2.3"));
        QCOMPARE(Money::fromVariant(QVariant(QStringLiteral("19.9900"))).toString(), QStringLiteral("19.99"));
        QCOMPARE(Money::fromVariant(QVariant()).toString(), QStringLiteral("0"));
    }

    void gbkRoundTrip()
    {
        const QString text = QStringLiteral("图书管理 ABC 123");
        const QByteArray bytes = Gbk::encode(text);
        QCOMPARE(bytes.left(2), QByteArray("\xCD\xBC"));
        QCOMPARE(bytes.size(), 8 + 8);
        QCOMPARE(Gbk::decode(bytes), text);
        // A character GBK lacks becomes "?" and the rest survives.
        QCOMPARE(Gbk::encode(QStringLiteral("书😀本")), Gbk::encode(QStringLiteral("书?本")));
        QVERIFY(Gbk::isUtf8(text.toUtf8()));
        QVERIFY(!Gbk::isUtf8(bytes));
    }
};

QTEST_GUILESS_MAIN(TestHelpers)
#include "tst_helpers.moc"
