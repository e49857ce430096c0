// SPDX-License-Identifier: MIT
// A lending process killed in the middle of its transaction leaves all of that lend
// or none of it. The test starts itself as the lending process (BOOK_LEND_CHILD), holds
// it at the pause point inside 借出 (BOOK_PAUSE_AT=lend: the loan rows and the shelf
// counts are written, the reader's counters not yet, nothing committed), kills it, and
// reads the database from a connection of its own.
#include "CirculationFixtures.h"
#include "TestDatabase.h"

#include "circulation/LendingDesk.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QtTest>

namespace {
const QString kReader = QStringLiteral("R1");
const QStringList kItems{QStringLiteral("B1"), QStringLiteral("B2")};

// The lending process: reader R1 borrows B1 and B2 at one 借出.
int lendAsChild(const QString &connection)
{
    SharedConnection db(QStringLiteral("child"));
    QString error;
    if (!db.open(ConnectionSettings::parse(connection), &error)) {
        std::fprintf(stderr, "open: %s\n", qPrintable(error));
        return 2;
    }
    const LoginSession session = Fixture::session();
    LendingDesk desk(db, session);
    if (!desk.lookUpReader(kReader).isEmpty())
        return 2;
    for (const QString &item : kItems) {
        const LendingDesk::Found f = desk.findItems(ItemTable::Book, ItemKey::Number, item);
        if (f.rows.isEmpty() || desk.admit(f.rows.first()).outcome != LendingDesk::Outcome::Listed)
            return 2;
    }
    const LendingDesk::LendResult r = desk.lend(false);
    std::printf("%s\n", r.message.toUtf8().constData());
    return r.ok ? 0 : 1;
}

// What the lend touches, in one text: the loans, the two items' shelf and loan counts,
// the reader's open and total counts.
QString state(const SharedConnection &db)
{
    QStringList parts;
    parts << QStringLiteral("loans=%1").arg(db.scalar(QStringLiteral("select count(*) from 借出记录")).toInt());
    for (const QString &item : kItems)
        parts << QStringLiteral("%1:%2/%3").arg(item,
                                                Fixture::cell(db, QStringLiteral("图书"), QStringLiteral("数量"),
                                                              QStringLiteral("编号=?"), {item}),
                                                Fixture::cell(db, QStringLiteral("图书"), QStringLiteral("借出次数"),
                                                              QStringLiteral("编号=?"), {item}));
    parts << QStringLiteral("reader:%1/%2")
                 .arg(Fixture::cell(db, QStringLiteral("读者库"), QStringLiteral("未还数量"), QStringLiteral("读者编号=?"),
                                    {kReader}),
                      Fixture::cell(db, QStringLiteral("读者库"), QStringLiteral("累计借阅次数"),
                                    QStringLiteral("读者编号=?"), {kReader}));
    return parts.join(QLatin1Char(' '));
}

// Before the lend, and after all of it.
const QString kNone = QStringLiteral("loans=0 B1:1/0 B2:2/0 reader:0/0");
const QString kAll = QStringLiteral("loans=2 B1:0/1 B2:1/1 reader:2/2");

void addRows(const SharedConnection &db)
{
    Fixture::reader(db, kReader);
    Fixture::item(db, QStringLiteral("B1"));
    Fixture::item(db, QStringLiteral("B2"), QStringLiteral("数量=2"));
}

void startChild(QProcess &child, const QString &connection, bool pause)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("BOOK_LEND_CHILD"), connection);
    if (pause)
        env.insert(QStringLiteral("BOOK_PAUSE_AT"), QStringLiteral("lend"));
    else
        env.remove(QStringLiteral("BOOK_PAUSE_AT"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
}

// Other sessions on the server database (a killed client's backend ends a moment later).
int otherSessions(const SharedConnection &db)
{
    if (!db.dialect().isServer())
        return 0;
    return db.scalar(QStringLiteral("select count(*) from pg_stat_activity where datname = current_database() "
                                    "and pid <> pg_backend_pid()"))
        .toInt();
}
} // namespace

class LendCrashTest : public QObject
{
    Q_OBJECT

private slots:
    void killedInsideTheTransaction_data() { TestDatabase::addEngines(); }
    void killedInsideTheTransaction()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        addRows(t.db());
        QCOMPARE(state(t.db()), kNone);

        QProcess child;
        startChild(child, t.connectionString(), true);
        QVERIFY(child.waitForStarted());
        child.setReadChannel(QProcess::StandardError);
        QByteArray said;
        const QDeadlineTimer deadline(60000);
        while (!said.contains("paused at lend") && child.state() == QProcess::Running && !deadline.hasExpired()) {
            child.waitForReadyRead(500);
            said += child.readAllStandardError();
        }
        QVERIFY2(said.contains("paused at lend"), said.constData());
        // Inside the transaction: nothing of it is visible to another connection.
        QCOMPARE(state(t.db()), kNone);

        child.kill();
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QTRY_COMPARE_WITH_TIMEOUT(otherSessions(t.db()), 0, 20000);
        QCOMPARE(state(t.db()), kNone);

        // The database is not left locked: the same lend now goes through whole.
        const LoginSession session = Fixture::session();
        LendingDesk desk(t.db(), session);
        QCOMPARE(desk.lookUpReader(kReader), QString());
        for (const QString &item : kItems)
            QCOMPARE(desk.admit(desk.findItems(ItemTable::Book, ItemKey::Number, item).rows.value(0)).outcome,
                     LendingDesk::Outcome::Listed);
        QVERIFY(desk.lend(false).ok);
        QCOMPARE(state(t.db()), kAll);
    }

    void completedLendHoldsAll_data() { TestDatabase::addEngines(); }
    void completedLendHoldsAll()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        addRows(t.db());
        QProcess child;
        startChild(child, t.connectionString(), false);
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).trimmed(), QStringLiteral("借阅完毕!"));
        QCOMPARE(state(t.db()), kAll);
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("BOOK_LEND_CHILD"))
        return lendAsChild(qEnvironmentVariable("BOOK_LEND_CHILD"));
    LendCrashTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_lend_crash.moc"
