// SPDX-License-Identifier: MIT
// The library benchmark: generates a library on SQLite and on PostgreSQL, runs the
// counter, the lists, the statistics, the export, the imports and the MARC reader on
// it, and prints one table of medians, 95th percentiles and rows per second.
//
//   bench_library [--scale 0.05] [--engines sqlite,postgresql] [--pg ADMIN-CONNECTION]
//                 [--runs N] [--folder DIR]
// Without --pg the server connection is taken from BOOK_TEST_PG; without either the
// PostgreSQL rows are left out.
#include "BenchContext.h"

#include "foundation/DayClock.h"
#include "foundation/Schema.h"
#include "session/SignIn.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

struct Engine {
    QString name;       // as printed
    QString connection; // of the bench database
    QString adminConnection;
    QString serverDatabase; // PostgreSQL: created here, dropped at the end
};

bool prepare(Engine &e, const QString &folder, QString *error)
{
    if (e.name == QLatin1String("SQLite")) {
        const QString file = QDir(folder).filePath(QStringLiteral("bench.db"));
        QFile::remove(file);
        e.connection = QStringLiteral("Provider=SQLite;Data Source=%1;").arg(file);
        return true;
    }
    SharedConnection admin(QStringLiteral("bench-admin"));
    if (!admin.open(ConnectionSettings::parse(e.adminConnection), error))
        return false;
    e.serverDatabase = QStringLiteral("bench_library_%1").arg(QCoreApplication::applicationPid());
    try {
        admin.exec(QStringLiteral("drop database if exists %1").arg(e.serverDatabase));
        admin.exec(QStringLiteral("create database %1").arg(e.serverDatabase));
    } catch (const DatabaseError &x) {
        *error = x.message();
        return false;
    }
    const ConnectionSettings a = ConnectionSettings::parse(e.adminConnection);
    e.connection = ConnectionSettings::serverString(a.password(), a.user(), e.serverDatabase,
                                                    a.value(QStringLiteral("Data Source")));
    return true;
}

void dropServerDatabase(const Engine &e)
{
    if (e.serverDatabase.isEmpty())
        return;
    SharedConnection admin(QStringLiteral("bench-admin-drop"));
    QString error;
    if (admin.open(ConnectionSettings::parse(e.adminConnection), &error)) {
        try {
            admin.exec(QStringLiteral("drop database if exists %1").arg(e.serverDatabase));
        } catch (const DatabaseError &) {
        }
    }
}

void runEngine(Engine &e, const LibrarySize &size, const BenchFiles &files, const QString &folder, int runs,
               BenchTable &table)
{
    QString error;
    if (!prepare(e, folder, &error)) {
        table.missing(QStringLiteral("generate the library"), e.name, error);
        return;
    }
    SharedConnection db(QStringLiteral("bench-") + e.name);
    if (!db.open(ConnectionSettings::parse(e.connection), &error, true)) {
        table.missing(QStringLiteral("generate the library"), e.name, error);
        return;
    }
    std::fprintf(stderr, "%s: generating the library\n", qPrintable(e.name));
    try {
        Schema::create(db);
        LibraryGenerator::generate(db, size, DayClock::today(),
                                   [&](const QString &step, qint64 rows, double seconds) {
                                       std::fprintf(stderr, "  %-10s %8lld rows %7.1f s\n", qPrintable(step),
                                                    rows, seconds);
                                       if (rows > 0)
                                           table.add({QStringLiteral("generate %1 (%2 rows)").arg(step).arg(rows),
                                                      e.name, {seconds * 1000}, rows, {}});
                                   });
    } catch (const DatabaseError &x) {
        table.missing(QStringLiteral("generate the library"), e.name, x.message());
        return;
    }

    BenchContext c{db, e.name, LoginSession(), size, folder, table, runs};
    try {
        SignIn::loadSwitches(db, c.session);
        SignIn::signIn(db, c.session, QStringLiteral("超级管理员"), QStringLiteral("8316"));
    } catch (const DatabaseError &x) {
        table.missing(QStringLiteral("sign-in"), e.name, x.message());
        return;
    }
    std::fprintf(stderr, "%s: measuring\n", qPrintable(e.name));
    benchSignIn(c);
    benchCounter(c);
    benchLists(c);
    benchStatistics(c);
    benchExport(c);
    benchImports(c, files);
    db.close();
    dropServerDatabase(e);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Library benchmark: one table of figures."));
    parser.addHelpOption();
    const QCommandLineOption scaleOption(QStringLiteral("scale"), QStringLiteral("Library size factor (1 = full)."),
                                         QStringLiteral("factor"), QStringLiteral("1"));
    const QCommandLineOption enginesOption(QStringLiteral("engines"), QStringLiteral("sqlite,postgresql"),
                                           QStringLiteral("list"), QStringLiteral("sqlite,postgresql"));
    const QCommandLineOption pgOption(QStringLiteral("pg"), QStringLiteral("Administrative PostgreSQL connection."),
                                      QStringLiteral("connection"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs of the quick operations."),
                                        QStringLiteral("n"), QStringLiteral("20"));
    const QCommandLineOption folderOption(QStringLiteral("folder"), QStringLiteral("Working folder (kept)."),
                                          QStringLiteral("dir"));
    parser.addOptions({scaleOption, enginesOption, pgOption, runsOption, folderOption});
    parser.process(app);

    const double scale = parser.value(scaleOption).toDouble();
    const LibrarySize size = LibrarySize::scaled(scale > 0 ? scale : 1);
    const int runs = std::max(3, parser.value(runsOption).toInt());
    QTemporaryDir temporary;
    const QString folder = parser.isSet(folderOption) ? parser.value(folderOption) : temporary.path();
    QDir().mkpath(folder);
    const QString pg = parser.isSet(pgOption) ? parser.value(pgOption) : qEnvironmentVariable("BOOK_TEST_PG");

    QElapsedTimer total;
    total.start();
    BenchTable table;
    std::fprintf(stderr, "library: %d books, %d periodicals, %d readers, %d loans\n", size.books,
                 size.periodicals, size.readers, size.loans);
    BenchFiles files;
    try {
        files = makeBenchFiles(folder, size);
        benchFileReading(table, files, 3);
    } catch (const DatabaseError &x) {
        std::fprintf(stderr, "files: %s\n", qPrintable(x.message()));
        return 1;
    }
    for (const QString &name : parser.value(enginesOption).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        Engine e;
        if (name == QLatin1String("sqlite")) {
            e.name = QStringLiteral("SQLite");
        } else if (name == QLatin1String("postgresql")) {
            e.name = QStringLiteral("PostgreSQL");
            e.adminConnection = pg;
            if (pg.isEmpty()) {
                table.missing(QStringLiteral("generate the library"), e.name,
                              QStringLiteral("no server: give --pg or BOOK_TEST_PG"));
                continue;
            }
        } else {
            std::fprintf(stderr, "unknown engine %s\n", qPrintable(name));
            return 2;
        }
        runEngine(e, size, files, folder, runs, table);
    }
    std::printf("%s", table.text().toUtf8().constData());
    std::printf("library: %d books, %d periodicals, %d readers, %d loan records; %.0f s in all\n", size.books,
                size.periodicals, size.readers, size.loans, total.elapsed() / 1000.0);
    return 0;
}
