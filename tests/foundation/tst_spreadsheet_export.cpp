// SPDX-License-Identifier: MIT
// The .xlsx export, judged by an independent reader: openpyxl reads every file back.
#include "PythonScripts.h"
#include "foundation/ExcelExport.h"
#include "foundation/Money.h"
#include "foundation/SpreadsheetExport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

// One value written into a cell and what openpyxl must find there.
struct ValueCase
{
    const char *name;
    QVariant value;
    SpreadsheetExport::Kind kind;
    QString type;     // "number", "text", "datetime", "time", "bool"; empty: no cell
    QVariant expected;
    QString format;   // the number format, where it matters
};

QList<ValueCase> valueCases()
{
    using K = SpreadsheetExport::Kind;
    return {
        {"int", 42, K::Auto, "number", 42.0, {}},
        {"long long", qlonglong(12345678901), K::Auto, "number", 12345678901.0, {}},
        {"double", 2.5, K::Auto, "number", 2.5, {}},
        {"money type", QVariant::fromValue(Money::fromUnits(255000)), K::Auto, "number", 25.5, {}},
        {"decimal text in a number column", QStringLiteral("25.5000"), K::Number, "number", 25.5, {}},
        {"decimal text elsewhere stays text", QStringLiteral("25.5000"), K::Auto, "text", "25.5000", {}},
        {"leading zeros stay", QStringLiteral("000123"), K::Auto, "text", "000123", {}},
        {"formula-like text is text", QStringLiteral("=1+1"), K::Auto, "text", "=1+1", {}},
        {"chinese text", QStringLiteral("《红楼梦》曹雪芹"), K::Auto, "text", QStringLiteral("《红楼梦》曹雪芹"), {}},
        {"date", QDate(2024, 12, 8), K::Auto, "datetime", "2024-12-08T00:00:00", "yyyy-mm-dd"},
        {"date-time", QDateTime(QDate(2024, 12, 8), QTime(15, 30, 5)), K::Auto, "datetime",
         "2024-12-08T15:30:05", "yyyy-mm-dd hh:mm:ss"},
        {"date text", QStringLiteral("2024-12-08"), K::Auto, "datetime", "2024-12-08T00:00:00", "yyyy-mm-dd"},
        {"date-time text", QStringLiteral("2024-12-08 15:30:00"), K::Number, "datetime",
         "2024-12-08T15:30:00", "yyyy-mm-dd hh:mm:ss"},
        {"impossible date text", QStringLiteral("2024-13-45"), K::Auto, "text", "2024-13-45", {}},
        {"date before 1900", QDate(1850, 1, 1), K::Auto, "text", "1850-01-01", {}},
        {"time", QTime(15, 30), K::Auto, "time", "15:30:00", {}},
        {"boolean", true, K::Auto, "bool", true, {}},
        {"whole number beyond 15 digits keeps its digits", qlonglong(1234567890123456789), K::Auto, "text",
         "1234567890123456789", {}},
        {"text column", 7, K::Text, "text", "7", {}},
        {"null of a type", QVariant(QMetaType::fromType<QString>()), K::Auto, {}, {}, {}},
        {"null", QVariant(), K::Auto, {}, {}, {}},
        {"empty text", QString(""), K::Auto, {}, {}, {}},
    };
}

QString columnName(int index) // 0 → "A"
{
    QString name;
    for (int n = index + 1; n > 0; n = (n - 1) / 26)
        name.prepend(QChar('A' + (n - 1) % 26));
    return name;
}
}

class TestSpreadsheetExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void queryThreeFieldsTwoRows();
    void emptyResultGivesHeaderOnly();
    void valueTypes_data();
    void valueTypes();
    void listExport();
    void emptyListWritesNothing();
    void fileNamedAfterTitleAndTime();
    void progressAndCancel();
    void unwritableFolder();
    void columnWidths_data();
    void columnWidths();

private:
    QJsonObject dump(const QString &file);
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QString m_python;
    QSqlDatabase m_db;
    QJsonObject m_valueCells;
};

void TestSpreadsheetExport::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_python = PythonScripts::interpreterWith(QStringLiteral("openpyxl"));
    if (m_python.isEmpty())
        QSKIP("openpyxl (Debian python3-openpyxl) is needed to read the exported files back");
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("tst_spreadsheet_export"));
    m_db.setDatabaseName(QStringLiteral(":memory:"));
    QVERIFY(m_db.open());

    // Every value case in one row, one column each, read back once.
    SpreadsheetExport sheet(path(QStringLiteral("values.xlsx")));
    QVERIFY2(sheet.isOpen(), qPrintable(sheet.errorMessage()));
    QList<SpreadsheetExport::Kind> kinds;
    QVariantList values;
    QStringList header;
    for (const ValueCase &c : valueCases()) {
        header.append(QString::fromUtf8(c.name));
        kinds.append(c.kind);
        values.append(c.value);
    }
    sheet.setColumnKinds(kinds);
    QVERIFY(sheet.writeHeader(header));
    QVERIFY(sheet.writeRow(values));
    QVERIFY2(sheet.finish(), qPrintable(sheet.errorMessage()));
    m_valueCells = dump(path(QStringLiteral("values.xlsx"))).value(QStringLiteral("cells")).toObject();
}

QJsonObject TestSpreadsheetExport::dump(const QString &file)
{
    QByteArray out;
    QString error;
    const bool ran = PythonScripts::run(m_python, {QStringLiteral(FIXTURE_DIR "/xlsx_dump.py"), file}, &out, &error);
    if (!ran)
        qWarning("openpyxl could not read %s: %s", qPrintable(file), qPrintable(error));
    return QJsonDocument::fromJson(out).object();
}

void TestSpreadsheetExport::queryThreeFieldsTwoRows()
{
    QSqlQuery setup(m_db);
    QVERIFY(setup.exec(QStringLiteral("create table 图书 (编号 integer, 名称 text, 入库时间 text)")));
    QVERIFY(setup.exec(QStringLiteral("insert into 图书 values (1001, '红楼梦', '2024-12-08 15:30:00'), "
                                      "(1002, null, null)")));
    QSqlQuery query(m_db);
    QVERIFY(query.exec(QStringLiteral("select 编号, 名称, 入库时间 from 图书 order by 编号")));
    ExcelExportOptions options;
    options.filePath = path(QStringLiteral("query.xlsx"));
    const ExcelExportResult result = ExportQueryToExcel(query, options);
    QVERIFY2(result.ok, qPrintable(result.errorMessage));
    QCOMPARE(result.filePath, options.filePath);
    QCOMPARE(result.rowsWritten, 2);
    QCOMPARE(query.at(), 1); // left on the last row

    const QJsonObject sheet = dump(result.filePath);
    QCOMPARE(sheet.value("max_row").toInt(), 3);
    QCOMPARE(sheet.value("max_column").toInt(), 3);
    const QJsonObject cells = sheet.value("cells").toObject();
    const QStringList texts{"A1", "编号", "B1", "名称", "C1", "入库时间", "B2", "红楼梦"};
    for (int i = 0; i < texts.size(); i += 2) {
        QCOMPARE(cells.value(texts[i])["type"].toString(), QStringLiteral("text"));
        QCOMPARE(cells.value(texts[i])["value"].toString(), texts[i + 1]);
    }
    QCOMPARE(cells.value("A2")["type"].toString(), QStringLiteral("number"));
    QCOMPARE(cells.value("A2")["value"].toDouble(), 1001.0);
    QCOMPARE(cells.value("A3")["value"].toDouble(), 1002.0);
    QCOMPARE(cells.value("C2")["type"].toString(), QStringLiteral("datetime"));
    QCOMPARE(cells.value("C2")["value"].toString(), QStringLiteral("2024-12-08T15:30:00"));
    QVERIFY(!cells.contains("B3")); // Null
    QVERIFY(!cells.contains("C3"));
}

void TestSpreadsheetExport::emptyResultGivesHeaderOnly()
{
    QSqlQuery query(m_db);
    QVERIFY(query.exec(QStringLiteral("select 1 as 编号, 'x' as title where 0 = 1")));
    ExcelExportOptions options;
    options.filePath = path(QStringLiteral("empty-result.xlsx"));
    options.captions = QStringList{QString(), QStringLiteral("书名")}; // replaces the second name only
    const ExcelExportResult result = ExportQueryToExcel(query, options);
    QVERIFY2(result.ok, qPrintable(result.errorMessage));
    QCOMPARE(result.rowsWritten, 0);
    const QJsonObject sheet = dump(result.filePath);
    QCOMPARE(sheet.value("max_row").toInt(), 1);
    const QJsonObject cells = sheet.value("cells").toObject();
    QCOMPARE(cells.keys(), QStringList({"A1", "B1"}));
    QCOMPARE(cells.value("A1")["value"].toString(), QStringLiteral("编号"));
    QCOMPARE(cells.value("B1")["value"].toString(), QStringLiteral("书名"));
}

void TestSpreadsheetExport::valueTypes_data()
{
    QTest::addColumn<int>("column");
    const QList<ValueCase> cases = valueCases();
    for (int i = 0; i < cases.size(); ++i)
        QTest::newRow(cases[i].name) << i;
}

void TestSpreadsheetExport::valueTypes()
{
    QFETCH(int, column);
    const ValueCase c = valueCases().at(column);
    const QString ref = columnName(column) + QStringLiteral("2");
    if (c.type.isEmpty()) {
        QVERIFY2(!m_valueCells.contains(ref), qPrintable(ref + " should be empty"));
        return;
    }
    const QJsonObject cell = m_valueCells.value(ref).toObject();
    QCOMPARE(cell.value("type").toString(), c.type);
    if (c.type == QLatin1String("number"))
        QCOMPARE(cell.value("value").toDouble(), c.expected.toDouble());
    else
        QCOMPARE(cell.value("value").toVariant(), c.expected);
    if (!c.format.isEmpty())
        QCOMPARE(cell.value("format").toString(), c.format);
}

void TestSpreadsheetExport::listExport()
{
    const QStringList captions{"0", "名称", "备注"};
    const QList<QStringList> items{
        {"2", "图书管理系统", "2024-12-08"}, // all texts, also numbers and dates
        {"3", "短"},                        // fewer texts: empty cells
        {"4", "abcdef", "x", "not written"},
    };
    ExcelExportOptions options;
    options.filePath = path(QStringLiteral("list.xlsx"));
    const ExcelExportResult result = ExportListToExcel(captions, items, options);
    QVERIFY2(result.ok, qPrintable(result.errorMessage));
    QCOMPARE(result.rowsWritten, 3);
    const QJsonObject sheet = dump(result.filePath);
    QCOMPARE(sheet.value("max_row").toInt(), 4);
    QCOMPARE(sheet.value("max_column").toInt(), 3);
    const QJsonObject cells = sheet.value("cells").toObject();
    QCOMPARE(cells.size(), 3 + 3 + 2 + 3);
    for (const QString &ref : cells.keys())
        QCOMPARE(cells.value(ref)["type"].toString(), QStringLiteral("text"));
    QCOMPARE(cells.value("A2")["value"].toString(), QStringLiteral("2"));
    QCOMPARE(cells.value("C2")["value"].toString(), QStringLiteral("2024-12-08"));
    QCOMPARE(cells.value("B3")["value"].toString(), QStringLiteral("短"));
    // Column widths follow the longest text; a Chinese character counts as two.
    const QJsonObject widths = sheet.value("widths").toObject();
    QVERIFY2(widths.value("B").toDouble() >= 12, "six Chinese characters need 12 units");
    QVERIFY(widths.value("B").toDouble() < 20);
    QVERIFY(widths.value("A").toDouble() < widths.value("C").toDouble());
}

void TestSpreadsheetExport::emptyListWritesNothing()
{
    QTemporaryDir folder;
    ExcelExportOptions options;
    options.folder = folder.path();
    options.title = QStringLiteral("失败的记录");
    const ExcelExportResult result = ExportListToExcel({"0", "1"}, {}, options);
    QVERIFY(result.ok);
    QVERIFY(result.filePath.isEmpty());
    QVERIFY(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void TestSpreadsheetExport::fileNamedAfterTitleAndTime()
{
    QTemporaryDir folder;
    ExcelExportOptions options;
    options.folder = folder.path();
    options.title = QStringLiteral("读者/列表");
    options.when = QDateTime(QDate(2026, 12, 10), QTime(14, 25, 1));
    const ExcelExportResult first = ExportListToExcel({"名称"}, {{"一"}}, options);
    const ExcelExportResult second = ExportListToExcel({"名称"}, {{"二"}}, options);
    QVERIFY2(first.ok && second.ok, qPrintable(first.errorMessage + second.errorMessage));
    QCOMPARE(QFileInfo(first.filePath).fileName(), QStringLiteral("读者_列表 20261210 142501.xlsx"));
    QCOMPARE(QFileInfo(second.filePath).fileName(), QStringLiteral("读者_列表 20261210 142501 (2).xlsx"));
    QCOMPARE(dump(first.filePath).value("cells")["A2"]["value"].toString(), QStringLiteral("一"));
    QCOMPARE(dump(second.filePath).value("cells")["A2"]["value"].toString(), QStringLiteral("二"));
    QVERIFY(ExcelExport::noProgramForQueryMessage(first.filePath).contains(QDir::toNativeSeparators(first.filePath)));
    QVERIFY(ExcelExport::noProgramForListMessage(first.filePath).startsWith(QStringLiteral("NO excel ！")));
}

void TestSpreadsheetExport::progressAndCancel()
{
    QList<QStringList> items;
    for (int i = 1; i <= 1200; ++i)
        items.append({QString::number(i), QStringLiteral("书%1").arg(i)});
    QSqlQuery setup(m_db);
    QVERIFY(setup.exec(QStringLiteral("create table 读者 (编号 integer, 姓名 text)")));
    QVERIFY(m_db.transaction());
    for (const QStringList &item : std::as_const(items)) {
        setup.prepare(QStringLiteral("insert into 读者 values (?, ?)"));
        setup.addBindValue(item[0].toInt());
        setup.addBindValue(item[1]);
        QVERIFY(setup.exec());
    }
    QVERIFY(m_db.commit());

    for (const bool fromQuery : {false, true}) {
        const QString target = path(fromQuery ? QStringLiteral("progress-query.xlsx") : QStringLiteral("progress-list.xlsx"));
        auto exportOnce = [&](const ExportProgress &progress) {
            ExcelExportOptions options;
            options.filePath = target;
            options.progress = progress;
            QSqlQuery query(m_db);
            if (!fromQuery)
                return ExportListToExcel({"编号", "姓名"}, items, options);
            query.exec(QStringLiteral("select * from 读者 order by 编号"));
            return ExportQueryToExcel(query, options);
        };
        QList<QPair<int, int>> calls;
        ExcelExportResult result = exportOnce([&](int done, int total) { calls.append({done, total}); return true; });
        QVERIFY2(result.ok, qPrintable(result.errorMessage));
        QCOMPARE(calls, (QList<QPair<int, int>>{{500, 1200}, {1000, 1200}, {1200, 1200}}));

        // A cancelled export leaves the file that was there before as it was, and no other.
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        const QStringList before = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
        result = exportOnce([](int, int) { return false; });
        QVERIFY(result.cancelled);
        QVERIFY(!result.ok);
        QVERIFY(result.filePath.isEmpty());
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), before);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
        old.close();
        // A finished export replaces it.
        result = exportOnce({});
        QVERIFY2(result.ok, qPrintable(result.errorMessage));
        QCOMPARE(dump(target).value("max_row").toInt(), 1201);
    }
}

void TestSpreadsheetExport::unwritableFolder()
{
    ExcelExportOptions options;
    options.filePath = path(QStringLiteral("no such folder/x.xlsx"));
    const ExcelExportResult result = ExportListToExcel({"名称"}, {{"一"}}, options);
    QVERIFY(!result.ok);
    QVERIFY(result.filePath.isEmpty());
    QVERIFY2(result.errorMessage.startsWith(QStringLiteral("导出Excel失败")), qPrintable(result.errorMessage));
}

// Column widths count a Chinese character (inside or outside the basic plane) as two
// and a Latin one as one, per line of a cell.
void TestSpreadsheetExport::columnWidths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::newRow("latin") << QStringLiteral("ISBN 7-02") << 9;
    QTest::newRow("chinese") << QStringLiteral("红楼梦") << 6;
    QTest::newRow("outside the basic plane") << QString::fromUcs4(U"\U00020000\U00020001a") << 5;
    QTest::newRow("longest line") << QStringLiteral("ab\n红楼梦\nc") << 6;
}

void TestSpreadsheetExport::columnWidths()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QCOMPARE(SpreadsheetExport::displayWidth(text), width);
}

QTEST_GUILESS_MAIN(TestSpreadsheetExport)
#include "tst_spreadsheet_export.moc"
