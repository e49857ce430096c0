// SPDX-License-Identifier: MIT
// Times the reader search over 20,000 readers (usage: bench_reader_search [readers]
// [connection string]; without a connection string an SQLite file in a temporary folder).
#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"
#include "readers/ReaderSearch.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>

namespace {
const char16_t kSurnames[] = u"赵钱孙李周吴郑王冯陈褚卫蒋沈韩杨朱秦尤许何吕施张孔曹严华金魏陶姜";
const char16_t kGiven[] = u"伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华玉萍红玲";

// Reads every row, as the grid's first page and the footer count would touch them.
int run(const SharedConnection &db, const ReaderSearch::Request &r, double *ms)
{
    const ReaderSearch::Statement s = ReaderSearch::build(r);
    QElapsedTimer clock;
    clock.start();
    QSqlQuery q = db.exec(s.sql, s.values);
    int rows = 0;
    while (q.next())
        ++rows;
    *ms = clock.nsecsElapsed() / 1e6;
    return rows;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int readers = argc > 1 ? QByteArray(argv[1]).toInt() : 20000;
    QTemporaryDir dir;
    const QString connection = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                        : QStringLiteral("Provider=SQLite;Data Source=%1;").arg(dir.filePath("book.db"));
    SharedConnection db(QStringLiteral("bench"));
    QString error;
    if (!db.open(ConnectionSettings::parse(connection), &error, true)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    try {
        if (!Schema::exists(db))
            Schema::create(db);
        db.exec(QStringLiteral("delete from 读者库"));
        Transaction t(db);
        const QDateTime start(QDate(2020, 1, 1), QTime(8, 0));
        for (int i = 0; i < readers; ++i) {
            const QString name = QString(QChar(kSurnames[i % 30])) + QChar(kGiven[(i / 30) % 28]) + QChar(kGiven[(i / 7) % 28]);
            db.exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名, CardId, 类别, 单位部门, 登记日期, 状态) "
                                   "values (?,?,?,?,?,?,?)"),
                    {QStringLiteral("R%1").arg(i, 6, 10, QLatin1Char('0')), name,
                     QStringLiteral("C%1").arg(i * 7919 % 1000003, 7, 10, QLatin1Char('0')), QStringLiteral("普通"),
                     QStringLiteral("部门%1").arg(i % 40), start.addSecs(qint64(i) * 3600), QStringLiteral("正常")});
        }
        t.commit();
        if (db.dialect().isServer())
            db.exec(QStringLiteral("analyze 读者库"));
    } catch (const DatabaseError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }

    struct Case {
        const char *label;
        ReaderSearch::Request request;
    };
    ReaderSearch::Request fuzzyName{QStringLiteral("读者姓名"), QStringLiteral("张"), false, false, {}, {}};
    ReaderSearch::Request exactNumber{QStringLiteral("读者编号"), QStringLiteral("R012345"), true, false, {}, {}};
    ReaderSearch::Request cardPart{QStringLiteral("读者卡号"), QStringLiteral("777"), false, false, {}, {}};
    ReaderSearch::Request dates{QStringLiteral("读者编号"), QString(), false, true, QDate(2021, 1, 1), QDate(2021, 3, 1)};
    ReaderSearch::Request unitAndDates{QStringLiteral("单位部门"), QStringLiteral("部门1"), false, true,
                                       QDate(2020, 1, 1), QDate(2022, 1, 1)};
    const Case cases[] = {{"fuzzy 读者姓名", fuzzyName},
                          {"exact 读者编号", exactNumber},
                          {"读者卡号 substring", cardPart},
                          {"登记日期 range only", dates},
                          {"fuzzy 单位部门 + dates", unitAndDates}};
    std::printf("%s, %d readers\n", qPrintable(db.dialect().engineName()), readers);
    for (const Case &c : cases) {
        double best = 1e9, worst = 0;
        int rows = 0;
        for (int i = 0; i < 10; ++i) {
            double ms = 0;
            rows = run(db, c.request, &ms);
            best = std::min(best, ms);
            worst = std::max(worst, ms);
        }
        std::printf("  %-26s %6d rows  best %7.2f ms  worst %7.2f ms\n", c.label, rows, best, worst);
    }
    db.close();
    return 0;
}
