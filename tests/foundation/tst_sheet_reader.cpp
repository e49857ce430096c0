// SPDX-License-Identifier: MIT
// The sheet readers on workbooks written by others: openpyxl (.xlsx), a BIFF8 writer of
// the fixtures folder (.xls), and CSV bytes in UTF-8 and GBK.
#include "PythonScripts.h"
#include "foundation/Gbk.h"
#include "foundation/SheetCellText.h"
#include "foundation/SheetReader.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using Rows = QList<QStringList>;

class TestSheetReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cells_data();
    void cells();
    void usedRangeAndActiveSheet_data();
    void usedRangeAndActiveSheet();
    void csv_data();
    void csv();
    void damagedFiles_data();
    void damagedFiles();
    void numberText_data();
    void numberText();
    void numberTextAsWritten_data();
    void numberTextAsWritten();
    void serialDateText_data();
    void serialDateText();
    void dateFormatCode_data();
    void dateFormatCode();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes);
    bool has(const QString &file) const { return QFile::exists(path(file)); }

    QTemporaryDir m_dir;
    QString m_python;
};

void TestSheetReader::write(const QString &name, const QByteArray &bytes)
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void TestSheetReader::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Made once by other writers (make_xlwt.py, make_libreoffice_xls.py) and kept: the
    // checks before FreeXL must let real workbooks through.
    QVERIFY(QFile::copy(QStringLiteral(FIXTURE_DIR "/xlwt-books.xls"), path("xlwt-books.xls")));
    QVERIFY(QFile::copy(QStringLiteral(FIXTURE_DIR "/libreoffice-books.xls"), path("libreoffice-books.xls")));
    QByteArray out;
    QString error;
    const QString python = PythonScripts::interpreterWith();
    if (!python.isEmpty())
        QVERIFY2(PythonScripts::run(python, {FIXTURE_DIR "/make_xls.py", path("books.xls")}, &out, &error),
                 qPrintable(error));
    m_python = PythonScripts::interpreterWith(QStringLiteral("openpyxl"));
    if (m_python.isEmpty())
        return; // the .xlsx cases skip
    QVERIFY2(PythonScripts::run(m_python, {FIXTURE_DIR "/make_xlsx.py", path("books.xlsx")}, &out, &error),
             qPrintable(error));
    QFile::copy(path("books.xlsx"), path("xlsx-named.xls"));
    // A valid zip without a workbook, and a workbook whose sheet breaks off mid-way.
    const QString script = QStringLiteral(
        "import sys, zipfile\n"
        "zipfile.ZipFile(sys.argv[2], 'w').writestr('hello.txt', 'hello')\n"
        "src = zipfile.ZipFile(sys.argv[1])\n"
        "with zipfile.ZipFile(sys.argv[3], 'w') as z:\n"
        "    for i in src.infolist():\n"
        "        d = src.read(i)\n"
        "        z.writestr(i, d[:len(d) // 2] if i.filename.endswith('sheet2.xml') else d)\n");
    QVERIFY2(PythonScripts::run(m_python, {"-c", script, path("books.xlsx"), path("no-workbook.xlsx"),
                                           path("broken-sheet.xlsx")}, &out, &error),
             qPrintable(error));
}

void TestSheetReader::cells_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("expected");
    using Cells = QList<std::tuple<const char *, int, int, QString>>;
    const auto add = [](const char *file, const Cells &cells) {
        for (const auto &[name, row, column, expected] : cells)
            QTest::addRow("%s: %s", file, name) << QString(file) << row << column << expected;
    };
    // The cells both workbooks hold alike.
    const Cells common{
        {"shared string", 1, 1, "编号"},
        {"last header", 1, 7, "备注"},
        {"whole number", 2, 1, "1001"},
        {"text (rich runs with a phonetic run in the .xlsx)", 2, 2, "红楼梦"},
        {"decimal", 2, 3, "25.5"},
        {"date, built-in format 14", 2, 5, "2024-12-08"},
        {"empty cell between filled ones", 2, 6, ""},
        {"after the empty cell", 2, 7, "末列"},
        {"eleven-digit number", 3, 1, "12345678901"},
        {"binary fraction shown as the sheet shows it", 3, 3, "0.3"},
        {"date-time", 3, 4, "2024-12-08 15:30:00"},
        {"time alone", 3, 5, "15:30:00"},
        {"boolean true", 3, 6, "TRUE"},
        {"cell the row does not have", 3, 7, ""},
        {"row 0", 0, 1, ""},
        {"far outside the range", 999, 99, ""},
    };
    add("books.xlsx", common);
    add("books.xls", common);
    add("books.xls", {{"boolean false", 4, 6, "FALSE"}});
    add("books.xlsx", {
        {"inline string", 3, 8, "行内 文字"},
        {"d inside quotes is no date", 4, 1, "2.5"},
        {"d inside brackets is no date, small number without exponent", 4, 2, "0.000015"},
        {"custom Chinese date format", 4, 3, "2024-12-08"},
        {"date format with a locale prefix", 4, 4, "2024-12-08"},
        {"negative number", 4, 5, "-7"},
        {"boolean false", 4, 6, "FALSE"},
        {"escaped carriage return", 4, 7, "甲\r乙"},
        {"date-time at midnight has no time part", 5, 1, "2024-01-05"},
        {"styled cell without value", 6, 2, ""},
    });
    add("xlwt-books.xls", {
        {"header", 1, 5, "借出"},
        {"number", 2, 3, "1.25"},
        {"date with a custom format", 2, 4, "2024-01-02"},
        {"boolean", 2, 5, "TRUE"},
        {"string at the end of the CONTINUE records", 401, 2, "红楼梦第400回"},
        {"long string", 400, 2, QStringLiteral("红楼梦第399回") + QString(39, QChar(0x957F))},
    });
    add("libreoffice-books.xls", {
        {"decimal", 2, 3, "0.5"},
        {"date", 2, 4, "2024-02-02"},
        {"boolean false", 2, 5, "FALSE"},
        {"boolean true", 4, 5, "TRUE"},
        {"empty cell", 2, 6, ""},
        {"text with quotes", 3, 6, "有\"引号\""},
        {"formula's number", 2, 8, "1"},
        {"formula's text", 2, 9, "B0001册"},
        {"formula's date", 2, 10, "2024-02-03"},
        {"last row", 301, 1, "B0300"},
    });
}

void TestSheetReader::cells()
{
    QFETCH(QString, file);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, expected);
    if (!has(file))
        QSKIP("Python 3 with openpyxl is needed to write the fixture");
    QString error;
    const auto reader = SheetReader::open(path(file), &error);
    QVERIFY2(reader, qPrintable(error));
    QCOMPARE(reader->cellText(row, column), expected);
}

void TestSheetReader::usedRangeAndActiveSheet_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("sheet");
    QTest::newRow("xlsx: second sheet active, styled B6 counts") << "books.xlsx" << 6 << 8 << "图书";
    QTest::newRow("xls: second sheet active") << "books.xls" << 4 << 7 << "图书";
    QTest::newRow("xlsx content named .xls") << "xlsx-named.xls" << 6 << 8 << "图书";
    QTest::newRow("xls by a second writer") << "xlwt-books.xls" << 401 << 5 << "图书";
    QTest::newRow("xls by LibreOffice") << "libreoffice-books.xls" << 301 << 10 << "图书";
}

void TestSheetReader::usedRangeAndActiveSheet()
{
    QFETCH(QString, file);
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(QString, sheet);
    if (!has(file))
        QSKIP("Python 3 with openpyxl is needed to write the fixture");
    QString error;
    const auto reader = SheetReader::open(path(file), &error);
    QVERIFY2(reader, qPrintable(error));
    QCOMPARE(reader->sheetName(), sheet);
    QCOMPARE(reader->rowCount(), rows);
    QCOMPARE(reader->columnCount(), columns);
    QCOMPARE(reader->cellText(1, 1), QStringLiteral("编号")); // not the first sheet's "不是这一页"
}

void TestSheetReader::csv_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Rows>("expected");
    QTest::newRow("UTF-8 with BOM, quoted commas, quotes and line breaks")
        << QByteArray("\xEF\xBB\xBF编号,名称,备注\r\n1001,\"红楼梦,上\",\"第一行\r\n第二行\"\r\n"
                      "1002,\"说\"\"好\"\"\",\r\n")
        << Rows{{"编号", "名称", "备注"}, {"1001", "红楼梦,上", "第一行\n第二行"}, {"1002", "说\"好\""}};
    QTest::newRow("GBK")
        << Gbk::encode(QStringLiteral("编号,名称\n0001,三国演义\n"))
        << Rows{{"编号", "名称"}, {"0001", "三国演义"}};
    QTest::newRow("UTF-8 without BOM, empty first field, blank lines at the end")
        << QByteArray("a,b\n,中\n\n\n") << Rows{{"a", "b"}, {"", "中"}};
    QTest::newRow("empty line inside, trailing empty fields, no final line break")
        << QByteArray("a,b,,\n\nc") << Rows{{"a", "b"}, {}, {"c"}};
    QTest::newRow("tab separated") << QByteArray("编号\t名称\n1\t书,名\n") << Rows{{"编号", "名称"}, {"1", "书,名"}};
}

void TestSheetReader::csv()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Rows, expected);
    write(QStringLiteral("sheet.csv"), bytes);
    QString error;
    const auto reader = SheetReader::open(path("sheet.csv"), &error);
    QVERIFY2(reader, qPrintable(error));
    int columns = 0;
    for (const QStringList &row : expected)
        columns = qMax(columns, int(row.size()));
    QCOMPARE(reader->rowCount(), int(expected.size()));
    QCOMPARE(reader->columnCount(), columns);
    for (int r = 1; r <= expected.size(); ++r)
        for (int c = 1; c <= columns + 1; ++c)
            QCOMPARE(reader->cellText(r, c), expected[r - 1].value(c - 1));
}

void TestSheetReader::damagedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes"); // written when not empty; "-" writes an empty file
    QByteArray noise(4096, Qt::Uninitialized);
    QRandomGenerator random(20241208);
    for (char &b : noise)
        b = char(random.bounded(256));
    QTest::newRow("random bytes named .xlsx") << "noise.xlsx" << noise;
    QTest::newRow("random bytes named .xls") << "noise.xls" << noise;
    QTest::newRow("empty .xls") << "empty.xls" << QByteArray("-");
    QTest::newRow("truncated zip") << "cut.xlsx" << QByteArray("cut:books.xlsx");
    QTest::newRow("truncated compound file") << "cut.xls" << QByteArray("cut:books.xls");
    QTest::newRow("zip without a workbook") << "no-workbook.xlsx" << QByteArray();
    QTest::newRow("sheet that breaks off") << "broken-sheet.xlsx" << QByteArray();
    QTest::newRow("missing file") << "missing.xlsx" << QByteArray();
    QTest::newRow("unknown kind") << "notes.doc" << QByteArray("hello");
    // Found by fuzzing: directory entries with name lengths over 64 bytes, which made
    // FreeXL read past a buffer of its own.
    QTest::newRow("compound directory with overlong names") << "dir-names.xls"
                                                            << QByteArray("fixture:found/xls-directory-name-length.xls");
    // Found by fuzzing: a DIFAT chain that loops, which once made the scan before FreeXL
    // gather millions of FAT sectors.
    QTest::newRow("compound file with a looping DIFAT") << "difat-loop.xls"
                                                        << QByteArray("fixture:found/xls-difat-loop.xls");
    // Found by fuzzing: a FAT sector outside the file, which left the directory unchecked
    // and let FreeXL read before a buffer of its own.
    QTest::newRow("compound file with a FAT sector outside it") << "fat-outside.xls"
                                                                << QByteArray("fixture:found/xls-fat-outside-file.xls");
    // Found by fuzzing: a sheet record whose name runs past the end of the stream, which
    // made the scan before FreeXL read past its buffer.
    QTest::newRow("sheet record cut short") << "sheet-cut.xls"
                                            << QByteArray("fixture:found/xls-sheet-record-cut-short.xls");
    // Found by fuzzing: records FreeXL trusts, each of which made it read past a buffer.
    QTest::newRow("format string longer than its record") << "format.xls"
                                                          << QByteArray("fixture:found/xls-format-string-too-long.xls");
    QTest::newRow("second dimension record, cells outside") << "dimension.xls"
                                                            << QByteArray("fixture:found/xls-cells-outside-dimension.xls");
    QTest::newRow("sheet opened inside a sheet") << "nested.xls"
                                                 << QByteArray("fixture:found/xls-sheet-inside-sheet.xls");
}

void TestSheetReader::damagedFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    if (bytes.startsWith("fixture:")) {
        QFile kept(QStringLiteral(FIXTURE_DIR "/") + QString::fromLatin1(bytes.mid(8)));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        bytes = kept.readAll();
    } else if (bytes.startsWith("cut:")) {
        QFile whole(path(QString::fromLatin1(bytes.mid(4))));
        if (!whole.open(QIODevice::ReadOnly))
            QSKIP("Python 3 with openpyxl is needed to write the fixture");
        bytes = whole.readAll();
        bytes.truncate(bytes.size() / 2);
    }
    if (!bytes.isEmpty())
        write(file, bytes == "-" ? QByteArray() : bytes);
    else if (file != QLatin1String("missing.xlsx") && !has(file))
        QSKIP("Python 3 with openpyxl is needed to write the fixture");
    QString error;
    const auto reader = SheetReader::open(path(file), &error);
    QVERIFY(!reader);
    QVERIFY2(error.startsWith(QStringLiteral("无法读取文件: ") + file + QStringLiteral(": ")), qPrintable(error));
    QVERIFY2(error.size() > file.size() + 12, qPrintable(error)); // says why
}

void TestSheetReader::numberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole") << 3.0 << "3";
    QTest::newRow("negative decimal") << -2.5 << "-2.5";
    QTest::newRow("eleven digits") << 12345678901.0 << "12345678901";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("beyond 15 digits rounds like the sheet") << 123456789012345678.0 << "123456789012346000";
    QTest::newRow("large, no exponent") << 1e20 << "100000000000000000000";
    QTest::newRow("small, no exponent") << 0.0000015 << "0.0000015";
    QTest::newRow("far out of range keeps exponent") << 1e-300 << "1e-300";
}

void TestSheetReader::numberText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(SheetCellText::numberText(value), expected);
}

// The shortcut for numbers as a file writes them never differs from the value's text.
void TestSheetReader::numberTextAsWritten_data()
{
    QTest::addColumn<QByteArray>("written");
    for (const char *w : {"3", "-2.5", "25.5", "25.50", "007", "0", "-0", "-0.0", "0.1", "0.000000001", "0.0000000001",
                          "0.00000000001", "1e5", "1.5E-3", "123456789012345", "1234567890123456", "12345678901234.5",
                          "1.234567890123456", " 4", "4 ", "5.", ".5", "-", "+3", "0.30000000000000004"})
        QTest::newRow(w) << QByteArray(w);
}

void TestSheetReader::numberTextAsWritten()
{
    QFETCH(QByteArray, written);
    bool ok = false;
    const double value = written.toDouble(&ok);
    if (!ok)
        return; // not a number: the reader keeps the text as it is
    QCOMPARE(SheetCellText::numberText(written, value), SheetCellText::numberText(value));
}

void TestSheetReader::serialDateText_data()
{
    QTest::addColumn<double>("serial");
    QTest::addColumn<bool>("date1904");
    QTest::addColumn<QString>("expected");
    QTest::newRow("noon") << 45634.5 << false << "2024-12-08 12:00:00";
    QTest::newRow("rounds to the next midnight") << 45634.999999999 << false << "2024-12-09";
    QTest::newRow("first day") << 1.0 << false << "1900-01-01";
    QTest::newRow("after the day that never was") << 61.0 << false << "1900-03-01";
    QTest::newRow("1904 system") << 0.0 << true << "1904-01-01";
    QTest::newRow("negative is no date") << -1.0 << false << "";
}

void TestSheetReader::serialDateText()
{
    QFETCH(double, serial);
    QFETCH(bool, date1904);
    QFETCH(QString, expected);
    QCOMPARE(SheetCellText::serialDateText(serial, date1904), expected);
}

void TestSheetReader::dateFormatCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("isDate");
    QTest::newRow("time with AM/PM") << "h:mm AM/PM" << true;
    QTest::newRow("general") << "General" << false;
    QTest::newRow("accounting with colour section") << "#,##0_);[Red](#,##0)" << false;
    QTest::newRow("escaped d") << "0.0\\d" << false;
    QTest::newRow("padding character") << "0*d" << false;
}

void TestSheetReader::dateFormatCode()
{
    QFETCH(QString, code);
    QFETCH(bool, isDate);
    QCOMPARE(SheetCellText::isDateFormatCode(code), isDate);
}

QTEST_GUILESS_MAIN(TestSheetReader)
#include "tst_sheet_reader.moc"
