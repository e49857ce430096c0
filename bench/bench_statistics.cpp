// SPDX-License-Identifier: MIT
// Times the statistics on a generated SQLite database of 1,000,000 loan records,
// 100,000 books, 10,000 periodicals and 20,000 readers (usage: bench_statistics [loans [file]]; a file that
// exists is used as it is):
// each stock-taking count, each ranking, each class total, and the loan-record window
// opening on every row with its footer sums. Needs QT_QPA_PLATFORM=offscreen.
#include "foundation/DayClock.h"
#include "foundation/LoginSession.h"
#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"
#include "foundation/GridWidget.h"
#include "statistics/BkJySearchUt.h"
#include "statistics/ClassTotals.h"
#include "statistics/LoanRecordQuery.h"
#include "statistics/Rankings.h"
#include "statistics/StockTaking.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlError>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {
void timed(const char *what, const std::function<void()> &run)
{
    run(); // warm the page cache once
    QElapsedTimer t;
    t.start();
    const std::clock_t cpu = std::clock();
    run();
    // Elapsed time, and the process's processor time (the figure that a busy machine
    // does not inflate).
    std::printf("%-36s %8.1f ms  (cpu %6.1f ms)\n", what, t.nsecsElapsed() / 1e6,
                (std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC);
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int loans = argc > 1 ? QByteArray(argv[1]).toInt() : 1000000;
    QTemporaryDir dir;
    const QString file = argc > 2 ? QString::fromLocal8Bit(argv[2]) : dir.filePath(QStringLiteral("book.db"));
    const bool reuse = QFile::exists(file);
    SharedConnection db(QStringLiteral("bench"));
    QString error;
    if (!db.open(ConnectionSettings::parse(QStringLiteral("Provider=SQLite;Data Source=%1;").arg(file)), &error, true)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    QElapsedTimer fill;
    fill.start();
    if (!reuse) {
        Schema::create(db);
        Transaction tx(db);
        const QStringList classes{QStringLiteral("文学"), QStringLiteral("科技"), QStringLiteral("历史"),
                                  QStringLiteral("艺术"), QStringLiteral("综合")};
        for (int i = 0; i < 100000; ++i)
            db.exec(QStringLiteral("insert into 图书 (编号, 名称, 数量, 价格, 借出次数, 分类, 入库时间) values (?,?,?,?,?,?,?)"),
                    {QStringLiteral("B%1").arg(i, 6, 10, QLatin1Char('0')), QStringLiteral("书名%1").arg(i), i % 5,
                     QStringLiteral("%1.%2").arg(10 + i % 90).arg(i % 100), (i * 7919) % 1000, classes[i % 5],
                     QDateTime(QDate(2020, 1, 1).addDays(i % 1800), QTime(10, 0))});
        for (int i = 0; i < 10000; ++i)
            db.exec(QStringLiteral("insert into 期刊 (编号, 名称, 数量, 价格, 借出次数, 分类, 入库时间) values (?,?,?,?,?,?,?)"),
                    {QStringLiteral("Q%1").arg(i, 6, 10, QLatin1Char('0')), QStringLiteral("期刊%1").arg(i), 2,
                     QStringLiteral("8.5"), (i * 31) % 300, classes[i % 5],
                     QDateTime(QDate(2020, 1, 1).addDays(i % 1800), QTime(10, 0))});
        for (int i = 0; i < 20000; ++i)
            db.exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名, 累计借阅次数, 登记日期) values (?,?,?,?)"),
                    {QStringLiteral("R%1").arg(i, 6, 10, QLatin1Char('0')), QStringLiteral("读者%1").arg(i),
                     (i * 13) % 500, QDateTime(QDate(2020, 1, 1).addDays(i % 1800), QTime(9, 0))});
        QSqlQuery insert(db.database());
        insert.prepare(QStringLiteral("insert into 借出记录 (读者编号, 读者姓名, 条形码, 编号, 名称, 类别, 价格, 借阅日期, "
                                      "应还日期, 归还日期, 已还, 租金, 实际租金, 罚金) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
        for (int i = 0; i < loans; ++i) {
            const QDate lent = QDate(2020, 1, 1).addDays(i % 1800);
            const bool back = i % 10 != 0;
            const int book = (i * 37) % 100000;
            insert.addBindValue(QStringLiteral("R%1").arg(i % 20000, 6, 10, QLatin1Char('0')));
            insert.addBindValue(QStringLiteral("读者%1").arg(i % 20000));
            insert.addBindValue(QStringLiteral("T%1").arg(book));
            insert.addBindValue(QStringLiteral("B%1").arg(book, 6, 10, QLatin1Char('0')));
            insert.addBindValue(QStringLiteral("书名%1").arg(book));
            insert.addBindValue(QStringLiteral("图书"));
            insert.addBindValue(QStringLiteral("%1.5").arg(10 + i % 90));
            insert.addBindValue(lent.toString(Qt::ISODate));
            insert.addBindValue(lent.addDays(30).toString(Qt::ISODate));
            insert.addBindValue(back ? QVariant(lent.addDays(i % 40).toString(Qt::ISODate)) : QVariant());
            insert.addBindValue(back ? QStringLiteral("是") : QStringLiteral("否"));
            insert.addBindValue(QStringLiteral("0.1"));
            insert.addBindValue(back ? QStringLiteral("%1.1").arg(i % 5) : QStringLiteral("0"));
            insert.addBindValue(i % 7 == 0 ? QStringLiteral("0.3") : QStringLiteral("0"));
            if (!insert.exec()) {
                std::fprintf(stderr, "insert: %s\n", qPrintable(insert.lastError().text()));
                return 1;
            }
        }
        tx.commit();
        db.exec(QStringLiteral("analyze"));
        std::printf("generated %d loans in %.1f s\n", loans, fill.elapsed() / 1000.0);
    }

    // With BENCH_RETURN_INDEX=1: the figures with an index on the return day, which the
    // schema does not have (the return counts scan the loans without it).
    if (qEnvironmentVariableIntValue("BENCH_RETURN_INDEX") == 1) {
        db.exec(QStringLiteral("create index if not exists bench_return_day on 借出记录 (归还日期)"));
        std::printf("with an index on 借出记录.归还日期\n");
    }
    const QDate from(2023, 3, 1), to(2023, 3, 2);
    timed("stock-taking totals (7 counts)", [&] { StockTaking::totals(db); });
    timed("stock-taking period counts (6)", [&] { StockTaking::periodCounts(db, from, to); });
    for (const auto &[name, kind] : {std::pair{"ranking books", Rankings::Kind::Books},
                                     std::pair{"ranking periodicals", Rankings::Kind::Periodicals},
                                     std::pair{"ranking readers", Rankings::Kind::Readers}})
        timed(name, [&, kind = kind] { Rankings::rows(db, kind); });
    timed("ranking books, server form", [&] {
        QSqlQuery q = db.exec(Rankings::statement(SqlDialect(QStringLiteral("s")), Rankings::Kind::Books));
        while (q.next()) {
        }
    });
    timed("class totals 图书", [&] { ClassTotals::rows(db, QStringLiteral("图书")); });
    timed("class totals 期刊", [&] { ClassTotals::rows(db, QStringLiteral("期刊")); });
    timed("loan footer sums, all rows", [&] { LoanRecords::sumsOfAll(db); });
    LoanConditions c;
    c.reader = QStringLiteral("R000042");
    timed("loan query by reader with sums", [&] {
        const LoanStatement s = LoanRecords::build(c);
        QSqlQuery q = LoanRecords::open(db, s);
        while (q.next()) {
        }
        LoanRecords::sums(db, s);
    });
    LoginSession session;
    timed("loan window opens on all rows", [&] {
        TBkJySearchFm w(db, session);
        w.show();
        QApplication::processEvents();
        std::printf("  (rows %d, 价格 footer %s)\n", w.grid()->rowCount(),
                    qPrintable(w.grid()->footerText(QStringLiteral("价格"))));
    });
    db.close();
    return 0;
}
