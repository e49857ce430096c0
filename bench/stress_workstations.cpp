// SPDX-License-Identifier: MIT
// Concurrent workstations: several processes lend, return, renew and top up at random
// over a small shared set of books and readers on one database, then the library is
// checked: for every item 数量 plus its open loans equals its starting stock; for
// every reader 未还数量 equals its open loans and 卡内金额 equals the starting balance
// plus top-ups minus rent and fines charged; no loan lent or returned twice.
// Exits 1 on any broken invariant (a refusal is fine), 2 on wrong usage, 77 when an
// engine asked for has no server (1 when BOOK_TEST_REQUIRE_PG is set).
//
//   stress_workstations [--engines sqlite,postgresql] [--sqlite-workers 4] [--pg-workers 8]
//                       [--operations 250] [--pg ADMIN-CONNECTION]
// The server connection defaults to BOOK_TEST_PG.
#include "StressWorker.h"
#include "StressWorld.h"

#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

namespace {

constexpr int kSkipped = 77;

void say(const QString &text)
{
    std::printf("%s\n", text.toUtf8().constData());
    std::fflush(stdout);
}

// Runs the workers on one database and checks it; true when every invariant holds.
bool stress(const QString &engine, const QString &connection, int workers, int operations)
{
    SharedConnection db(QStringLiteral("stress-") + engine);
    QString error;
    if (!db.open(ConnectionSettings::parse(connection), &error, true)) {
        say(engine + QStringLiteral(": ") + error);
        return false;
    }
    StressWorld::Start start;
    try {
        Schema::create(db);
        start = StressWorld::seed(db);
    } catch (const DatabaseError &e) {
        say(engine + QStringLiteral(": seed: ") + e.message());
        return false;
    }

    QElapsedTimer clock;
    clock.start();
    std::vector<std::unique_ptr<QProcess>> processes;
    for (int i = 0; i < workers; ++i) {
        auto p = std::make_unique<QProcess>();
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--worker"), QStringLiteral("--connect"), connection, QStringLiteral("--seed"),
                  QString::number(1000 * (i + 1) + workers), QStringLiteral("--operations"), QString::number(operations)});
        processes.push_back(std::move(p));
    }
    StressWorld::Reported reported;
    QMap<QString, int> done, refused, reasons;
    bool workersOk = true;
    for (int i = 0; i < workers; ++i) {
        QProcess &p = *processes[size_t(i)];
        p.waitForFinished(-1);
        const QJsonObject r = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0 || r.isEmpty() || r.contains(QStringLiteral("error"))) {
            say(QStringLiteral("%1: worker %2 failed (exit %3): %4")
                    .arg(engine).arg(i + 1).arg(p.exitCode()).arg(r.value(QStringLiteral("error")).toString()));
            workersOk = false;
            continue;
        }
        const auto add = [&r](const char *key, QMap<QString, int> &into) {
            const QJsonObject o = r.value(QLatin1String(key)).toObject();
            for (auto it = o.begin(); it != o.end(); ++it)
                into[it.key()] += it.value().toInt();
        };
        add("done", done);
        add("refused", refused);
        add("reasons", reasons);
        reported.lentItems += r.value(QStringLiteral("lentItems")).toInt();
        reported.topUps += Money::fromText(r.value(QStringLiteral("topUps")).toString());
        reported.debits += Money::fromText(r.value(QStringLiteral("debits")).toString());
        for (const QJsonValue v : r.value(QStringLiteral("returnedIds")).toArray())
            reported.returnedIds << qint64(v.toDouble());
    }
    for (auto it = done.cbegin(); it != done.cend(); ++it)
        reported.returns += it.key() == QLatin1String("return") ? it.value() : 0;
    const double seconds = clock.elapsed() / 1000.0;

    QStringList broken;
    try {
        broken = StressWorld::check(db, start, reported);
    } catch (const DatabaseError &e) {
        broken << QStringLiteral("check: ") + e.message();
    }
    int allDone = 0, allRefused = 0;
    QStringList parts;
    for (const QString &op : {QStringLiteral("lend"), QStringLiteral("return"), QStringLiteral("renew"), QStringLiteral("top-up")}) {
        parts << QStringLiteral("%1 %2 done / %3 refused").arg(op).arg(done.value(op)).arg(refused.value(op));
        allDone += done.value(op);
        allRefused += refused.value(op);
    }
    say(QStringLiteral("%1: %2 workers x %3 operations in %4 s: %5 done, %6 refused (%7 items lent)")
            .arg(engine).arg(workers).arg(operations).arg(seconds, 0, 'f', 1).arg(allDone).arg(allRefused)
            .arg(reported.lentItems));
    say(QStringLiteral("  ") + parts.join(QStringLiteral("; ")));
    for (auto it = reasons.cbegin(); it != reasons.cend(); ++it)
        say(QStringLiteral("  refused %1 x %2").arg(it.value(), 4).arg(it.key()));
    for (const QString &b : broken)
        say(QStringLiteral("  BROKEN: ") + b);
    if (broken.isEmpty() && workersOk)
        say(QStringLiteral("  every invariant holds"));
    return broken.isEmpty() && workersOk;
}

QString serverDatabase(const QString &admin, QString *name, QString *error)
{
    SharedConnection a(QStringLiteral("stress-admin"));
    if (!a.open(ConnectionSettings::parse(admin), error))
        return {};
    *name = QStringLiteral("stress_%1").arg(QCoreApplication::applicationPid());
    try {
        a.exec(QStringLiteral("create database %1").arg(*name));
    } catch (const DatabaseError &e) {
        *error = e.message();
        return {};
    }
    const ConnectionSettings s = ConnectionSettings::parse(admin);
    return ConnectionSettings::serverString(s.password(), s.user(), *name, s.value(QStringLiteral("Data Source")));
}

void dropServerDatabase(const QString &admin, const QString &name)
{
    SharedConnection a(QStringLiteral("stress-admin-drop"));
    QString error;
    if (a.open(ConnectionSettings::parse(admin), &error)) {
        try {
            a.exec(QStringLiteral("drop database if exists %1").arg(name));
        } catch (const DatabaseError &) {
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Concurrent workstations on one database."));
    parser.addHelpOption();
    const QCommandLineOption engines(QStringLiteral("engines"), QStringLiteral("sqlite,postgresql"), QStringLiteral("list"),
                                     QStringLiteral("sqlite,postgresql"));
    const QCommandLineOption sqliteWorkers(QStringLiteral("sqlite-workers"), QStringLiteral("Processes on SQLite."),
                                           QStringLiteral("n"), QStringLiteral("4"));
    const QCommandLineOption pgWorkers(QStringLiteral("pg-workers"), QStringLiteral("Processes on PostgreSQL."),
                                       QStringLiteral("n"), QStringLiteral("8"));
    const QCommandLineOption operations(QStringLiteral("operations"), QStringLiteral("Operations per process."),
                                        QStringLiteral("n"), QStringLiteral("250"));
    const QCommandLineOption pg(QStringLiteral("pg"), QStringLiteral("Administrative PostgreSQL connection."),
                                QStringLiteral("connection"));
    // The worker side, started by the command itself.
    const QCommandLineOption worker(QStringLiteral("worker"), QStringLiteral("Run as one workstation."));
    const QCommandLineOption connect(QStringLiteral("connect"), QStringLiteral("Connection string."), QStringLiteral("cs"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Random seed."), QStringLiteral("n"),
                                  QStringLiteral("1"));
    parser.addOptions({engines, sqliteWorkers, pgWorkers, operations, pg, worker, connect, seed});
    parser.process(app);

    const int ops = parser.value(operations).toInt();
    if (ops <= 0) {
        std::fprintf(stderr, "--operations must be a positive number\n");
        return 2;
    }
    if (parser.isSet(worker)) {
        const QJsonObject r = StressWorker::run(parser.value(connect), parser.value(seed).toUInt(), ops);
        std::printf("%s\n", QJsonDocument(r).toJson(QJsonDocument::Compact).constData());
        return r.contains(QStringLiteral("error")) ? 1 : 0;
    }

    bool ok = true;
    bool skipped = false; // an engine without a server
    for (const QString &engine : parser.value(engines).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (engine == QLatin1String("sqlite")) {
            QTemporaryDir dir;
            ok = stress(QStringLiteral("SQLite"),
                        QStringLiteral("Provider=SQLite;Data Source=%1;").arg(dir.filePath(QStringLiteral("book.db"))),
                        parser.value(sqliteWorkers).toInt(), ops) && ok;
        } else if (engine == QLatin1String("postgresql")) {
            const QString admin = parser.isSet(pg) ? parser.value(pg) : qEnvironmentVariable("BOOK_TEST_PG");
            if (admin.isEmpty()) {
                say(QStringLiteral("PostgreSQL: no server (give --pg or set BOOK_TEST_PG)"));
                skipped = true;
                continue;
            }
            QString name, error;
            const QString cs = serverDatabase(admin, &name, &error);
            if (cs.isEmpty()) {
                say(QStringLiteral("PostgreSQL: ") + error);
                ok = false;
                continue;
            }
            ok = stress(QStringLiteral("PostgreSQL"), cs, parser.value(pgWorkers).toInt(), ops) && ok;
            dropServerDatabase(admin, name);
        } else {
            std::fprintf(stderr, "unknown engine %s\n", qPrintable(engine));
            return 2;
        }
    }
    if (!ok)
        return 1;
    // A missing server is a failure where one is required (scripts/test), else a skip.
    if (skipped)
        return qEnvironmentVariableIsSet("BOOK_TEST_REQUIRE_PG") ? 1 : kSkipped;
    return 0;
}
