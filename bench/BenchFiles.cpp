// SPDX-License-Identifier: MIT
// Files: the export of a whole book list, the book import from .xlsx beside the same
// rows inserted by the engine's own shell, and the reading of MARC records.
#include "BenchContext.h"
#include "EngineShell.h"
#include "LibraryWords.h"
#include "MarcWriter.h"

#include "foundation/ExcelExport.h"
#include "foundation/Pinyin.h"
#include "foundation/Schema.h"
#include "foundation/SheetReader.h"
#include "import/MarcFile.h"
#include "import/MarcImport.h"
#include "import/SheetImport.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTextStream>

namespace {
// The long file operations stop repeating after this much time.
constexpr double kBudgetMs = 25000;

QString sqlFileOf(const BenchFiles &files)
{
    return files.importSheet + QStringLiteral(".sql");
}

// The value the import stores for a field's text, as a literal for the shell file.
QVariant storedValue(const QString &field, const QString &text)
{
    switch (Schema::typeOf(QStringLiteral("图书"), field)) {
    case Schema::Type::Integer:
        return text.toInt();
    case Schema::Type::DateTime:
        return text + QStringLiteral(" 00:00:00");
    default:
        return text;
    }
}

void writeImportFiles(BenchFiles &files, const QString &folder, int rows)
{
    LibraryWords w(99);
    const SheetLayout &layout = SheetLayouts::books();
    QList<QStringList> items;
    items.reserve(rows);
    QFile sql(sqlFileOf(files));
    if (!sql.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw DatabaseError(QStringLiteral("cannot write ") + sql.fileName());
    QTextStream out(&sql);
    out << "begin;\n";
    for (int i = 0; i < rows; ++i) {
        const LibraryWords::Title t = w.bookTitle();
        QMap<QString, QString> v;
        v[QStringLiteral("编号")] = files.numberPrefix + QString::number(i).rightJustified(7, QLatin1Char('0'));
        v[QStringLiteral("条形码")] = QString::number(70000000 + i);
        v[QStringLiteral("名称")] = t.名称;
        v[QStringLiteral("分类")] = t.cls.name;
        v[QStringLiteral("出版社")] = QStringLiteral("清华大学出版社");
        v[QStringLiteral("作者")] = w.author();
        v[QStringLiteral("价格")] = QString::number(w.between(100, 1500) / 10.0, 'f', 1);
        v[QStringLiteral("isbn")] = QStringLiteral("978730%1").arg(1000000 + i, 7, 10, QLatin1Char('0'));
        v[QStringLiteral("数量")] = QString::number(w.between(1, 5));
        v[QStringLiteral("存放位置")] = w.shelf();
        v[QStringLiteral("分类号")] = t.cls.number;
        v[QStringLiteral("简介")] = w.chance(0.3) ? w.summary(t.名称) : QString();
        v[QStringLiteral("二级分类")] = t.二级分类;
        v[QStringLiteral("出版时间")] = QStringLiteral("20%1.%2").arg(w.between(10, 24)).arg(w.between(1, 12));
        v[QStringLiteral("页数")] = QString::number(w.between(80, 900));
        v[QStringLiteral("译者")] = w.translator();
        v[QStringLiteral("版次")] = QStringLiteral("第1版");
        v[QStringLiteral("索书号")] = t.cls.number + QStringLiteral("/") + QString::number(i % 500 + 1);
        v[QStringLiteral("py")] = PinyinOf(t.名称).trimmed();
        v[QStringLiteral("zch")] = QString::number(i % 500 + 1);
        v[QStringLiteral("币种")] = QStringLiteral("人民币");
        v[QStringLiteral("物品级别")] = QStringLiteral("普通");
        v[QStringLiteral("借出次数")] = QStringLiteral("0");
        v[QStringLiteral("登记人")] = QStringLiteral("超级管理员");
        v[QStringLiteral("入库时间")] = QStringLiteral("2024-05-%1").arg(i % 28 + 1, 2, 10, QLatin1Char('0'));
        v[QStringLiteral("密级")] = QStringLiteral("公开");
        v[QStringLiteral("来源")] = w.chance(0.9) ? QStringLiteral("购买") : QStringLiteral("捐赠");
        v[QStringLiteral("状态")] = QStringLiteral("正常");
        QStringList cells;
        for (const SheetColumn &c : layout.columns)
            cells << v.value(c.field);
        items << cells;
        QVariantList values;
        for (const QString &f : layout.statementFields)
            values << storedValue(f, v.value(f));
        out << EngineShell::insertLine(layout.table, layout.statementFields, values);
    }
    out << "commit;\n";
    out.flush();
    ExcelExportOptions options;
    options.filePath = files.importSheet;
    const ExcelExportResult r = ExportListToExcel(layout.captions(), items, options);
    if (!r.ok)
        throw DatabaseError(r.errorMessage);
    files.importRows = rows;
}

void writeMarcFile(BenchFiles &files, int records)
{
    LibraryWords w(2718);
    QFile f(files.marcFile);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw DatabaseError(QStringLiteral("cannot write ") + f.fileName());
    MarcWriter m;
    for (int i = 0; i < records; ++i) {
        const LibraryWords::Title t = w.bookTitle();
        m.control("001", QStringLiteral("CAL%1").arg(i, 9, 10, QLatin1Char('0')));
        m.field("010", {{'a', QStringLiteral("978-7-302-%1-%2").arg(10000 + i % 90000).arg(i % 10)},
                        {'d', QStringLiteral("CNY%1.00").arg(w.between(15, 120))}});
        m.field("200", {{'a', t.名称}, {'f', w.author()}});
        m.field("210", {{'a', QStringLiteral("北京")}, {'c', QStringLiteral("清华大学出版社")},
                        {'d', QStringLiteral("20%1.%2").arg(w.between(10, 24)).arg(w.between(1, 12), 2, 10, QLatin1Char('0'))}});
        m.field("215", {{'a', QStringLiteral("%1页").arg(w.between(80, 900))}, {'d', QStringLiteral("26cm")}});
        if (w.chance(0.5))
            m.field("330", {{'a', w.summary(t.名称)}});
        m.field("606", {{'a', t.cls.name}});
        m.field("690", {{'a', t.cls.number}, {'v', QStringLiteral("5")}});
        f.write(m.take());
        f.write("\n");
    }
    files.marcRecords = records;
}
} // namespace

BenchFiles makeBenchFiles(const QString &folder, const LibrarySize &size)
{
    BenchFiles files;
    files.numberPrefix = QStringLiteral("X");
    files.importSheet = QDir(folder).filePath(QStringLiteral("books-import.xlsx"));
    files.marcFile = QDir(folder).filePath(QStringLiteral("books.iso"));
    writeImportFiles(files, folder, size.books);
    writeMarcFile(files, size.books);
    return files;
}

void benchFileReading(BenchTable &table, const BenchFiles &files, int runs)
{
    const QString rows = QString::number(files.marcRecords);
    table.measure(QStringLiteral("MARC read (%1 records)").arg(rows), QStringLiteral("-"), runs, files.marcRecords,
                  [&](const BenchTable::Stopwatch &time) {
                      MarcFileResult r;
                      time([&] { r = MarcFile::read(files.marcFile); });
                      if (r.goodCount() != files.marcRecords)
                          throw DatabaseError(QStringLiteral("MARC: %1 records read of %2")
                                                  .arg(r.goodCount())
                                                  .arg(files.marcRecords));
                  });
    table.measure(QStringLiteral(".xlsx read (%1 rows x 31)").arg(files.importRows), QStringLiteral("-"), runs,
                  files.importRows, [&](const BenchTable::Stopwatch &time) {
                      time([&] {
                          QString error;
                          const std::unique_ptr<SheetReader> sheet = SheetReader::open(files.importSheet, &error);
                          if (!sheet)
                              throw DatabaseError(error);
                          QString all;
                          for (int r = 1; r <= sheet->rowCount(); ++r)
                              all = sheet->cellText(r, 3);
                      });
                  });
}

void benchExport(BenchContext &c)
{
    const QString op = QStringLiteral("export every book to .xlsx (all columns)");
    c.guarded(op, [&] {
        const qint64 rows = c.db.scalar(QStringLiteral("select count(*) from 图书")).toLongLong();
        c.table.measure(op, c.engine, 3, rows, [&](const BenchTable::Stopwatch &time) {
            ExcelExportOptions options;
            options.filePath = QDir(c.folder).filePath(QStringLiteral("export-%1.xlsx").arg(c.engine));
            time([&] {
                QSqlQuery q = c.db.exec(QStringLiteral("select * from 图书"));
                const ExcelExportResult r = ExportQueryToExcel(q, options);
                if (!r.ok || r.rowsWritten != rows)
                    throw DatabaseError(QStringLiteral("export: ") + r.errorMessage);
            });
            QFile::remove(options.filePath);
        }, 0, kBudgetMs);
    });
}

namespace {
// The MARC list as read (untimed), then its import, beside the same rows by the shell.
void benchMarcImport(BenchContext &c, const BenchFiles &files)
{
    const QString op = QStringLiteral("MARC import into 图书 (%1 records)").arg(files.marcRecords);
    const QString operatorName = QStringLiteral("MARC基准");
    const QString cleanUp = QStringLiteral("delete from 图书 where 登记人=?");
    const qint64 start = 900000000;
    QList<MarcImportRow> rows;
    c.guarded(op, [&] {
        const MarcFileResult read = MarcFile::read(files.marcFile);
        for (const MarcFileRecord &r : read.records)
            if (r.result.ok())
                rows << MarcImportRow{r.number, r.result.record.values()};
        c.table.measure(op, c.engine, 3, rows.size(), [&](const BenchTable::Stopwatch &time) {
            c.db.exec(cleanUp, {operatorName});
            ImportResult r;
            time([&] { r = MarcImport::run(rows, start, operatorName, c.db); });
            if (r.inserted != rows.size())
                throw DatabaseError(QStringLiteral("MARC import: %1 of %2 rows, %3")
                                        .arg(r.inserted)
                                        .arg(rows.size())
                                        .arg(r.failedRows.isEmpty() ? QString() : r.failedRows.first().message));
        }, 0, kBudgetMs);
    });
    if (rows.isEmpty() || EngineShell::program(c.db.settings()).isEmpty())
        return;
    const QString shell = QStringLiteral("  same MARC rows by the engine's shell, 1 transaction");
    c.guarded(shell, [&] {
        const QString sqlFile = QDir(c.folder).filePath(QStringLiteral("marc-%1.sql").arg(c.engine));
        {
            QFile f(sqlFile);
            if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
                throw DatabaseError(QStringLiteral("cannot write ") + sqlFile);
            QTextStream out(&f);
            out << "begin;\n";
            const InsertStatement &s = MarcImport::statement();
            for (int i = 0; i < rows.size(); ++i)
                out << EngineShell::insertLine(s.table(), s.fields(),
                                               InsertStatement::bound(MarcImport::rowValues(rows.at(i).values, start + 1 + i,
                                                                                            operatorName)));
            out << "commit;\n";
        }
        c.table.measure(shell, c.engine, 3, rows.size(), [&](const BenchTable::Stopwatch &time) {
            c.db.exec(cleanUp, {operatorName});
            QString error;
            time([&] { error = EngineShell::run(c.db.settings(), sqlFile); });
            if (!error.isEmpty())
                throw DatabaseError(QStringLiteral("shell: ") + error);
        }, 0, kBudgetMs);
    });
    c.db.exec(cleanUp, {operatorName});
}
} // namespace

void benchImports(BenchContext &c, const BenchFiles &files)
{
    const QString cleanUp = QStringLiteral("delete from 图书 where 编号 like ?");
    const QVariantList pattern{files.numberPrefix + QLatin1Char('%')};
    const QString op = QStringLiteral("import of books from .xlsx (%1 rows x 31)").arg(files.importRows);
    c.guarded(op, [&] {
        c.table.measure(op, c.engine, 3, files.importRows, [&](const BenchTable::Stopwatch &time) {
            c.db.exec(cleanUp, pattern);
            SheetImportOptions options;
            options.operatorName = c.session.OperatorName;
            ImportResult r;
            time([&] { r = SheetImport::runFile(files.importSheet, SheetLayouts::books(), options, c.db); });
            if (!r.error.isEmpty() || r.inserted != files.importRows)
                throw DatabaseError(QStringLiteral("import: %1 of %2 rows, %3 %4")
                                        .arg(r.inserted)
                                        .arg(files.importRows)
                                        .arg(r.error, r.failedRows.isEmpty() ? QString() : r.failedRows.first().message));
        }, 0, kBudgetMs);
    });
    const QString program = EngineShell::program(c.db.settings());
    const QString shell = QStringLiteral("  same rows by the engine's shell, 1 transaction");
    if (program.isEmpty()) {
        c.table.missing(shell, c.engine, QStringLiteral("shell not installed"));
    } else {
        c.guarded(shell, [&] {
            Measurement &m = c.table.measure(shell, c.engine, 3, files.importRows, [&](const BenchTable::Stopwatch &time) {
                c.db.exec(cleanUp, pattern);
                QString error;
                time([&] { error = EngineShell::run(c.db.settings(), sqlFileOf(files)); });
                if (!error.isEmpty())
                    throw DatabaseError(QStringLiteral("shell: ") + error);
            }, 0, kBudgetMs);
            m.note = QFileInfo(program).fileName() + QStringLiteral(" reading plain inserts");
        });
    }
    c.db.exec(cleanUp, pattern);
    benchMarcImport(c, files);
}
