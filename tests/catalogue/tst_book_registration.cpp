// SPDX-License-Identifier: MIT
// Book registration without its window: call numbers and 种次号, automatic numbers,
// the publisher from the barcode, the save rules and the insert with its uniqueness test.
#include "CatalogueFixtures.h"
#include "TestDatabase.h"
#include "catalogue/AutoNumber.h"
#include "catalogue/BookRegistration.h"
#include "catalogue/CallNumber.h"
#include "catalogue/PublisherLookup.h"
#include "foundation/DayClock.h"
#include "foundation/Money.h"
#include "foundation/SqlValues.h"

#include <QTest>

using namespace CatalogueFixtures;

namespace {
const QString kBooks = QStringLiteral("图书");

BookEntry minimalEntry(const QString &number)
{
    BookEntry e = BookEntry::defaults();
    e.setValue(QStringLiteral("编号"), number);
    e.setValue(QStringLiteral("名称"), QStringLiteral("数据库"));
    e.setValue(QStringLiteral("py"), BookRegistration::pinyin(QStringLiteral("数据库")));
    return e;
}
} // namespace

class TestBookRegistration : public QObject
{
    Q_OBJECT
private slots:
    void init() { DayClock::setToday(QDate(2024, 12, 8)); }
    void cleanup() { DayClock::setToday(QDate()); }

    void callNumber_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QVariantList>("stored"); // zch values stored in class TP311
        QTest::addColumn<QString>("expected");
        for (const char *engine : {"sqlite", "postgresql"}) {
            QTest::addRow("%s empty class", engine) << engine << QVariantList{} << "TP311/1";
            QTest::addRow("%s 1 2 7", engine) << engine << QVariantList{1, 7, 2} << "TP311/8";
            // Null zch sorts last on PostgreSQL: the largest number must still win.
            QTest::addRow("%s null among them", engine) << engine << QVariantList{3, QVariant()} << "TP311/4";
            QTest::addRow("%s only null", engine) << engine << QVariantList{QVariant()} << "TP311/1";
            QTest::addRow("%s stored 0", engine) << engine << QVariantList{0} << "TP311/1";
            QTest::addRow("%s two digits", engine) << engine << QVariantList{9, 10} << "TP311/11";
        }
    }
    void callNumber()
    {
        QFETCH(QString, engine);
        QFETCH(QVariantList, stored);
        QFETCH(QString, expected);
        OPEN_TEST_DATABASE(t, engine);
        int i = 0;
        for (const QVariant &zch : stored)
            storeBook(t.db(), QStringLiteral("X%1").arg(++i), {{QStringLiteral("分类号"), QStringLiteral("TP311")},
                                                               {QStringLiteral("zch"), zch}});
        // Another class with larger numbers does not count.
        storeBook(t.db(), QStringLiteral("Y1"), {{QStringLiteral("分类号"), QStringLiteral("TP312")},
                                                 {QStringLiteral("zch"), 99}});
        const CallNumber c = CallNumber::propose(t.db(), QStringLiteral("TP311"));
        QCOMPARE(c.callNumber, expected);
        QCOMPARE(c.zch, expected.section(QLatin1Char('/'), 1).toInt());
        QVERIFY(!CallNumber::propose(t.db(), QString()).isValid());
    }

    void severalCopiesCountTheOnesJustInserted_data() { TestDatabase::addEngines(); }
    void severalCopiesCountTheOnesJustInserted()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        storeBook(t.db(), QStringLiteral("OLD"), {{QStringLiteral("分类号"), QStringLiteral("TP311")},
                                                  {QStringLiteral("zch"), 7}});
        // The second copy's number is taken: it is refused, the others still stored.
        storeBook(t.db(), QStringLiteral("B100-2"));
        BookEntry e = minimalEntry(QStringLiteral("B100"));
        e.setValue(QStringLiteral("分类号"), QStringLiteral("TP311"));
        BookRegistration reg(t.db(), QStringLiteral("小王"));
        const QList<BookInsertResult> r = reg.save(e, 3, BookRegistration::separator(QStringLiteral(" - ")));
        QCOMPARE(r.size(), 3);
        QCOMPARE(r[0].number, QStringLiteral("B100-1"));
        QVERIFY(r[0].stored);
        QCOMPARE(r[0].callNumber, QStringLiteral("TP311/8"));
        QVERIFY(!r[1].stored);
        QCOMPARE(r[1].message, QStringLiteral("保存失败, 因为数据库中已经有这个编号了 (B100-2)"));
        QVERIFY(r[2].stored);
        QCOMPARE(r[2].zch, QStringLiteral("9"));
        QCOMPARE(field(t.db(), kBooks, QStringLiteral("B100-3"), QStringLiteral("索书号")).toString(),
                 QStringLiteral("TP311/9"));
        QVERIFY(!field(t.db(), kBooks, QStringLiteral("B100"), QStringLiteral("编号")).isValid());
        // The boxes show the last proposal.
        QCOMPARE(e.value(QStringLiteral("zch")), QStringLiteral("9"));
        QCOMPARE(count(t.db(), kBooks), 4);
    }

    void severalCopiesWithoutClassKeepTheTypedCallNumber_data() { TestDatabase::addEngines(); }
    void severalCopiesWithoutClassKeepTheTypedCallNumber()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        BookEntry e = minimalEntry(QStringLiteral("C1"));
        e.setValue(QStringLiteral("索书号"), QStringLiteral("K/5"));
        e.setValue(QStringLiteral("zch"), QStringLiteral("5"));
        BookRegistration reg(t.db(), QStringLiteral("小王"));
        const QList<BookInsertResult> r = reg.save(e, 2, BookRegistration::separator(QString()));
        QCOMPARE(r.size(), 2);
        QCOMPARE(r[1].number, QStringLiteral("C1.2"));
        for (const char *n : {"C1.1", "C1.2"}) {
            QCOMPARE(field(t.db(), kBooks, QString::fromUtf8(n), QStringLiteral("索书号")).toString(), QStringLiteral("K/5"));
            QCOMPARE(field(t.db(), kBooks, QString::fromUtf8(n), QStringLiteral("zch")).toInt(), 5);
        }
    }

    void autoNumber_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("saves");
        QTest::addColumn<QString>("expected");
        QTest::newRow("padded first") << "A" << "0001" << 1 << "A0002";
        QTest::newRow("padded grows") << "A" << "0001" << 9999 << "A10000";
        QTest::newRow("unpadded") << "A" << "1" << 9 << "A10";
        QTest::newRow("LIB007") << "LIB" << "007" << 1 << "LIB008";
        QTest::newRow("LIB999") << "LIB" << "999" << 1 << "LIB1000";
        QTest::newRow("trimmed") << " B " << " 09 " << 1 << "B10";
        QTest::newRow("no start pressed") << QString() << QString() << 1 << "2";
    }
    void autoNumber()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, start);
        QFETCH(int, saves);
        QFETCH(QString, expected);
        AutoNumber n;
        if (!start.isEmpty()) {
            QVERIFY(n.start(prefix, start));
            QCOMPARE(n.current(), prefix.trimmed() + start.trimmed());
        }
        QString last;
        for (int i = 0; i < saves; ++i)
            last = n.advance();
        QCOMPARE(last, expected);
    }

    void autoNumberRefusesNonNumbers_data()
    {
        QTest::addColumn<QString>("start");
        QTest::newRow("point") << "1.5";
        QTest::newRow("empty") << "";
        QTest::newRow("sign") << "-3";
    }
    void autoNumberRefusesNonNumbers()
    {
        QFETCH(QString, start);
        AutoNumber n;
        n.start(QStringLiteral("A"), QStringLiteral("7"));
        QVERIFY(!n.start(QStringLiteral("B"), start));
        QCOMPARE(n.current(), QStringLiteral("A7"));
    }

    void publisherByPrefix_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("barcode");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("name");
        for (const char *engine : {"sqlite", "postgresql"}) {
            QTest::addRow("%s two digits", engine) << engine << "9787020012345" << "7-02" << "人民文学出版社";
            QTest::addRow("%s three digits", engine) << engine << "9787302123456" << "7-302" << "清华大学出版社";
            QTest::addRow("%s four digits", engine) << engine << "9787532712345" << "7-5327" << "上海译文出版社";
            QTest::addRow("%s added row", engine) << engine << "9787506212345" << "7-5062" << "作家出版社";
            QTest::addRow("%s shortest wins", engine) << engine << "9787999912345" << "7-99" << "短社";
            QTest::addRow("%s none", engine) << engine << "9787888812345" << "" << "";
            QTest::addRow("%s short barcode", engine) << engine << "97870" << "" << "";
            QTest::addRow("%s quote", engine) << engine << "978'0\"2" << "" << "";
        }
    }
    void publisherByPrefix()
    {
        QFETCH(QString, engine);
        QFETCH(QString, barcode);
        QFETCH(QString, prefix);
        QFETCH(QString, name);
        OPEN_TEST_DATABASE(t, engine);
        storeRow(t.db(), QStringLiteral("出版社名"), {{QStringLiteral("出版社名"), QStringLiteral("作家出版社")},
                                                   {QStringLiteral("ISBN"), QStringLiteral("7-5062")}});
        storeRow(t.db(), QStringLiteral("出版社名"), {{QStringLiteral("出版社名"), QStringLiteral("长社")},
                                                   {QStringLiteral("ISBN"), QStringLiteral("7-999")}});
        storeRow(t.db(), QStringLiteral("出版社名"), {{QStringLiteral("出版社名"), QStringLiteral("短社")},
                                                   {QStringLiteral("ISBN"), QStringLiteral("7-99")}});
        const PublisherMatch m = PublisherMatch::byBarcode(t.db(), barcode);
        QCOMPARE(m.found, !prefix.isEmpty());
        QCOMPARE(m.isbnPrefix, prefix);
        QCOMPARE(m.name, name);
    }

    void checksBeforeSaving_data()
    {
        QTest::addColumn<QString>("emptied"); // a box left empty, or "" for none
        QTest::addColumn<bool>("several");
        QTest::addColumn<QString>("copies");
        QTest::addColumn<QString>("message");
        const QString required = QStringLiteral("字体加重的项目必须填写完整!");
        for (const char *box : {"编号", "名称", "条形码", "数量", "物品级别", "价格"})
            QTest::addRow("empty %s", box) << QString::fromUtf8(box) << false << "" << required;
        QTest::newRow("all filled") << "" << false << "" << "";
        QTest::newRow("copies missing") << "" << true << " " << "请输入要录入的数量!";
        QTest::newRow("copies zero") << "" << true << "0" << "请输入要录入的数量!";
        QTest::newRow("copies before required") << "价格" << true << "" << "请输入要录入的数量!";
        QTest::newRow("copies given") << "" << true << "3" << "";
    }
    void checksBeforeSaving()
    {
        QFETCH(QString, emptied);
        QFETCH(bool, several);
        QFETCH(QString, copies);
        QFETCH(QString, message);
        BookEntry e = minimalEntry(QStringLiteral("A1"));
        // A box of blanks counts as filled.
        e.setValue(QStringLiteral("物品级别"), QStringLiteral("  "));
        if (!emptied.isEmpty())
            e.setValue(emptied, QString());
        int k = -1;
        QCOMPARE(BookRegistration::check(e, several, copies, &k), message);
        if (message.isEmpty())
            QCOMPARE(k, several ? copies.toInt() : 0);
    }

    void storesTheRowAsTheWindowDoes_data() { TestDatabase::addEngines(); }
    void storesTheRowAsTheWindowDoes()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        BookEntry e = minimalEntry(QStringLiteral("A1"));
        const QString title = QStringLiteral("It's \"数据\" 库'; drop table 图书; --");
        e.setValue(QStringLiteral("名称"), QStringLiteral("  ") + title + QStringLiteral(" "));
        e.setValue(QStringLiteral("作者"), QStringLiteral("O'Brien \"Jr\""));
        e.setValue(QStringLiteral("物品级别"), QStringLiteral("   "));
        e.setValue(QStringLiteral("价格"), QStringLiteral(" 25.5 "));
        e.setValue(QStringLiteral("页数"), QString());
        e.setValue(QStringLiteral("图片地址"), QStringLiteral(" /doc/a.pdf "));
        e.setValue(QStringLiteral("isbn"), QStringLiteral("7506200007"));
        BookRegistration reg(t.db(), QStringLiteral("小王"));
        const BookInsertResult r = reg.insert(e, QStringLiteral("A1"));
        QVERIFY2(r.stored, qPrintable(r.message));
        auto f = [&](const char *c) { return field(t.db(), kBooks, QStringLiteral("A1"), QString::fromUtf8(c)); };
        QCOMPARE(f("名称").toString(), title);
        QCOMPARE(f("作者").toString(), QStringLiteral("O'Brien \"Jr\""));
        QCOMPARE(f("物品级别").toString(), QStringLiteral("普通"));
        QCOMPARE(Money::fromVariant(f("价格")), Money::fromUnits(255000));
        QVERIFY(f("页数").isNull());
        QVERIFY(f("zch").isNull());
        QVERIFY(f("捐赠人").isNull());
        QCOMPARE(f("图片地址").toString(), QStringLiteral(" /doc/a.pdf "));
        QCOMPARE(f("绝对地址").toString(), QStringLiteral(" /doc/a.pdf "));
        QCOMPARE(f("isbn").toString(), QStringLiteral("7506200007"));
        QCOMPARE(f("py").toString(), QStringLiteral("SJK"));
        QCOMPARE(f("借出次数").toInt(), 0);
        QCOMPARE(f("登记人").toString(), QStringLiteral("小王"));
        QCOMPARE(f("条形码").toString(), QStringLiteral("n"));
        const QDateTime at = SqlValues::toDateTime(f("入库时间"));
        QCOMPARE(at.date(), QDate(2024, 12, 8));
        QCOMPARE(f("TmpA").toString(), at.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) + QStringLiteral("+A"));
        QCOMPARE(count(t.db(), kBooks), 1);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("number");
        for (const char *engine : {"sqlite", "postgresql"}) {
            QTest::addRow("%s duplicate", engine) << engine << "" << "" << "A1";
            QTest::addRow("%s duplicate other case", engine) << engine << "" << "" << "a1";
            QTest::addRow("%s page count 1.2.3", engine) << engine << "页数" << "1.2.3" << "B1";
            QTest::addRow("%s page count 320页", engine) << engine << "页数" << "320页" << "B1";
            QTest::addRow("%s price 1.2.3", engine) << engine << "价格" << "1.2.3" << "B1";
            QTest::addRow("%s copies x", engine) << engine << "数量" << "x" << "B1";
        }
    }
    void refusals()
    {
        QFETCH(QString, engine);
        QFETCH(QString, column);
        QFETCH(QString, text);
        QFETCH(QString, number);
        OPEN_TEST_DATABASE(t, engine);
        storeBook(t.db(), QStringLiteral("A1"));
        BookEntry e = minimalEntry(number);
        if (!column.isEmpty())
            e.setValue(column, text);
        const BookInsertResult r = BookRegistration(t.db(), QStringLiteral("小王")).insert(e, number);
        QVERIFY(!r.stored);
        if (column.isEmpty())
            QCOMPARE(r.message, QStringLiteral("保存失败, 因为数据库中已经有这个编号了 (%1)").arg(number));
        else
            QVERIFY2(!r.message.isEmpty() && !r.message.startsWith(QStringLiteral("保存失败")), qPrintable(r.message));
        QCOMPARE(count(t.db(), kBooks), 1);
        // The connection is usable after the refusal.
        QVERIFY(BookRegistration(t.db(), QStringLiteral("小王")).insert(minimalEntry(QStringLiteral("C9")), QStringLiteral("C9")).stored);
    }

    void barcodeStored_data() { TestDatabase::addEngines(); }
    void barcodeStored()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        storeBook(t.db(), QStringLiteral("A1"), {{QStringLiteral("条形码"), QStringLiteral("9787020012345")}});
        BookRegistration reg(t.db(), QStringLiteral("小王"));
        QVERIFY(reg.barcodeStored(QStringLiteral(" 9787020012345 ")));
        QVERIFY(!reg.barcodeStored(QStringLiteral("9787020012346")));
    }

    void pinyin_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("py");
        QTest::newRow("three characters") << "数据库" << "SJK";
        // One Latin letter shifts every pair after it; the odd last byte is dropped.
        // 1 图 书 is 31 CD BC CA E9: (31,CD) blank, (BC,CA) J, the odd E9 dropped.
        QTest::newRow("digit first") << "1图书" << "J";
        // A leading blank shifts the pairs too; trailing blanks are trimmed.
        QTest::newRow("leading blank") << " 图书" << "J";
        QTest::newRow("trailing blanks") << "图书  " << "TS";
    }
    void pinyin()
    {
        QFETCH(QString, title);
        QFETCH(QString, py);
        QCOMPARE(BookRegistration::pinyin(title), py);
    }

};

QTEST_GUILESS_MAIN(TestBookRegistration)
#include "tst_book_registration.moc"
