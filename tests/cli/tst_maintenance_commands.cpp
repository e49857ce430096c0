// SPDX-License-Identifier: MIT
// bookctl backup, clean, move-location and lookup, as a script sees them.
#include "PythonScripts.h"
#include "BookCtl.h"
#include "TestDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

namespace {
using Run = BookCtlRun;

Run bookctl(const QStringList &args)
{
    return runBookCtl(args);
}

int count(const SharedConnection &db, const QString &sql)
{
    return db.scalar(sql).toInt();
}

// A catalogue served from the saved pages by Python's HTTP server: the ISBN picks the
// page, "9999999999999" is never answered.
const char kServer[] = R"(
import http.server, os, sys, time, urllib.parse
pages = {'9787302023685': 'found.html', '9780201000238': 'latin.html'}
class H(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        q = urllib.parse.parse_qs(urllib.parse.urlparse(self.path).query)
        isbn = q.get('request', [''])[0]
        if isbn == '9999999999999':
            time.sleep(30)
            return
        body = open(os.path.join(sys.argv[1], pages.get(isbn, 'notfound.html')), 'rb').read()
        self.send_response(200)
        self.send_header('Content-Type', 'text/html; charset=UTF-8')
        self.send_header('Content-Length', str(len(body)))
        self.end_headers()
        self.wfile.write(body)
    def log_message(self, *a):
        pass
s = http.server.ThreadingHTTPServer(('127.0.0.1', 0), H)
s.daemon_threads = True
print(s.server_address[1], flush=True)
s.serve_forever()
)";
} // namespace

class TestMaintenanceCommands : public QObject
{
    Q_OBJECT
private slots:
    void backupWritesAnOpenableCopy()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        QVERIFY(t.ok());
        t.db().exec(QStringLiteral("insert into 图书 (编号, 名称) values ('B1', '书')"));
        QTemporaryDir dir;
        const Run r = bookctl({QStringLiteral("--connect"), t.connectionString(), QStringLiteral("--today"),
                               QStringLiteral("2024-03-01"), QStringLiteral("backup"), QStringLiteral("--dir"), dir.path()});
        QCOMPARE(r.status, 0);
        const QString file = r.json.value("file").toString();
        QVERIFY2(QFileInfo(file).fileName().startsWith(QStringLiteral("20240301 ")), qPrintable(r.out));
        QVERIFY(file.endsWith(QStringLiteral("备份.db")));
        QCOMPARE(QFileInfo(file).absolutePath(), QDir(dir.path()).absolutePath());
        SharedConnection copy(QStringLiteral("cli-backup-copy"));
        QString error;
        QVERIFY(copy.open(ConnectionSettings::parse(QStringLiteral("Provider=SQLite;Data Source=%1;").arg(file)), &error));
        QCOMPARE(count(copy, QStringLiteral("select count(*) from 图书")), 1);
    }

    void backupRefusals_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("folder"); // relative to a temporary folder
        QTest::addColumn<QString>("message");
        QTest::newRow("missing folder") << "sqlite" << "nosuch" << "备份失败: 文件夹不存在 ";
        QTest::newRow("server") << "postgresql" << "." << "请使用PostgreSQL的pg_dump备份!";
    }
    void backupRefusals()
    {
        QFETCH(QString, engine);
        QFETCH(QString, folder);
        QFETCH(QString, message);
        OPEN_TEST_DATABASE(t, engine);
        QTemporaryDir dir;
        const Run r = bookctl({QStringLiteral("--connect"), t.connectionString(), QStringLiteral("backup"),
                               QStringLiteral("--dir"), dir.filePath(folder)});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.json.value("ok").toBool(true), false);
        QVERIFY2(r.json.value("message").toString().startsWith(message), qPrintable(r.out));
        QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
        QCOMPARE(bookctl({QStringLiteral("--connect"), t.connectionString(), QStringLiteral("backup")}).status, 2);
    }

    void clean_data() { TestDatabase::addEngines(); }
    void clean()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        db.exec(QStringLiteral("insert into 图书 (编号, 名称) values ('B1', '书')"));
        db.exec(QStringLiteral("insert into 借出记录 (读者编号, 编号, 已还) values ('R1', 'B1', '是')"));
        db.exec(QStringLiteral("insert into 借出记录 (读者编号, 编号, 已还) values ('R1', 'B2', '否')"));
        const QStringList target{QStringLiteral("--connect"), t.connectionString(), QStringLiteral("clean")};

        Run wrong = bookctl(target + QStringList{"--password", "QWPZ", "--what", "图书"});
        QCOMPARE(wrong.status, 1);
        QCOMPARE(wrong.out.trimmed(), QStringLiteral("{\"ok\":false,\"message\":\"密码错误!\"}"));
        QCOMPARE(bookctl(target + QStringList{"--what", "图书"}).status, 1); // no password
        QCOMPARE(count(db, QStringLiteral("select count(*) from 图书")), 1);
        QCOMPARE(bookctl(target + QStringList{"--password", "qwpz", "--what", "图书,管理员"}).status, 2);
        QCOMPARE(bookctl(target + QStringList{"--password", "qwpz"}).status, 2);
        QCOMPARE(count(db, QStringLiteral("select count(*) from 图书")), 1);

        Run done = bookctl(target + QStringList{"--password", "qwpz", "--what", "已还借阅,图书"});
        QCOMPARE(done.status, 0);
        QCOMPARE(done.out.trimmed(),
                 QStringLiteral("{\"ok\":true,\"messages\":[\"删除图书数据完毕!\",\"删除已还借阅记录数据完毕!\"]}"));
        QCOMPARE(count(db, QStringLiteral("select count(*) from 图书")), 0);
        QCOMPARE(count(db, QStringLiteral("select count(*) from 借出记录")), 1);
        QCOMPARE(count(db, QStringLiteral("select count(*) from 借出记录 where 已还='否'")), 1);
    }

    void moveLocation_data() { TestDatabase::addEngines(); }
    void moveLocation()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        db.exec(QStringLiteral("insert into 期刊 (编号, 名称, 存放位置) values ('Q1', '刊', '书库')"));
        db.exec(QStringLiteral("insert into 图书 (编号, 名称, 存放位置) values ('B1', '书', '书库')"));
        const QStringList target{QStringLiteral("--connect"), t.connectionString(), QStringLiteral("move-location")};
        Run r = bookctl(target + QStringList{"--table", "期刊", "--from", "书库", "--to", "阅览室"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.json.value("changed").toInt(), 1);
        QCOMPARE(r.json.value("message").toString(), QStringLiteral("完成!"));
        const QString q = engine == QLatin1String("sqlite") ? QStringLiteral("\"") : QStringLiteral("'");
        QCOMPARE(r.json.value("statement").toString(),
                 QStringLiteral("update 期刊 set 存放位置=%1阅览室%1 where 存放位置=%1书库%1").arg(q));
        QCOMPARE(count(db, QStringLiteral("select count(*) from 期刊 where 存放位置='阅览室'")), 1);
        QCOMPARE(count(db, QStringLiteral("select count(*) from 图书 where 存放位置='书库'")), 1);

        for (const QStringList &bad : {QStringList{"--table", "图书", "--from", "书库"},
                                       QStringList{"--table", "读者库", "--from", "A", "--to", "B"},
                                       QStringList{"--table", "图书", "--from", " ", "--to", "B"}}) {
            Run refused = bookctl(target + bad);
            QCOMPARE(refused.status, 1);
            QCOMPARE(refused.json.value("message").toString(), QStringLiteral("请选择好再执行!"));
        }
    }

    void lookup()
    {
        const QString python = PythonScripts::interpreterWith();
        if (python.isEmpty())
            QSKIP("no python3 for the local catalogue server");
        QProcess server;
        server.start(python, {QStringLiteral("-c"), QString::fromUtf8(kServer),
                              QDir::cleanPath(QStringLiteral(FIXTURE_DIR "/../../catalogue/fixtures/opac"))});
        QVERIFY(server.waitForReadyRead(10000));
        const QString base = QStringLiteral("http://127.0.0.1:%1/F").arg(QString::fromLatin1(server.readLine().trimmed()));

        Run found = bookctl({QStringLiteral("lookup"), QStringLiteral(" 9787302023685 "), QStringLiteral("--url"), base});
        QVERIFY2(found.status == 0, qPrintable(found.out));
        QCOMPARE(found.out.trimmed(),
                 QStringLiteral("{\"ok\":true,\"名称\":\"数据结构\",\"作者\":\"严蔚敏,吴伟民编著\",\"分类号\":\"TP311.12\","
                                "\"出版社\":\"清华大学出版社\",\"出版年\":\"1997\",\"价格\":\"25.00\",\"页数\":\"334\","
                                "\"简介\":\"本书系统地介绍了各种数据结构, 并用C语言描述了算法.\"}"));
        Run latin = bookctl({QStringLiteral("lookup"), QStringLiteral("9780201000238"), QStringLiteral("--url"), base});
        QCOMPARE(latin.json.value("名称").toString(), QStringLiteral("Datastructuresandalgorithms"));

        Run missing = bookctl({QStringLiteral("lookup"), QStringLiteral("9787000000000"), QStringLiteral("--url"), base});
        QCOMPARE(missing.status, 1);
        QCOMPARE(missing.out.trimmed(),
                 QStringLiteral("{\"ok\":false,\"message\":\"9787000000000 查不到,请检查条码是否正确,或网络是否通畅!\"}"));
        Run empty = bookctl({QStringLiteral("lookup"), QStringLiteral("9787302023685"), QStringLiteral("--url"), QString()});
        QCOMPARE(empty.status, 1);
        QVERIFY(empty.json.value("message").toString().contains(QStringLiteral("OpacUrl")));
        QCOMPARE(bookctl({QStringLiteral("lookup")}).status, 2);
        server.kill();
        server.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestMaintenanceCommands)
#include "tst_maintenance_commands.moc"
