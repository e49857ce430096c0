// SPDX-License-Identifier: MIT
// Registration, editing, state and deletion of readers on both engines; the photo rule.
#include "TestDatabase.h"
#include "foundation/DayClock.h"
#include "foundation/Money.h"
#include "foundation/SqlValues.h"
#include "readers/ReaderPhoto.h"
#include "readers/ReaderRegistry.h"

#include <QBuffer>
#include <QImage>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {
ReaderForm form(const QString &number, const QString &name)
{
    ReaderForm f;
    f.number = number;
    f.name = name;
    f.validUntil = ReaderRegistry::defaultValidUntil();
    return f;
}

int count(SharedConnection &db, const QString &sql, const QVariantList &values = {})
{
    return db.scalar(sql, values).toInt();
}

// Adds every case row once per engine.
template <typename AddCase>
void perEngine(AddCase addCase)
{
    for (const char *engine : {"sqlite", "postgresql"})
        addCase(QString::fromLatin1(engine));
}
} // namespace

class TestReaderRegistry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DayClock::setToday(QDate(2024, 12, 8)); }
    void cleanupTestCase() { DayClock::setToday(QDate()); }

    void requiredBoxes_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("category");
        QTest::addColumn<bool>("refused");
        QTest::newRow("all filled") << "R1" << "张三" << "普通" << false;
        QTest::newRow("no number") << "" << "张三" << "普通" << true;
        QTest::newRow("no name") << "R1" << "" << "普通" << true;
        QTest::newRow("no category") << "R1" << "张三" << "" << true;
        // The window's test is "not empty": blanks pass.
        QTest::newRow("blank name") << "R1" << "  " << "普通" << false;
    }
    void requiredBoxes()
    {
        QFETCH(QString, number);
        QFETCH(QString, name);
        QFETCH(QString, category);
        QFETCH(bool, refused);
        ReaderForm f = form(number, name);
        f.category = category;
        QCOMPARE(ReaderRegistry::missingRequired(f),
                 refused ? QStringLiteral("字体加重的项目必须填写!") : QString());
    }

    // The row as registration writes it, the fee row as the fee says, both engines.
    void registration_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("py");
        QTest::addColumn<QString>("fee");
        perEngine([](const QString &e) {
            QTest::addRow("%s three characters, no fee", qPrintable(e)) << e << "张三丰" << "ZSF" << "0";
            // "a" shifts the byte pairs: only the first pair is a whole character.
            QTest::addRow("%s latin letter, fee 5.5", qPrintable(e)) << e << "张a三丰" << "Z" << "5.5";
            QTest::addRow("%s leading latin, fee 2", qPrintable(e)) << e << "a张三" << "P" << "2";
        });
    }
    void registration()
    {
        QFETCH(QString, engine);
        QFETCH(QString, name);
        QFETCH(QString, py);
        QFETCH(QString, fee);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        ReaderForm f = form(QStringLiteral(" R100 "), name);
        f.cardId = QStringLiteral("C-9");
        f.address = QStringLiteral("  北京 \"西城\" O'Neil ");
        const ReaderRegistry::Registration r =
            ReaderRegistry::registerReader(db, f, Money::fromText(fee), QStringLiteral("王五"));
        QCOMPARE(r.number, QStringLiteral("R100"));
        QCOMPARE(r.py, py);

        QSqlQuery q = db.exec(QStringLiteral("select * from 读者库"));
        QVERIFY(q.next());
        QCOMPARE(q.value("读者编号").toString(), QStringLiteral("R100"));
        QCOMPARE(q.value("CardId").toString(), QStringLiteral("C-9"));
        QCOMPARE(q.value("性别").toString(), QStringLiteral("男"));
        QCOMPARE(q.value("类别").toString(), QStringLiteral("普通"));
        QCOMPARE(q.value("住址").toString(), QStringLiteral("北京 \"西城\" O'Neil"));
        QCOMPARE(q.value("状态").toString(), QStringLiteral("正常"));
        QCOMPARE(q.value("密码").toString(), QStringLiteral("8316"));
        QCOMPARE(q.value("未还数量").toInt(), 0);
        QCOMPARE(q.value("累计借阅次数").toInt(), 0);
        QCOMPARE(q.value("登记人").toString(), QStringLiteral("王五"));
        QCOMPARE(q.value("py").toString(), py);
        QCOMPARE(Money::fromVariant(q.value("卡内金额")), Money()); // the column default
        QCOMPARE(SqlValues::toDate(q.value("有效期")), QDate(2024, 12, 8).addDays(14600));
        QCOMPARE(SqlValues::toDateTime(q.value("登记日期")).date(), QDate(2024, 12, 8));
        QVERIFY(q.value("TmpA").toString().endsWith(QStringLiteral("+A")));
        QVERIFY(q.value("班级").isNull());
        QVERIFY(!q.next());

        const bool charged = Money::fromText(fee) > Money();
        QCOMPARE(r.feeJournalled, charged);
        QSqlQuery income = db.exec(QStringLiteral("select * from 收入"));
        QCOMPARE(income.next(), charged);
        if (charged) {
            QCOMPARE(income.value("项目").toString(), QStringLiteral("开户费"));
            QCOMPARE(SqlValues::dateTimeText(income.value("时间")), QStringLiteral("2024-12-08 00:00:00"));
            QCOMPARE(income.value("读者编号").toString(), QStringLiteral(" R100 ")); // as typed
            QCOMPARE(income.value("读者姓名").toString(), name);
            QCOMPARE(Money::fromVariant(income.value("金额")), Money::fromText(fee));
            QCOMPARE(income.value("管理员").toString(), QStringLiteral("王五"));
            QVERIFY(!income.next());
        }
    }

    // A duplicate number (in any letter case) is refused with the database's message
    // and writes neither a reader nor a fee row; so does a failing fee row.
    void refusedRegistrationWritesNothing_data() { TestDatabase::addEngines(); }
    void refusedRegistrationWritesNothing()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        const Money fee = Money::fromText(QStringLiteral("5"));
        ReaderRegistry::registerReader(db, form(QStringLiteral("A1"), QStringLiteral("甲")), fee, QStringLiteral("op"));
        QString message;
        try {
            ReaderRegistry::registerReader(db, form(QStringLiteral("a1"), QStringLiteral("乙")), fee, QStringLiteral("op"));
        } catch (const DatabaseError &e) {
            message = e.message();
        }
        QVERIFY(!message.isEmpty());
        QCOMPARE(count(db, QStringLiteral("select count(*) from 读者库")), 1);
        QCOMPARE(count(db, QStringLiteral("select count(*) from 收入")), 1);
        QVERIFY(!db.inTransaction());

        // Without the journal the registration with a fee cannot be completed.
        db.exec(QStringLiteral("drop table 收入"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, ReaderRegistry::registerReader(
                                                    db, form(QStringLiteral("B2"), QStringLiteral("丙")), fee,
                                                    QStringLiteral("op")));
        QCOMPARE(count(db, QStringLiteral("select count(*) from 读者库 where 读者编号=?"), {QStringLiteral("B2")}), 0);
    }

    // A failing TmpA marker (the column is missing) is ignored; the reader and photo stay.
    void markerFailureIgnored_data() { TestDatabase::addEngines(); }
    void markerFailureIgnored()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        db.exec(QStringLiteral("alter table 读者库 drop column TmpA"));
        ReaderForm f = form(QStringLiteral("R1"), QStringLiteral("张三"));
        f.photo = QByteArray("BM-not-really", 13);
        ReaderRegistry::registerReader(db, f, Money::fromText(QStringLiteral("1")), QStringLiteral("op"));
        QCOMPARE(db.scalar(QStringLiteral("select pic from 读者库")).toByteArray(), f.photo);
        QCOMPARE(count(db, QStringLiteral("select count(*) from 收入")), 1);
    }

    // Editing writes the boxes over the row it was opened on, recomputes py and leaves
    // the loan records with the old number alone.
    void editing_data() { TestDatabase::addEngines(); }
    void editing()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        ReaderRegistry::registerReader(db, form(QStringLiteral("R1"), QStringLiteral("张三")), Money(), QStringLiteral("op"));
        db.exec(QStringLiteral("insert into 借出记录 (读者编号, 已还) values (?, ?)"), {QStringLiteral("R1"), QStringLiteral("否")});
        db.exec(QStringLiteral("update 读者库 set 卡内金额=12.5, 累计借阅次数=3 where 读者编号='R1'"));

        ReaderForm f;
        QVERIFY(ReaderRegistry::load(db, QStringLiteral("R1"), &f));
        QCOMPARE(f.balance, QStringLiteral("12.5"));
        QCOMPARE(f.loans, 3);
        f.number = QStringLiteral("R2");
        f.name = QStringLiteral("李四");
        f.validUntil = QDate(2030, 1, 31);
        QVERIFY(ReaderRegistry::update(db, QStringLiteral("R1"), f));

        ReaderForm after;
        QVERIFY(!ReaderRegistry::load(db, QStringLiteral("R1"), &after));
        QVERIFY(ReaderRegistry::load(db, QStringLiteral("R2"), &after));
        QCOMPARE(after.name, QStringLiteral("李四"));
        QCOMPARE(db.scalar(QStringLiteral("select py from 读者库")).toString(), QStringLiteral("LS"));
        QCOMPARE(after.validUntil, QDate(2030, 1, 31));
        QCOMPARE(after.balance, QStringLiteral("12.5")); // never written by editing
        QCOMPARE(after.loans, 3);
        QCOMPARE(count(db, QStringLiteral("select count(*) from 借出记录 where 读者编号='R1'")), 1);
        QVERIFY(!ReaderRegistry::update(db, QStringLiteral("gone"), f));

        // Clearing the number is refused by the database; the row stays as it was.
        f.number = QStringLiteral("  ");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, ReaderRegistry::update(db, QStringLiteral("R2"), f));
        QVERIFY(ReaderRegistry::load(db, QStringLiteral("R2"), &after));
    }

    void stateChangeIsLogged_data() { TestDatabase::addEngines(); }
    void stateChangeIsLogged()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        ReaderRegistry::registerReader(db, form(QStringLiteral("R1"), QStringLiteral("张三")), Money(), QStringLiteral("op"));
        ReaderRegistry::changeState(db, QStringLiteral("R1"), QStringLiteral("张三"), QStringLiteral("停用"),
                                    QStringLiteral("丢卡"), QStringLiteral("王五"));
        QCOMPARE(db.scalar(QStringLiteral("select 状态 from 读者库")).toString(), QStringLiteral("停用"));
        QSqlQuery log = db.exec(QStringLiteral("select 事件, 管理员, 说明 from 管理员日志"));
        QVERIFY(log.next());
        QCOMPARE(log.value(0).toString(), QStringLiteral("修改状态"));
        QCOMPARE(log.value(1).toString(), QStringLiteral("王五"));
        QCOMPARE(log.value(2).toString(), QStringLiteral("读者编号:R1,姓名:张三,状态改为:[停用],丢卡"));
    }

    // Deleting removes the reader even with items on loan; the loans stay.
    void deletion_data() { TestDatabase::addEngines(); }
    void deletion()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        ReaderRegistry::registerReader(db, form(QStringLiteral("R1"), QStringLiteral("张三")), Money(), QStringLiteral("op"));
        db.exec(QStringLiteral("update 读者库 set 未还数量=2"));
        db.exec(QStringLiteral("insert into 借出记录 (读者编号, 已还) values ('R1', '否')"));
        QCOMPARE(ReaderRegistry::remove(db, QStringLiteral("R1")), 1);
        QCOMPARE(count(db, QStringLiteral("select count(*) from 读者库")), 0);
        QCOMPARE(count(db, QStringLiteral("select count(*) from 借出记录")), 1);
    }

    // 2 MB exactly is accepted, one byte more refused with its size; JPEG and PNG are
    // stored as BMP.
    void photoSizeLimit_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("2097152") << qint64(2097152) << QString();
        QTest::newRow("2097153") << qint64(2097153)
                                 << QStringLiteral("添加失败:图片文件不能超过2MB,您选择的文件大小为:2.00MB");
        QTest::newRow("3.5 MB") << qint64(3670016)
                                << QStringLiteral("添加失败:图片文件不能超过2MB,您选择的文件大小为:3.50MB");
    }
    void photoSizeLimit()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, refusal);
        // A real picture padded to the size: a BMP whose trailing bytes are ignored.
        QTemporaryDir dir;
        QImage image(8, 8, QImage::Format_RGB888);
        image.fill(Qt::red);
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(image.save(&buffer, "BMP"));
        data.append(QByteArray(bytes - data.size(), '\0'));
        const QString file = dir.filePath(QStringLiteral("p.bmp"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(data);
        out.close();

        const ReaderPhoto::Result r = ReaderPhoto::load(file);
        QCOMPARE(r.message, refusal);
        QCOMPARE(r.ok, refusal.isEmpty());
        QCOMPARE(r.bmp.isEmpty(), !refusal.isEmpty());
    }

    void photoFormats_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("jpeg") << QByteArray("JPEG");
        QTest::newRow("png") << QByteArray("PNG");
        QTest::newRow("png with alpha") << QByteArray("PNG-alpha");
    }
    void photoFormats()
    {
        QFETCH(QByteArray, format);
        QTemporaryDir dir;
        const bool alpha = format.endsWith("-alpha");
        QImage image(40, 30, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        image.fill(alpha ? QColor(0, 0, 255, 0) : QColor(Qt::blue));
        for (int x = 0; x < 20; ++x)
            for (int y = 0; y < 30; ++y)
                image.setPixelColor(x, y, Qt::yellow);
        const QString file = dir.filePath(alpha ? QStringLiteral("photo.png")
                                                 : QStringLiteral("photo.") + QString::fromLatin1(format).toLower());
        QVERIFY(image.save(file, alpha ? "PNG" : format.constData()));

        const ReaderPhoto::Result r = ReaderPhoto::load(file);
        QVERIFY2(r.ok, qPrintable(r.message));
        QVERIFY(r.bmp.startsWith("BM"));
        const QImage stored = QImage::fromData(r.bmp, "BMP");
        QCOMPARE(stored.size(), QSize(40, 30));
        QVERIFY(qAbs(stored.pixelColor(5, 5).red() - 255) < 16 && stored.pixelColor(5, 5).blue() < 40);
        // Transparent parts become white, not black.
        const QColor right = stored.pixelColor(35, 15);
        if (alpha)
            QCOMPARE(right, QColor(Qt::white));
        else
            QVERIFY(right.blue() > 200 && right.red() < 40);
    }

    void unreadablePhotoRefused()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath(QStringLiteral("x.jpg")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
        f.close();
        const ReaderPhoto::Result r = ReaderPhoto::load(f.fileName());
        QVERIFY(!r.ok);
        QVERIFY(!r.message.isEmpty());
    }
};

QTEST_MAIN(TestReaderRegistry)
#include "tst_reader_registry.moc"
