// SPDX-License-Identifier: MIT
// Times the .xlsx exports on 100,000 rows x 10 columns (usage: bench_spreadsheet_export [rows]).
#include "foundation/ExcelExport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    QTemporaryDir dir;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
    db.setDatabaseName(QStringLiteral(":memory:"));
    if (!db.open())
        return 1;
    QSqlQuery q(db);
    q.exec(QStringLiteral("create table 图书 (编号 integer, 条形码 text, 名称 text, 作者 text, 价格 real, "
                          "数量 integer, 出版社 text, 入库时间 text, 借阅日期 text, 备注 text)"));
    db.transaction();
    q.prepare(QStringLiteral("insert into 图书 values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int i = 0; i < rows; ++i) {
        q.addBindValue(2412081530LL + i);
        q.addBindValue(QStringLiteral("%1").arg(i, 8, 10, QLatin1Char('0')));
        q.addBindValue(QStringLiteral("红楼梦 第%1卷").arg(i % 120));
        q.addBindValue(QStringLiteral("曹雪芹"));
        q.addBindValue(25.5 + i % 100);
        q.addBindValue(i % 7);
        q.addBindValue(QStringLiteral("人民文学出版社"));
        q.addBindValue(QStringLiteral("2024-12-08 15:30:00"));
        q.addBindValue(QStringLiteral("2024-12-08"));
        q.addBindValue(i % 3 ? QVariant(QStringLiteral("馆藏")) : QVariant());
        q.exec();
    }
    db.commit();

    for (const bool forwardOnly : {true, false}) {
        QSqlQuery query(db);
        query.setForwardOnly(forwardOnly);
        query.exec(QStringLiteral("select * from 图书"));
        ExcelExportOptions options;
        options.filePath = dir.filePath(QStringLiteral("query.xlsx"));
        QElapsedTimer timer;
        timer.start();
        const ExcelExportResult result = ExportQueryToExcel(query, options);
        std::printf("query export%s: %d rows x 10 columns in %.2f s, %.1f MB, ok=%d\n",
                    forwardOnly ? " (forward only)" : "", result.rowsWritten, timer.elapsed() / 1000.0,
                    QFileInfo(result.filePath).size() / 1e6, int(result.ok));
    }

    QList<QStringList> items;
    QSqlQuery all(db);
    all.exec(QStringLiteral("select * from 图书"));
    while (all.next()) {
        QStringList item;
        for (int c = 0; c < 10; ++c)
            item.append(all.value(c).toString());
        items.append(item);
    }
    ExcelExportOptions options;
    options.filePath = dir.filePath(QStringLiteral("list.xlsx"));
    QElapsedTimer timer;
    timer.start();
    const ExcelExportResult result = ExportListToExcel(
        {"编号", "条形码", "名称", "作者", "价格", "数量", "出版社", "入库时间", "借阅日期", "备注"}, items, options);
    std::printf("list export: %d rows x 10 columns in %.2f s, ok=%d\n", result.rowsWritten,
                timer.elapsed() / 1000.0, int(result.ok));
    return 0;
}
