// SPDX-License-Identifier: MIT
// The backup: the engine's online copy while another connection writes, rows still in
// the write-ahead log, the name and its replacement within one second, failures, the
// server dialect, and a restore by copying the backup over book.db.
#include "TestDatabase.h"
#include "maintenance/DatabaseBackup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTest>
#include <QThread>

#include <atomic>
#include <thread>
#include <unistd.h>

namespace {
int openedCount(const QString &file, const QString &sql, QString *integrity = nullptr)
{
    SharedConnection c(QStringLiteral("backup-check-%1").arg(quintptr(&file)));
    QString error;
    if (!c.open(ConnectionSettings::parse(QStringLiteral("Provider=SQLite;Data Source=%1;").arg(file)), &error))
        return -1;
    if (integrity)
        *integrity = c.scalar(QStringLiteral("pragma integrity_check")).toString();
    return c.scalar(sql).toInt();
}

void addBooks(const SharedConnection &db, const QString &prefix, int n)
{
    Transaction t(db);
    for (int i = 0; i < n; ++i)
        db.exec(QStringLiteral("insert into 图书 (编号, 名称, 简介) values (?, ?, ?)"),
                {prefix + QString::number(i), QStringLiteral("书名"), QString(400, QLatin1Char('x'))});
    t.commit();
}
} // namespace

class TestDatabaseBackup : public QObject
{
    Q_OBJECT
private slots:
    void fileName()
    {
        QCOMPARE(DatabaseBackup::fileName(QDateTime(QDate(2008, 5, 1), QTime(14, 3, 9))),
                 QStringLiteral("20080501 140309备份.db"));
        QCOMPARE(DatabaseBackup::fileName(QDateTime(QDate(2024, 12, 31), QTime(0, 0, 0))),
                 QStringLiteral("20241231 000000备份.db"));
    }

    // A second connection commits pairs of rows throughout the backup. The backup opens,
    // is sound, holds every pair committed before it began and no half pair.
    void whileAnotherConnectionWrites()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        QVERIFY(t.ok());
        addBooks(t.db(), QStringLiteral("S"), 6000); // enough pages for the copy to take a while
        const QString cs = t.connectionString();
        std::atomic<int> committed{0};
        std::atomic<bool> stop{false};
        std::atomic<bool> failed{false};
        std::thread writer([&] {
            SharedConnection w(QStringLiteral("backup-writer"));
            QString error;
            if (!w.open(ConnectionSettings::parse(cs), &error)) {
                failed = true;
                return;
            }
            for (int i = 0; !stop; ++i) {
                try {
                    Transaction tr(w);
                    w.exec(QStringLiteral("insert into 图书 (编号, 名称) values (?, 'a')"), {QStringLiteral("W%1a").arg(i)});
                    w.exec(QStringLiteral("insert into 图书 (编号, 名称) values (?, 'b')"), {QStringLiteral("W%1b").arg(i)});
                    tr.commit();
                    committed = i + 1;
                } catch (const DatabaseError &) {
                    failed = true;
                    return;
                }
            }
        });
        while (committed < 50 && !failed)
            QThread::msleep(5);
        const int before = committed;
        QTemporaryDir dir;
        const DatabaseBackup::Result r =
            DatabaseBackup::backup(t.db(), dir.path(), QDateTime(QDate(2024, 3, 1), QTime(9, 30, 0)));
        const int during = committed;
        QThread::msleep(50);
        stop = true;
        writer.join();
        QVERIFY(!failed);
        QVERIFY2(r.ok, qPrintable(r.message));
        QCOMPARE(r.file, QDir(dir.path()).filePath(QStringLiteral("20240301 093000备份.db")));
        QVERIFY2(committed > during || during > before, "the writer went on during the backup");

        QString integrity;
        const int a = openedCount(r.file, QStringLiteral("select count(*) from 图书 where 名称='a'"), &integrity);
        const int b = openedCount(r.file, QStringLiteral("select count(*) from 图书 where 名称='b'"));
        QCOMPARE(integrity, QStringLiteral("ok"));
        QCOMPARE(a, b);
        QVERIFY2(a >= before, qPrintable(QStringLiteral("%1 pairs in the backup, %2 committed before").arg(a).arg(before)));
        QVERIFY(a <= committed);
        QCOMPARE(openedCount(r.file, QStringLiteral("select count(*) from 图书 where 编号 like 'S%'")), 6000);
        // The shared connection stayed open and works.
        QVERIFY(t.db().isOpen());
        QCOMPARE(t.db().scalar(QStringLiteral("select count(*) from 图书 where 名称='a'")).toInt(), int(committed));
        // Nothing but the backup is left in the folder.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("20240301 093000备份.db")});
    }

    // Committed rows that are still only in the write-ahead log are in the backup,
    // though a copy of the database file alone lacks them.
    void rowsStillInTheLog()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        QVERIFY(t.ok());
        t.db().exec(QStringLiteral("pragma wal_checkpoint(truncate)"));
        t.db().exec(QStringLiteral("pragma wal_autocheckpoint=0"));
        addBooks(t.db(), QStringLiteral("L"), 20);
        QTemporaryDir dir;
        const QString plainCopy = dir.filePath(QStringLiteral("copy.db"));
        QVERIFY(QFile::copy(t.db().settings().databaseFile(), plainCopy));
        QCOMPARE(openedCount(plainCopy, QStringLiteral("select count(*) from 图书")), 0);

        const DatabaseBackup::Result r = DatabaseBackup::backup(t.db(), dir.path(), QDateTime::currentDateTime());
        QVERIFY2(r.ok, qPrintable(r.message));
        QCOMPARE(openedCount(r.file, QStringLiteral("select count(*) from 图书")), 20);
    }

    // Two backups within one second: the later replaces the earlier.
    void sameSecondReplaces()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        QVERIFY(t.ok());
        QTemporaryDir dir;
        const QDateTime when(QDate(2024, 3, 1), QTime(9, 30, 0));
        const DatabaseBackup::Result first = DatabaseBackup::backup(t.db(), dir.path(), when);
        QVERIFY2(first.ok, qPrintable(first.message));
        addBooks(t.db(), QStringLiteral("N"), 3);
        const DatabaseBackup::Result second = DatabaseBackup::backup(t.db(), dir.path(), when);
        QVERIFY2(second.ok, qPrintable(second.message));
        QCOMPARE(second.file, first.file);
        QCOMPARE(openedCount(second.file, QStringLiteral("select count(*) from 图书")), 3);
        QCOMPARE(DatabaseBackup::backupsIn(dir.path()), QStringList{QStringLiteral("20240301 093000备份.db")});
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void listsTheFolder()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        QVERIFY(t.ok());
        QTemporaryDir dir;
        QFile other(dir.filePath(QStringLiteral("说明.txt")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        QVERIFY(DatabaseBackup::backup(t.db(), dir.path(), QDateTime(QDate(2024, 3, 2), QTime(8, 0, 0))).ok);
        QVERIFY(DatabaseBackup::backup(t.db(), dir.path(), QDateTime(QDate(2024, 3, 1), QTime(8, 0, 0))).ok);
        QCOMPARE(DatabaseBackup::backupsIn(dir.path()),
                 (QStringList{QStringLiteral("20240301 080000备份.db"), QStringLiteral("20240302 080000备份.db")}));
    }

    // A failed backup says why and leaves nothing behind; the connection stays usable.
    void failures_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing folder") << QStringLiteral("missing");
        QTest::newRow("empty folder name") << QStringLiteral("empty");
        QTest::newRow("a file, not a folder") << QStringLiteral("file");
        QTest::newRow("read-only folder") << QStringLiteral("readonly");
    }
    void failures()
    {
        QFETCH(QString, kind);
        TestDatabase t(QStringLiteral("sqlite"));
        QVERIFY(t.ok());
        QTemporaryDir dir;
        QString folder = dir.filePath(QStringLiteral("nosuch"));
        if (kind == QLatin1String("empty"))
            folder.clear();
        if (kind == QLatin1String("file")) {
            folder = dir.filePath(QStringLiteral("plain"));
            QFile f(folder);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        if (kind == QLatin1String("readonly")) {
            folder = dir.filePath(QStringLiteral("ro"));
            QVERIFY(QDir().mkdir(folder));
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            if (QFileInfo(folder).isWritable() || ::geteuid() == 0)
                QSKIP("running as root: a read-only folder is still writable");
        }
        const DatabaseBackup::Result r = DatabaseBackup::backup(t.db(), folder, QDateTime::currentDateTime());
        QVERIFY(!r.ok);
        QVERIFY2(r.message.startsWith(QStringLiteral("备份失败: ")), qPrintable(r.message));
        QVERIFY(r.message.size() > QStringLiteral("备份失败: ").size());
        if (QFileInfo(folder).isDir())
            QVERIFY(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
        QCOMPARE(t.db().scalar(QStringLiteral("select count(*) from 管理员")).toInt(), 1);
    }

    void serverDialectRefuses()
    {
        OPEN_TEST_DATABASE(t, QStringLiteral("postgresql"));
        QTemporaryDir dir;
        const DatabaseBackup::Result r = DatabaseBackup::backup(t.db(), dir.path(), QDateTime::currentDateTime());
        QVERIFY(!r.ok);
        QCOMPARE(r.message, QStringLiteral("请使用PostgreSQL的pg_dump备份!"));
        QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    // Restoring is copying the backup over book.db: the program then opens it as it was.
    void restoreByCopying()
    {
        QTemporaryDir dir;
        QString backupFile;
        {
            TestDatabase t(QStringLiteral("sqlite"));
            QVERIFY(t.ok());
            addBooks(t.db(), QStringLiteral("R"), 7);
            const DatabaseBackup::Result r = DatabaseBackup::backup(t.db(), dir.path(), QDateTime::currentDateTime());
            QVERIFY2(r.ok, qPrintable(r.message));
            backupFile = r.file;
        }
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("install")));
        const QString bookDb = dir.filePath(QStringLiteral("install/book.db"));
        QVERIFY(QFile::copy(backupFile, bookDb));
        QCOMPARE(openedCount(bookDb, QStringLiteral("select count(*) from 图书")), 7);
        QCOMPARE(openedCount(bookDb, QStringLiteral("select count(*) from 系统设置")), 1);
    }
};

QTEST_GUILESS_MAIN(TestDatabaseBackup)
#include "tst_database_backup.moc"
