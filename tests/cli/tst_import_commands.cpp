// SPDX-License-Identifier: MIT
// bookctl marc and bookctl import, as a script sees them: one line per record, the
// counts and failed rows of an import, the password and right refusals, usage errors.
#define IMPORT_FIXTURE_DIR FIXTURE_DIR "/../../import/fixtures"
#include "../import/ImportFixtures.h"
#include "BookCtl.h"
#include "TestDatabase.h"
#include "foundation/DayClock.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace ImportFixtures;

namespace {
using Run = BookCtlRun;

Run bookctl(const QStringList &args)
{
    return runBookCtl(args);
}

const QString kMarcFixtures = QDir::cleanPath(QStringLiteral(IMPORT_FIXTURE_DIR)); // fixtures/ may not exist
// Row 1 of a sheet is never imported.
const QStringList kHeader{QStringLiteral("表头")};

QString stamp()
{
    return DayClock::now().toString(QStringLiteral("yyMMddhhmm"));
}
} // namespace

class TestImportCommands : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    QStringList target(TestDatabase &t) { return {QStringLiteral("--connect"), t.connectionString()}; }
    QStringList importArgs(TestDatabase &t, const QString &kind, const QString &file,
                           const QStringList &more = {}, const QString &password = QStringLiteral("jukx"))
    {
        return target(t) + QStringList{QStringLiteral("import"), kind, file, QStringLiteral("--operator"),
                                       QStringLiteral("超级管理员"), QStringLiteral("--password"), password}
            + more;
    }

private slots:
    void marcPrintsOneLinePerRecord()
    {
        const Run good = bookctl({QStringLiteral("marc"), kMarcFixtures + QStringLiteral("/books.iso")});
        QCOMPARE(good.status, 0);
        QCOMPARE(good.lines.size(), 6);
        QCOMPARE(good.last(), (QJsonObject{{"ok", true}, {"records", 5}}));
        QVERIFY(good.out.startsWith(QStringLiteral(
            "{\"ok\":true,\"名称\":\"红楼梦\",\"作者\":\"(清)曹雪芹著\",\"isbn\":\"7-02-000220-X\",\"价格\":\"59.70\","
            "\"出版地\":\"北京\",\"出版社\":\"人民文学出版社\",\"出版时间\":\"1996.12\",\"页数\":\"1606页\",\"尺寸\":\"20cm\",")));

        // Damaged records are reported where they are, and the reading goes on.
        const Run mixed = bookctl({QStringLiteral("marc"), kMarcFixtures + QStringLiteral("/mixed.mrc")});
        QCOMPARE(mixed.status, 1);
        QCOMPARE(mixed.lines.size(), 6);
        QCOMPARE(mixed.lines[0].value("名称").toString(), QStringLiteral("红楼梦"));
        for (const int line : {2, 3, 4}) {
            QCOMPARE(mixed.lines[line - 1].value("ok").toBool(true), false);
            QCOMPARE(mixed.lines[line - 1].value("line").toInt(), line);
            QVERIFY(!mixed.lines[line - 1].value("message").toString().isEmpty());
        }
        QCOMPARE(mixed.lines[4].value("名称").toString(), QStringLiteral("围城"));
        QCOMPARE(mixed.last(), (QJsonObject{{"ok", false}, {"records", 2}, {"bad", 3}}));

        const Run missing = bookctl({QStringLiteral("marc"), m_dir.filePath(QStringLiteral("none.iso"))});
        QCOMPARE(missing.status, 1);
        QCOMPARE(missing.last().value("ok").toBool(true), false);
        QCOMPARE(bookctl({QStringLiteral("marc")}).status, 2);
    }

    void importsSheets_data() { TestDatabase::addEngines(); }
    void importsSheets()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        const QString books = writeCsv(m_dir.filePath(QStringLiteral("books.csv")),
                                       {kHeader, {"x", "1", "一"}, {"y", "2", "二"},
                                        {"z", "3", "三"}});
        const Run numbered = bookctl(importArgs(t, "books", books, {"--numbering", "start:1000"}));
        QCOMPARE(numbered.status, 0);
        QCOMPARE(numbered.out.trimmed(), QStringLiteral("{\"ok\":true,\"inserted\":3,\"failed\":0,\"failedRows\":[]}"));
        QCOMPARE(column(t.db(), "图书", "编号"), (QStringList{"1000", "1001", "1002"}));

        // Again from 1001: two numbers are taken, one row goes in; exit 1 for the failures.
        const Run again = bookctl(importArgs(t, "books", books, {"--numbering", "start:1001"}));
        QCOMPARE(again.status, 1);
        QCOMPARE(again.last().value("inserted").toInt(), 1);
        QCOMPARE(again.last().value("failed").toInt(), 2);
        const QJsonArray failed = again.last().value("failedRows").toArray();
        QCOMPARE(failed.size(), 2);
        QCOMPARE(failed[0].toObject().value("row").toInt(), 2);
        QCOMPARE(failed[1].toObject().value("row").toInt(), 3);
        QVERIFY(!failed[0].toObject().value("message").toString().isEmpty());

        const QString readers = writeCsv(m_dir.filePath(QStringLiteral("readers.csv")),
                                         {kHeader, {"R1", "甲"}, {"", ""}, {"R3", "丙"}});
        const Run r = bookctl(importArgs(t, "readers", readers));
        QCOMPARE(r.status, 0);
        QCOMPARE(r.last().value("inserted").toInt(), 1);
        QCOMPARE(r.last().value("endedAtRow").toInt(), 3);
        QCOMPARE(storedText(t.db(), "读者库", "登记人"), QStringLiteral("超级管理员 导入的"));

        const QString loans = writeCsv(m_dir.filePath(QStringLiteral("loans.csv")),
                                       {kHeader, {"R1", "", "甲", "", "B1", "一"},
                                        {"R1", "", "甲", "", "", "无编号"}});
        const Run l = bookctl(importArgs(t, "loans", loans));
        QCOMPARE(l.status, 0);
        QCOMPARE(l.last().value("inserted").toInt(), 1);
        QCOMPARE(l.last().value("skippedRows").toArray(), QJsonArray{3});

        const QString periodicals = writeCsv(m_dir.filePath(QStringLiteral("qk.csv")),
                                             {kHeader, {"", "读者"}});
        const QString before = stamp();
        const Run q = bookctl(importArgs(t, "periodicals", periodicals, {"--numbering", "clock"}));
        QCOMPARE(q.status, 0);
        const QString number = storedText(t.db(), "期刊", "编号");
        QVERIFY2(number == before + "2" || number == stamp() + "2", qPrintable(number));
    }

    void importsMarcFromStartPlusOne_data() { TestDatabase::addEngines(); }
    void importsMarcFromStartPlusOne()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        const Run r = bookctl(target(t) + QStringList{"--today", "2024-12-08"}
                              + importArgs(t, "marc", kMarcFixtures + "/mixed.mrc", {"--start", "100"}).mid(2));
        // Two readable records; the three damaged ones are listed by their record number.
        QCOMPARE(r.status, 1);
        QCOMPARE(r.last().value("inserted").toInt(), 2);
        QCOMPARE(r.last().value("failed").toInt(), 3);
        QJsonArray rows;
        for (const QJsonValue &f : r.last().value("failedRows").toArray())
            rows << f.toObject().value("row");
        QCOMPARE(rows, (QJsonArray{2, 3, 4}));
        QCOMPARE(column(t.db(), "图书", "编号"), (QStringList{"101", "102"}));
        QCOMPARE(column(t.db(), "图书", "页数"), (QStringList{"1606", "0"}));
        QCOMPARE(column(t.db(), "图书", "入库时间"), (QStringList{"2024-12-08 00:00:00", "2024-12-08 00:00:00"}));

        const Run good = bookctl(importArgs(t, "marc", kMarcFixtures + "/books.iso", {"--start", "200"}));
        QCOMPARE(good.status, 0);
        QCOMPARE(good.last().value("inserted").toInt(), 5);
    }

    void refusals_data() { TestDatabase::addEngines(); }
    void refusals()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        const QString books = writeCsv(m_dir.filePath(QStringLiteral("r.csv")),
                                       {kHeader, {"B1", "1", "一"}});
        const Run wrong = bookctl(importArgs(t, "books", books, {}, QStringLiteral("JUKX")));
        QCOMPARE(wrong.status, 1);
        QCOMPARE(wrong.out.trimmed(), QStringLiteral("{\"ok\":false,\"message\":\"密码错误!\"}"));
        const Run wrongMarc = bookctl(importArgs(t, "marc", kMarcFixtures + "/books.iso", {"--start", "1"}, "x"));
        QCOMPARE(wrongMarc.last().value("message").toString(), QStringLiteral("密码错误!"));
        QCOMPARE(t.db().scalar(QStringLiteral("select count(*) from 图书")).toInt(), 0);

        t.db().exec(QStringLiteral("insert into 管理员(AdminName,pwd,qxadmin) values(?,?,?)"),
                    {QStringLiteral("小王"), QStringLiteral("1"), false});
        for (const char *kind : {"periodicals", "loans", "marc"}) {
            QStringList args = importArgs(t, kind, books, QString::fromLatin1(kind) == "marc"
                                                              ? QStringList{"--start", "1"} : QStringList{});
            args[args.indexOf(QStringLiteral("超级管理员"))] = QStringLiteral("小王");
            const Run r = bookctl(args);
            QCOMPARE(r.status, 1);
            QCOMPARE(r.last().value("message").toString(), QStringLiteral("没有管理员权限!"));
        }
        QStringList asWang = importArgs(t, "books", books);
        asWang[asWang.indexOf(QStringLiteral("超级管理员"))] = QStringLiteral("小王");
        QCOMPARE(bookctl(asWang).status, 0); // books need no right

        QStringList nobody = importArgs(t, "books", books);
        nobody[nobody.indexOf(QStringLiteral("超级管理员"))] = QStringLiteral("无名");
        QCOMPARE(bookctl(nobody).last().value("message").toString(), QStringLiteral("没有这个管理员: 无名"));

        const Run unreadable = bookctl(importArgs(t, "books", m_dir.filePath(QStringLiteral("none.xlsx"))));
        QCOMPARE(unreadable.status, 1);
        QVERIFY(unreadable.last().value("message").toString().contains(QStringLiteral("none.xlsx")));
    }

    void usage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no password") << QStringList{"import", "books", "f.csv", "--operator", "超级管理员"};
        QTest::newRow("unknown kind") << QStringList{"import", "cds", "f.csv", "--operator", "a", "--password", "jukx"};
        QTest::newRow("loans have no numbering")
            << QStringList{"import", "loans", "f.csv", "--operator", "a", "--password", "jukx", "--numbering", "clock"};
        QTest::newRow("bad numbering")
            << QStringList{"import", "books", "f.csv", "--operator", "a", "--password", "jukx", "--numbering", "start:x"};
        QTest::newRow("marc without start") << QStringList{"import", "marc", "f.iso", "--operator", "a", "--password", "jukx"};
        QTest::newRow("marc start with a letter")
            << QStringList{"import", "marc", "f.iso", "--operator", "a", "--password", "jukx", "--start", "1a"};
    }
    void usage()
    {
        QFETCH(QStringList, args);
        TestDatabase t(QStringLiteral("sqlite"));
        QCOMPARE(bookctl(target(t) + args).status, 2);
    }
};

QTEST_GUILESS_MAIN(TestImportCommands)
#include "tst_import_commands.moc"
