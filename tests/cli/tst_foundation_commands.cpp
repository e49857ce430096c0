// SPDX-License-Identifier: MIT
// bookctl init, schema, signin, pinyin and the ISBN commands, as a script sees them.
#include "BookCtl.h"
#include "TestDatabase.h"
#include "foundation/Schema.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {
using Run = BookCtlRun;

Run bookctl(const QStringList &args)
{
    return runBookCtl(args);
}
} // namespace

class TestFoundationCommands : public QObject
{
    Q_OBJECT
private slots:
    void initCreatesOnceAndSignInWorks_data() { TestDatabase::addEngines(); }
    void initCreatesOnceAndSignInWorks()
    {
        QFETCH(QString, engine);
        TestDatabase t(engine, false); // an empty database
        if (!t.ok())
            QSKIP(qPrintable(t.skipReason()));
        t.db().close();
        const QStringList target{QStringLiteral("--connect"), t.connectionString()};
        Run first = bookctl(target + QStringList{QStringLiteral("init")});
        QCOMPARE(first.status, 0);
        QCOMPARE(first.json.value("ok").toBool(), true);
        Run second = bookctl(target + QStringList{QStringLiteral("init")});
        QCOMPARE(second.status, 1);
        QCOMPARE(second.json.value("ok").toBool(), false);
        QVERIFY(!second.json.value("message").toString().isEmpty());

        Run ok = bookctl(target + QStringList{QStringLiteral("signin"), QStringLiteral("超级管理员"), QStringLiteral("8316")});
        QCOMPARE(ok.status, 0);
        QCOMPARE(ok.json.value("operator").toString(), QStringLiteral("超级管理员"));
        const QJsonObject rights = ok.json.value("rights").toObject();
        QCOMPARE(rights.size(), 15);
        QVERIFY(rights.value("qxModifyStock").toBool());
        QVERIFY(ok.out.contains(QStringLiteral("\"qxadmin\":true,\"qxdel\":true")));
        Run refused = bookctl(target + QStringList{QStringLiteral("signin"), QStringLiteral("超级管理员"), QStringLiteral("x")});
        QCOMPARE(refused.status, 1);
        QCOMPARE(refused.out.trimmed(), QStringLiteral("{\"ok\":false,\"message\":\"密码不正确!\"}"));
    }

    void embeddedFileRules()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("lib.db"));
        Run missing = bookctl({QStringLiteral("--db"), file, QStringLiteral("signin"), QStringLiteral("a"), QStringLiteral("b")});
        QCOMPARE(missing.status, 1);
        QVERIFY(!QFile::exists(file)); // only init creates a database
        QCOMPARE(bookctl({QStringLiteral("--db"), file, QStringLiteral("init")}).status, 0);
        QVERIFY(QFile::exists(file));
        QCOMPARE(bookctl({QStringLiteral("--db"), file, QStringLiteral("signin"), QStringLiteral("超级管理员"),
                          QStringLiteral("8316")}).status, 0);
        QCOMPARE(bookctl({QStringLiteral("nosuchcommand")}).status, 2);
        QCOMPARE(bookctl({QStringLiteral("pinyin")}).status, 2);
    }

    void schemaListsEveryTableInOrder()
    {
        Run r = bookctl({QStringLiteral("schema")});
        QCOMPARE(r.status, 0);
        const QJsonArray tables = r.json.value("tables").toArray();
        QCOMPARE(tables.size(), Schema::tables().size());
        QStringList names;
        for (const QJsonValue &t : tables)
            names << t.toObject().value("name").toString();
        QVERIFY(!names.contains(Schema::versionTable()));
        const QJsonObject books = tables.at(names.indexOf(QStringLiteral("图书"))).toObject();
        const QJsonArray columns = books.value("columns").toArray();
        QCOMPARE(columns.first().toString(), QStringLiteral("编号"));
        QCOMPARE(columns.last().toString(), QStringLiteral("TmpA"));
        const QJsonObject admins = tables.at(names.indexOf(QStringLiteral("管理员"))).toObject();
        QVERIFY(admins.value("columns").toArray().contains(QStringLiteral("qxModifyStock")));
    }

    void helpers_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("pinyin") << QStringList{"pinyin", "图书管理"} << "py" << "TSGL";
        QTest::newRow("pinyin untrimmed") << QStringList{"pinyin", "ab图书"} << "py" << " TS";
        QTest::newRow("13 to 10") << QStringList{"isbn13to10", "978-7-5062-0000-1"} << "isbn10" << "7506200007";
        QTest::newRow("13 to 10 malformed") << QStringList{"isbn13to10", "978750"} << "isbn10" << "";
        QTest::newRow("10 to 13") << QStringList{"isbn10to13", "7-5062-0000-7"} << "isbn13" << "9787506200004";
    }
    void helpers()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, key);
        QFETCH(QString, value);
        Run r = bookctl(args);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.json.value(key).toString(), value);
    }
};

QTEST_GUILESS_MAIN(TestFoundationCommands)
#include "tst_foundation_commands.moc"
