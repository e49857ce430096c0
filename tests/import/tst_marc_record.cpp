// SPDX-License-Identifier: MIT
// The MARC record reader and file reader against CNMARC fixtures in GBK, with
// yaz-marcdump as an outside judge of where the fields and subfields are.
#include "foundation/Gbk.h"
#include "import/MarcFile.h"
#include "import/MarcRecord.h"
#include "import/MarcSubfields.h"
#include "import/PageCount.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QXmlStreamReader>

Q_DECLARE_METATYPE(MarcError)

namespace {

QByteArray fixture(const char *name)
{
    QFile file(QStringLiteral(FIXTURE_DIR "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", name);
    return file.readAll();
}

// The records of books.iso, each with its terminator, cut apart here without the reader.
QList<QByteArray> books()
{
    QList<QByteArray> records = fixture("books.iso").split('\x1D');
    records.removeLast(); // the empty text after the last terminator
    for (QByteArray &record : records)
        record.append('\x1D');
    return records;
}

// The thirteen values each record of books.iso must give, in list order.
QList<QStringList> expectedBooks()
{
    const QString none;
    return {
        {"红楼梦", "(清)曹雪芹著", "7-02-000220-X", "59.70", "北京", "人民文学出版社", "1996.12",
         "1606页", "20cm", "附光盘1张$f一套", "I242.4", "章回小说", "中国古典长篇小说。$b第二段"},
        {"围城", none, none, none, none, none, none, none, none, none, none, none, none},
        {"高等数学", "同济大学数学系编", "7-04-999999-9", "25.00", "北京", "某出版社", "2005.10", none,
         "26cm", none, none, "高等数学", none},
        {"美元$符号研究", "张三著", "978-7-111-12345-6", "9.8", "上海", "上海译文出版社", "2005年1",
         none, "18cm", none, "TP312", none, none},
        {"数据结构", "李四编", "7-5327-1", "25.5", "广州", "花城出版社", "2003", none, none,
         "附页1张", none, none, none},
    };
}

int leaderNumber(const QByteArray &record, int from)
{
    return record.mid(from, 5).toInt();
}

QByteArray withLeaderNumber(QByteArray record, int from, int number)
{
    return record.replace(from, 5, QByteArray::number(number).rightJustified(5, '0'));
}

QByteArray withBase(const QByteArray &record, int base)
{
    return withLeaderNumber(record, 12, base);
}

// One field as yaz-marcdump sees it: tag and (code, value) subfields.
struct YazField
{
    QString tag;
    QList<QPair<QString, QString>> subfields;
};

// The first subfield `code` of the last field `tag`, as the reader's simple rules take it.
QString yazValue(const QList<YazField> &fields, const QString &tag, const QString &code)
{
    for (auto field = fields.crbegin(); field != fields.crend(); ++field) {
        if (field->tag != tag)
            continue;
        for (const auto &subfield : field->subfields)
            if (subfield.first == code)
                return subfield.second;
        return {};
    }
    return {};
}

} // namespace

class TestMarcRecord : public QObject
{
    Q_OBJECT

private slots:
    void extractsBookValues_data();
    void extractsBookValues();
    void agreesWithYaz();
    void countsDirectoryEntries_data();
    void countsDirectoryEntries();
    void judgesDamagedRecords_data();
    void judgesDamagedRecords();
    void splitsText_data();
    void splitsText();
    void readsFileForms_data();
    void readsFileForms();
    void keepsLineBreakInsideValue();
    void reportsBadRecordsAndGoesOn();
    void stopsWhenProgressSaysSo();
    void reportsUnreadableFile();
    void leadingPageCount_data();
    void leadingPageCount();
};

void TestMarcRecord::extractsBookValues_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("every value, other tags around them") << 0;
    QTest::newRow("200 with $a only, three directory entries") << 1;
    QTest::newRow("repeated 010 and 606, pages without 页") << 2;
    QTest::newRow("literal $, date and 页 bytes inside Chinese, $A before $a") << 3;
    QTest::newRow("price before Chinese, subfields after date and pages") << 4;
}

void TestMarcRecord::extractsBookValues()
{
    QFETCH(int, index);
    const MarcReadResult result = MarcRecord::read(books().at(index));
    QVERIFY2(result.ok(), qPrintable(result.reason));
    QCOMPARE(result.record.values(), expectedBooks().at(index));
}

void TestMarcRecord::agreesWithYaz()
{
    const QString yaz = QStandardPaths::findExecutable(QStringLiteral("yaz-marcdump"));
    if (yaz.isEmpty())
        QSKIP("yaz-marcdump (Debian package yaz) is not installed");
    QProcess process;
    process.start(yaz, {"-f", "GBK", "-t", "UTF-8", "-o", "marcxml", FIXTURE_DIR "/books.iso"});
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 0);
    const QByteArray xml = process.readAllStandardOutput();
    QVERIFY2(!xml.contains("<!--"), xml.constData()); // yaz notes damage in comments

    QList<QList<YazField>> records;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == u"record")
            records.append(QList<YazField>());
        else if (reader.name() == u"datafield")
            records.last().append(YazField{reader.attributes().value(QLatin1String("tag")).toString(), {}});
        else if (reader.name() == u"subfield") {
            const QString code = reader.attributes().value(QLatin1String("code")).toString();
            records.last().last().subfields.append({code, reader.readElementText()});
        }
    }
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));

    const QList<QByteArray> ours = books();
    QCOMPARE(records.size(), ours.size());
    for (int i = 0; i < records.size(); ++i) {
        const MarcRecord record = MarcRecord::read(ours.at(i)).record;
        const QList<YazField> &fields = records.at(i);
        QCOMPARE(record.title, yazValue(fields, "200", "a"));
        QCOMPARE(record.author, yazValue(fields, "200", "f"));
        QCOMPARE(record.isbn, yazValue(fields, "010", "a"));
        QCOMPARE(record.place, yazValue(fields, "210", "a"));
        QCOMPARE(record.publisher, yazValue(fields, "210", "c"));
        QCOMPARE(record.dimensions, yazValue(fields, "215", "d"));
        QCOMPARE(record.classNumber, yazValue(fields, "690", "a"));
        QCOMPARE(record.subject, yazValue(fields, "606", "a"));
    }
}

void TestMarcRecord::countsDirectoryEntries_data()
{
    // Record 2 has three entries (001, 100, 200); its title is in the third.
    QTest::addColumn<int>("cut");
    QTest::addColumn<QString>("title");
    QTest::newRow("36 bytes: three entries") << 0 << QStringLiteral("围城");
    QTest::newRow("30 bytes: 2.5 rounds to three") << 6 << QStringLiteral("围城");
    QTest::newRow("29 bytes: 2.4 rounds to two") << 7 << QString();
}

void TestMarcRecord::countsDirectoryEntries()
{
    QFETCH(int, cut);
    QFETCH(QString, title);
    QByteArray record = books().at(1);
    record.remove(24 + 36 - cut, cut); // shorten the last entry
    record = withBase(record, leaderNumber(record, 12) - cut);
    const MarcReadResult result = MarcRecord::read(record);
    QVERIFY2(result.ok(), qPrintable(result.reason));
    QCOMPARE(result.record.title, title);
}

void TestMarcRecord::judgesDamagedRecords_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<MarcError>("error");
    const QByteArray good = books().at(0);
    const int base = leaderNumber(good, 12);

    QTest::newRow("empty") << QByteArray() << MarcError::LeaderTooShort;
    QTest::newRow("shorter than a leader") << good.left(20) << MarcError::LeaderTooShort;
    QTest::newRow("a line of text") << Gbk::encode("这不是记录，只是一行普通的文字")
                                    << MarcError::LeaderNotNumeric;
    QTest::newRow("letter in record length") << QByteArray(good).replace(2, 1, "x")
                                             << MarcError::LeaderNotNumeric;
    QTest::newRow("blank in base address") << QByteArray(good).replace(12, 1, " ")
                                           << MarcError::LeaderNotNumeric;
    QTest::newRow("base address one too far") << withBase(good, base + 1)
                                              << MarcError::BaseAddressInvalid;
    QTest::newRow("base address one too near") << withBase(good, base - 1)
                                               << MarcError::BaseAddressInvalid;
    QTest::newRow("base address zero") << withBase(good, 0) << MarcError::BaseAddressInvalid;
    QTest::newRow("base address past the end") << withBase(good, 99999)
                                               << MarcError::BaseAddressInvalid;
    QTest::newRow("cut inside the last field") << good.left(good.size() - 5)
                                               << MarcError::FieldsMissing;
    QTest::newRow("cut after a field terminator") << good.left(good.size() - 20).append('\x1E')
                                                  << MarcError::FieldsMissing;
    QByteArray phantom = books().at(1);
    phantom.insert(24 + 36, "606000500000");
    QTest::newRow("directory names one field more")
        << withBase(phantom, leaderNumber(phantom, 12) + 12) << MarcError::FieldsMissing;

    QTest::newRow("wrong record length") << withLeaderNumber(good, 0, 12) << MarcError::None;
    QTest::newRow("no record terminator") << good.left(good.size() - 1) << MarcError::None;
    QTest::newRow("last field terminator lost")
        << good.left(good.size() - 2).append('\x1D') << MarcError::None;
}

void TestMarcRecord::judgesDamagedRecords()
{
    QFETCH(QByteArray, bytes);
    QFETCH(MarcError, error);
    const MarcReadResult result = MarcRecord::read(bytes);
    QCOMPARE(result.error, error);
    QCOMPARE(result.reason.isEmpty(), error == MarcError::None);
    if (error == MarcError::None)
        QCOMPARE(result.record.values(), expectedBooks().at(0));
    else
        QCOMPARE(result.record.values(), MarcRecord().values());
}

void TestMarcRecord::splitsText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::newRow("empty text, no piece") << QByteArray() << QList<QByteArray>();
    QTest::newRow("no separator, one piece") << QByteArray("ab") << QList<QByteArray>{"ab"};
    QTest::newRow("separators at both ends")
        << QByteArray("\x1E" "a\x1E") << QList<QByteArray>{"", "a", ""};
    QTest::newRow("two separators together")
        << QByteArray("a\x1E\x1E" "b") << QList<QByteArray>{"a", "", "b"};
}

void TestMarcRecord::splitsText()
{
    QFETCH(QByteArray, text);
    QFETCH(QList<QByteArray>, pieces);
    QCOMPARE(MarcSubfield::splitText(text, '\x1E'), pieces);
}

void TestMarcRecord::readsFileForms_data()
{
    QTest::addColumn<QByteArray>("content");
    const QList<QByteArray> records = books();
    QList<QByteArray> bare;
    for (const QByteArray &record : records)
        bare.append(record.left(record.size() - 1));
    QTest::newRow("ISO 2709, back to back") << fixture("books.iso");
    QTest::newRow("one a line, CR LF, blank lines") << "\r\n" + records.join("\r\n") + "\r\n\r\n";
    QTest::newRow("one a line, no record terminators") << bare.join('\n');
}

void TestMarcRecord::readsFileForms()
{
    QFETCH(QByteArray, content);
    QList<int> seen;
    const MarcFileResult result =
        MarcFile::readBytes(content, [&](const MarcFileRecord &record, int total) {
            seen.append(record.number);
            return total == 5; // a wrong total stops the reading and shows in `seen`
        });
    QVERIFY(result.opened);
    QVERIFY(!result.stopped);
    QCOMPARE(seen, (QList<int>{1, 2, 3, 4, 5}));
    const QList<QStringList> expected = expectedBooks();
    QCOMPARE(result.records.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QVERIFY2(result.records.at(i).result.ok(), qPrintable(result.records.at(i).result.reason));
        QCOMPARE(result.records.at(i).result.record.values(), expected.at(i));
    }
}

void TestMarcRecord::keepsLineBreakInsideValue()
{
    // A record whose length is right ends at its terminator even past a line break.
    QList<QByteArray> records = books();
    QByteArray &first = records[0];
    first.insert(first.indexOf(Gbk::encode("长篇小说")), '\n');
    first = withLeaderNumber(first, 0, first.size());
    const MarcFileResult result = MarcFile::readBytes(records.join("\n"));
    QCOMPARE(result.records.size(), 5);
    QCOMPARE(result.badCount(), 0);
    QCOMPARE(result.records.at(0).result.record.summary, QStringLiteral("中国古典\n长篇小说。$b第二段"));
}

void TestMarcRecord::reportsBadRecordsAndGoesOn()
{
    // mixed.mrc: good, cut short, a line of text, wrong base address, good; then blank lines.
    const MarcFileResult result = MarcFile::read(FIXTURE_DIR "/mixed.mrc");
    QVERIFY(result.opened);
    QCOMPARE(result.records.size(), 5);
    const QList<MarcError> errors{MarcError::None, MarcError::FieldsMissing,
                                  MarcError::LeaderNotNumeric, MarcError::BaseAddressInvalid,
                                  MarcError::None};
    for (int i = 0; i < errors.size(); ++i) {
        QCOMPARE(result.records.at(i).number, i + 1);
        QCOMPARE(result.records.at(i).result.error, errors.at(i));
    }
    QCOMPARE(result.records.at(0).result.record.values(), expectedBooks().at(0));
    QCOMPARE(result.records.at(4).result.record.values(), expectedBooks().at(1));
    QCOMPARE(result.goodCount(), 2);
    QCOMPARE(result.badCount(), 3);
}

void TestMarcRecord::stopsWhenProgressSaysSo()
{
    const MarcFileResult result = MarcFile::readBytes(
        fixture("books.iso"), [](const MarcFileRecord &record, int) { return record.number < 2; });
    QVERIFY(result.stopped);
    QCOMPARE(result.records.size(), 2);
}

void TestMarcRecord::reportsUnreadableFile()
{
    const MarcFileResult result = MarcFile::read(FIXTURE_DIR "/no-such-file.iso");
    QVERIFY(!result.opened);
    QVERIFY(!result.fileError.isEmpty());
    QVERIFY(result.records.isEmpty());
}

void TestMarcRecord::leadingPageCount_data()
{
    QTest::addColumn<QString>("pages");
    QTest::addColumn<int>("count");
    QTest::newRow("number and 页") << QStringLiteral("320页") << 320;
    QTest::newRow("empty") << QStringLiteral("") << 0;
    QTest::newRow("页 alone") << QStringLiteral("页") << 0;
    QTest::newRow("roman numbers first") << QStringLiteral("xii, 320页") << 0;
    QTest::newRow("leading blanks") << QStringLiteral("  48页") << 48;
    QTest::newRow("full-width digits") << QStringLiteral("３２０页") << 320;
    QTest::newRow("stops at the point") << QStringLiteral("12.5页") << 12;
    QTest::newRow("too large for the column") << QStringLiteral("99999999999页") << 0;
}

void TestMarcRecord::leadingPageCount()
{
    QFETCH(QString, pages);
    QFETCH(int, count);
    QCOMPARE(::leadingPageCount(pages), count);
}

QTEST_GUILESS_MAIN(TestMarcRecord)
#include "tst_marc_record.moc"
