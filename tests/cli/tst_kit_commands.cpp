// SPDX-License-Identifier: MIT
// bookctl export and barcode, as a script sees them: the workbook read back by openpyxl,
// the picture read back by zbarimg, and the refusals.
#include "ExternalTools.h"
#include "PythonScripts.h"
#include "BookCtl.h"
#include "TestDatabase.h"

#include "foundation/Code128A.h"
#include "foundation/Code39.h"
#include "foundation/Money.h"
#include "foundation/Schema.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Run = BookCtlRun;

Run bookctl(const QStringList &args)
{
    return runBookCtl(args);
}

// The first sheet as openpyxl reads it: each row a list of [type, value] pairs.
const char *kReadSheet = R"(
import json, sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
rows = []
for row in ws.iter_rows():
    rows.append([[type(c.value).__name__, None if c.value is None else str(c.value)] for c in row])
print(json.dumps(rows))
)";

} // namespace

class TestKitCommands : public QObject
{
    Q_OBJECT

    QJsonArray readSheet(const QString &file)
    {
        QByteArray out;
        QString error;
        if (!PythonScripts::run(m_python, {QStringLiteral("-c"), QString::fromUtf8(kReadSheet), file}, &out, &error))
            qWarning() << error;
        return QJsonDocument::fromJson(out).array();
    }

    QString m_python;

private slots:
    void initTestCase()
    {
        m_python = PythonScripts::interpreterWith(QStringLiteral("openpyxl"));
    }

    // Every column of the table, headed as the schema spells the names (CardId, not the
    // server's cardid), values typed, Chinese and quotes intact.
    void exportWritesTheTable_data() { TestDatabase::addEngines(); }
    void exportWritesTheTable()
    {
        if (m_python.isEmpty())
            QSKIP("openpyxl (Debian python3-openpyxl) is needed to read the workbook back");
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        t.db().exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名, CardId, 卡内金额, 未还数量, 登记日期) "
                                   "values (?, ?, ?, ?, ?, ?)"),
                    {QStringLiteral("R001"), QStringLiteral("张'三\"丰"), QStringLiteral("C9"),
                     Money::fromText(QStringLiteral("3.5")).toSql(), 2,
                     QDateTime(QDate(2024, 5, 1), QTime(8, 9, 10))});
        t.db().exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名) values (?, ?)"),
                    {QStringLiteral("R002"), QStringLiteral("李四")});
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("读者.xlsx"));
        const Run r = bookctl({QStringLiteral("--connect"), t.connectionString(), QStringLiteral("export"),
                               QStringLiteral("读者库"), QStringLiteral("--out"), file});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out.trimmed(), QStringLiteral("{\"ok\":true,\"rows\":2,\"file\":\"%1\"}").arg(file));

        const QJsonArray rows = readSheet(file);
        QCOMPARE(rows.size(), 3);
        QStringList header;
        for (const QJsonValue &cell : rows.at(0).toArray())
            header << cell.toArray().at(1).toString();
        QStringList columns;
        for (const Schema::Column &c : Schema::findTable(QStringLiteral("读者库"))->columns)
            columns << c.name;
        QCOMPARE(header, columns);

        const QJsonArray first = rows.at(1).toArray();
        auto cell = [&](const char *column) {
            return first.at(int(columns.indexOf(QString::fromUtf8(column)))).toArray();
        };
        QCOMPARE(cell("读者姓名"), (QJsonArray{"str", "张'三\"丰"}));
        QCOMPARE(cell("CardId"), (QJsonArray{"str", "C9"}));
        QCOMPARE(cell("卡内金额"), (QJsonArray{"float", "3.5"}));
        QCOMPARE(cell("未还数量").at(1).toString().toDouble(), 2.0);
        QCOMPARE(cell("登记日期"), (QJsonArray{"datetime", "2024-05-01 08:09:10"}));
        QCOMPARE(cell("备注").at(0).toString(), QStringLiteral("NoneType"));
    }

    // An empty table gives the header row; the table name is found in any case.
    void exportEmptyTable_data() { TestDatabase::addEngines(); }
    void exportEmptyTable()
    {
        if (m_python.isEmpty())
            QSKIP("openpyxl (Debian python3-openpyxl) is needed to read the workbook back");
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("t.xlsx"));
        const Run r = bookctl({QStringLiteral("--connect"), t.connectionString(), QStringLiteral("export"),
                               QStringLiteral("B_TUIJIAN"), QStringLiteral("--out"), file});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.json.value("rows").toInt(), 0);
        const QJsonArray rows = readSheet(file);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.at(0).toArray().at(7).toArray().at(1).toString(), QStringLiteral("memo"));
    }

    // A name that is not a table of the schema is refused before any statement runs,
    // and no file is written.
    void exportRefusesUnknownTables_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("unknown") << "没有这个表";
        QTest::newRow("statement text") << "图书; delete from 图书";
        QTest::newRow("the version table") << "schema_version";
    }
    void exportRefusesUnknownTables()
    {
        QFETCH(QString, table);
        OPEN_TEST_DATABASE(t, QStringLiteral("sqlite"));
        t.db().exec(QStringLiteral("insert into 图书 (编号, 名称) values (?, ?)"), {QStringLiteral("B1"), QStringLiteral("书")});
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("x.xlsx"));
        const Run r = bookctl({QStringLiteral("--connect"), t.connectionString(), QStringLiteral("export"), table,
                               QStringLiteral("--out"), file});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.json.value("ok").toBool(true), false);
        QVERIFY(r.json.value("message").toString().contains(table));
        QVERIFY(!QFile::exists(file));
        QCOMPARE(t.db().scalar(QStringLiteral("select count(*) from 图书")).toInt(), 1);

        QCOMPARE(bookctl({QStringLiteral("--connect"), t.connectionString(), QStringLiteral("export"),
                          QStringLiteral("图书")}).status, 2); // no --out
    }

    // The picture scans as its text.
    void barcodeScans_data()
    {
        QTest::addColumn<QString>("symbology");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("decoded");
        QTest::newRow("code39 label") << "code39" << "A0001" << "CODE-39:A0001";
        QTest::newRow("code39 punctuation") << "code39" << "TS-2024 01/$" << "CODE-39:TS-2024 01/$";
        QTest::newRow("code128a card") << "code128a" << "12345678" << "CODE-128:12345678";
        QTest::newRow("code128a mixed") << "code128a" << "RD-07 #1" << "CODE-128:RD-07 #1";
        QTest::newRow("symbology in capitals") << "CODE128A" << "X9" << "CODE-128:X9";
    }
    void barcodeScans()
    {
        if (!ExternalTools::available(QStringLiteral("zbarimg")))
            QSKIP("zbarimg (Debian zbar-tools) is not installed");
        QFETCH(QString, symbology);
        QFETCH(QString, text);
        QFETCH(QString, decoded);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("code.png"));
        const Run r = bookctl({QStringLiteral("barcode"), symbology, text, QStringLiteral("--out"), file});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.json.value("file").toString(), file);
        QCOMPARE(ExternalTools::decodeBarcodes(file), QStringList{decoded});
        // The text is printed under the bars: the picture is taller than the bars alone.
        QImage image(file);
        QVERIFY(image.height() > 60);
    }

    // A text the symbology cannot encode: the encoder's message, exit 1, no picture.
    void barcodeRefuses_data()
    {
        QTest::addColumn<QString>("symbology");
        QTest::addColumn<QString>("text");
        QTest::newRow("code39 lower case") << "code39" << "abc";
        QTest::newRow("code39 Chinese") << "code39" << "书1";
        QTest::newRow("code39 empty") << "code39" << "";
        QTest::newRow("code128a lower case") << "code128a" << "Ab";
        QTest::newRow("code128a beyond set A") << "code128a" << "A{";
    }
    void barcodeRefuses()
    {
        QFETCH(QString, symbology);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("code.png"));
        const Run r = bookctl({QStringLiteral("barcode"), symbology, text, QStringLiteral("--out"), file});
        QCOMPARE(r.status, 1);
        const QString expected = symbology == QLatin1String("code39") ? Code39::encode(text).error
                                                                      : Code128A::encode(text).error;
        QVERIFY(!expected.isEmpty());
        QCOMPARE(r.json.value("message").toString(), expected);
        QVERIFY(!QFile::exists(file));
    }

    void barcodeUsage()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("code.png"));
        QCOMPARE(bookctl({QStringLiteral("barcode"), QStringLiteral("qr"), QStringLiteral("A"),
                          QStringLiteral("--out"), file}).status, 2);
        QCOMPARE(bookctl({QStringLiteral("barcode"), QStringLiteral("code39"), QStringLiteral("A")}).status, 2);
        QVERIFY(!QFile::exists(file));
        // An unwritable target.
        const Run r = bookctl({QStringLiteral("barcode"), QStringLiteral("code39"), QStringLiteral("A"),
                               QStringLiteral("--out"), dir.filePath(QStringLiteral("no/such/folder/x.png"))});
        QCOMPARE(r.status, 1);
    }
};

QTEST_MAIN(TestKitCommands)
#include "tst_kit_commands.moc"
