// SPDX-License-Identifier: MIT
// The imports' own figures (usage: bench_import [rows]): the book import from a
// 31-column .xlsx into SQLite for several batch sizes, beside the same rows by the
// sqlite3 shell in one transaction, and the reading of a file of MARC records.
#include "EngineShell.h"
#include "MarcWriter.h"

#include "foundation/ConnectionSettings.h"
#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"
#include "foundation/SheetReader.h"
#include "foundation/SpreadsheetExport.h"
#include "import/MarcFile.h"
#include "import/SheetImport.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <sys/resource.h>

namespace {

// CPU seconds of this process (or of its finished children): a figure that the other
// work on a shared machine does not inflate.
double cpuSeconds(int who = RUSAGE_SELF)
{
    rusage u{};
    getrusage(who, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Row i of the sheet, in the layout's column order (a few columns left empty).
QVariantList sheetRow(int i)
{
    static const QStringList classes{QStringLiteral("文学"), QStringLiteral("历史"), QStringLiteral("计算机")};
    return {QStringLiteral("B%1").arg(i, 7, 10, QLatin1Char('0')), QString::number(70000000 + i),
            QStringLiteral("红楼梦 第%1卷").arg(i % 120), classes.at(i % 3), QStringLiteral("人民文学出版社"),
            QStringLiteral("曹雪芹"), 25.5 + i % 100, QStringLiteral("978730%1").arg(1000000 + i), 1 + i % 5,
            QStringLiteral("书库"), QStringLiteral("I242.4"), i % 3 ? QVariant() : QVariant(QStringLiteral("简介")),
            QStringLiteral("小说"), QStringLiteral("2010.5"), 80 + i % 800, QVariant(), QStringLiteral("第1版"),
            QStringLiteral("I242.4/%1").arg(i % 500 + 1), QStringLiteral("hlm"), i % 500 + 1,
            QStringLiteral("人民币"), QStringLiteral("普通"), 0, QStringLiteral("超级管理员"),
            QDate(2024, 5, i % 28 + 1), QStringLiteral("公开"), QVariant(), QStringLiteral("购买"), QVariant(),
            QStringLiteral("n"), QVariant()};
}

// The first rows of a sheet (the header and n data rows).
class FirstRows : public SheetReader
{
public:
    FirstRows(const SheetReader &sheet, int dataRows) : m_sheet(sheet), m_rows(qMin(sheet.rowCount(), dataRows + 1)) {}
    QString read(const QString &) override { return {}; }
    QString sheetName() const override { return m_sheet.sheetName(); }
    int rowCount() const override { return m_rows; }
    int columnCount() const override { return m_sheet.columnCount(); }
    QString cellText(int row, int column) const override { return m_sheet.cellText(row, column); }

private:
    const SheetReader &m_sheet;
    int m_rows;
};

bool openDatabase(SharedConnection &db, const QString &file)
{
    QFile::remove(file);
    QString error;
    if (!db.open(ConnectionSettings::parse(QStringLiteral("Provider=SQLite;Data Source=%1;").arg(file)), &error, true)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    Schema::create(db);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    QTemporaryDir dir;
    const SheetLayout &layout = SheetLayouts::books();

    // The sheet, and the same rows as the shell's statements.
    const QString sheetPath = dir.filePath(QStringLiteral("books.xlsx"));
    const QString sqlPath = dir.filePath(QStringLiteral("books.sql"));
    {
        SpreadsheetExport sheet(sheetPath);
        sheet.writeHeader(layout.captions());
        QFile sql(sqlPath);
        if (!sheet.isOpen() || !sql.open(QIODevice::WriteOnly))
            return 1;
        QTextStream out(&sql);
        out << "begin;\n";
        QList<SpreadsheetExport::Kind> kinds;
        for (int c = 0; c < 31; ++c)
            kinds << SpreadsheetExport::Kind::Auto;
        sheet.setColumnKinds(kinds);
        for (int i = 0; i < rows; ++i) {
            const QVariantList cells = sheetRow(i);
            sheet.writeRow(cells);
            QVariantList values;
            for (const QString &field : layout.statementFields) {
                const int c = layout.columnOf(field);
                QVariant v = c < 0 ? QVariant(QStringLiteral("正常")) : cells.value(c);
                if (v.typeId() == QMetaType::QDate)
                    v = QDateTime(v.toDate(), QTime(0, 0));
                values << (v.isNull() ? QVariant(QStringLiteral("")) : v);
            }
            out << EngineShell::insertLine(layout.table, layout.statementFields, values);
        }
        out << "commit;\n";
        if (!sheet.finish())
            return 1;
    }
    std::printf("sheet: %d rows x 31 columns, %.1f MB\n", rows, QFile(sheetPath).size() / 1e6);

    QElapsedTimer timer;
    timer.start();
    double cpu = cpuSeconds();
    QString error;
    const std::unique_ptr<SheetReader> reader = SheetReader::open(sheetPath, &error);
    if (!reader)
        return 1;
    const qint64 readMs = timer.elapsed();
    std::printf(".xlsx read: %.2f s (cpu %.2f s)\n", readMs / 1000.0, cpuSeconds() - cpu);

    const QString dbFile = dir.filePath(QStringLiteral("book.db"));
    for (const int batch : {1, 100, 1000, 10000}) {
        const int n = batch == 1 ? qMin(rows, 10000) : rows; // a batch of one is slow: fewer rows
        SharedConnection db(QStringLiteral("bench"));
        if (!openDatabase(db, dbFile))
            return 1;
        SheetImportOptions options;
        options.operatorName = QStringLiteral("基准");
        options.batchSize = batch;
        const FirstRows sheet(*reader, n);
        const SheetImport import(sheet, layout, options);
        timer.restart();
        cpu = cpuSeconds();
        const ImportResult r = import.run(db);
        cpu = cpuSeconds() - cpu;
        const double s = timer.elapsed() / 1000.0;
        const int written = int(db.scalar(QStringLiteral("select count(*) from 图书")).toLongLong());
        std::printf("import, batch %5d: %6d rows in %6.2f s (cpu %.2f s), %7.0f rows/s, %d failed\n", batch, written,
                    s, cpu, written / s, r.failed);
    }

    SharedConnection shellDb(QStringLiteral("shell"));
    if (!openDatabase(shellDb, dbFile))
        return 1;
    const ConnectionSettings settings = shellDb.settings();
    shellDb.close();
    if (EngineShell::program(settings).isEmpty()) {
        std::printf("sqlite3 shell: not installed\n");
    } else {
        timer.restart();
        const double childCpu = cpuSeconds(RUSAGE_CHILDREN);
        const QString shellError = EngineShell::run(settings, sqlPath);
        const double s = timer.elapsed() / 1000.0;
        std::printf("sqlite3 shell, 1 transaction: %d rows in %.2f s (cpu %.2f s), %.0f rows/s %s\n", rows, s,
                    cpuSeconds(RUSAGE_CHILDREN) - childCpu, rows / s, qPrintable(shellError));
    }

    // MARC: as many records as sheet rows, one per line.
    const QString marcPath = dir.filePath(QStringLiteral("books.iso"));
    {
        QFile f(marcPath);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        MarcWriter m;
        for (int i = 0; i < rows; ++i) {
            m.control("001", QStringLiteral("CAL%1").arg(i, 9, 10, QLatin1Char('0')));
            m.field("010", {{'a', QStringLiteral("978-7-302-%1-%2").arg(10000 + i % 90000).arg(i % 10)},
                            {'d', QStringLiteral("CNY%1.00").arg(15 + i % 100)}});
            m.field("200", {{'a', QStringLiteral("红楼梦 第%1卷").arg(i % 120)}, {'f', QStringLiteral("曹雪芹著")}});
            m.field("210", {{'a', QStringLiteral("北京")}, {'c', QStringLiteral("人民文学出版社")}, {'d', QStringLiteral("2005.10")}});
            m.field("215", {{'a', QStringLiteral("%1页").arg(80 + i % 800)}, {'d', QStringLiteral("26cm")}});
            if (i % 2)
                m.field("330", {{'a', QStringLiteral("中国古典长篇小说。")}});
            m.field("606", {{'a', QStringLiteral("章回小说")}});
            m.field("690", {{'a', QStringLiteral("I242.4")}, {'v', QStringLiteral("5")}});
            f.write(m.take() + "\n");
        }
    }
    timer.restart();
    cpu = cpuSeconds();
    const MarcFileResult marc = MarcFile::read(marcPath);
    const double s = timer.elapsed() / 1000.0;
    std::printf("MARC read: %d records (%d bad) in %.2f s (cpu %.2f s), %.0f records/s\n", marc.goodCount(),
                marc.badCount(), s, cpuSeconds() - cpu, marc.goodCount() / s);
    return 0;
}
