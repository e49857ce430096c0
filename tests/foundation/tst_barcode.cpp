// SPDX-License-Identifier: MIT
// Barcode encoders and painting, judged by zbarimg reading the rendered symbols.
#include "ExternalTools.h"

#include "foundation/BarcodePainter.h"
#include "foundation/Code128A.h"
#include "foundation/Code39.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

BarcodePattern encode(const QString &symbology, const QString &text)
{
    return symbology == QLatin1String("CODE-39") ? Code39::encode(text) : Code128A::encode(text);
}

} // namespace

class TestBarcode : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
    }

    void decodesRenderedSymbol_data()
    {
        QTest::addColumn<QString>("symbology");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("moduleWidth");
        const QStringList texts = {
            QStringLiteral("A0001"), QStringLiteral("TS-2024 01"), QStringLiteral("12345678"),
            QStringLiteral("0123456789"), QStringLiteral("ABCDEFGHIJKLM"), QStringLiteral("NOPQRSTUVWXYZ"),
        };
        for (const char *symbology : {"CODE-39", "CODE-128"}) {
            for (const QString &text : texts)
                QTest::addRow("%s %s", symbology, qPrintable(text)) << QString::fromLatin1(symbology) << text << 2;
            QTest::addRow("%s one pixel per module", symbology) << QString::fromLatin1(symbology) << "B7" << 1;
        }
        // The rest of each character set.
        QTest::newRow("CODE-39 punctuation") << "CODE-39" << "-. $/+%" << 2;
        QTest::newRow("CODE-128 punctuation") << "CODE-128" << " !\"#$%&'()*+,-./:;<=>?@" << 2;
        QTest::newRow("CODE-128 brackets") << "CODE-128" << "[\\]^_" << 2;
        QTest::newRow("CODE-128 control character") << "CODE-128" << "AB\tCD" << 2;
    }

    void decodesRenderedSymbol()
    {
        if (!ExternalTools::available(QStringLiteral("zbarimg")))
            QSKIP("zbarimg (Debian zbar-tools) is not installed");
        QFETCH(QString, symbology);
        QFETCH(QString, text);
        QFETCH(int, moduleWidth);

        const BarcodePattern pattern = encode(symbology, text);
        QVERIFY2(pattern.isValid(), qPrintable(pattern.error));
        const QString file = m_dir.filePath(QStringLiteral("symbol%1.png").arg(m_files++));
        QVERIFY(BarcodePainter::toImage(pattern, moduleWidth, 50).save(file));
        QCOMPARE(ExternalTools::decodeBarcodes(file), QStringList{symbology + QLatin1Char(':') + text});
    }

    // Painting into rects of a larger image: each symbol lands in its own rect with
    // its quiet zones, so both read.
    void paintsIntoRects()
    {
        if (!ExternalTools::available(QStringLiteral("zbarimg")))
            QSKIP("zbarimg (Debian zbar-tools) is not installed");
        QImage image(1300, 420, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            BarcodePainter::paint(painter, QRectF(20, 20, 600, 150), Code39::encode(QStringLiteral("A0001")));
            BarcodePainter::paint(painter, QRectF(660, 230, 620, 160), Code128A::encode(QStringLiteral("TS-2024 01")));
        }
        const QString file = m_dir.filePath(QStringLiteral("two.png"));
        QVERIFY(image.save(file));
        QStringList found = ExternalTools::decodeBarcodes(file);
        found.sort();
        QCOMPARE(found, (QStringList{QStringLiteral("CODE-128:TS-2024 01"), QStringLiteral("CODE-39:A0001")}));
    }

    void refusesText_data()
    {
        QTest::addColumn<QString>("symbology");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString c39 = QStringLiteral("条码含有Code 39不能编码的字符: ");
        const QString c128 = QStringLiteral("条码含有Code 128 A不能编码的字符: ");
        QTest::newRow("39 lower case") << "CODE-39" << "a0001" << c39 + "a";
        QTest::newRow("39 lower case after valid") << "CODE-39" << "A000b" << c39 + "b";
        QTest::newRow("39 underscore") << "CODE-39" << "A_1" << c39 + "_";
        QTest::newRow("39 star inside") << "CODE-39" << "A*1" << c39 + "*";
        QTest::newRow("39 Chinese") << "CODE-39" << QStringLiteral("书1") << c39 + QStringLiteral("书");
        QTest::newRow("39 tab") << "CODE-39" << "A\t1" << c39 + "U+0009";
        QTest::newRow("39 empty") << "CODE-39" << "" << QStringLiteral("条码内容不能为空!");
        QTest::newRow("128A lower case") << "CODE-128" << "A0001x" << c128 + "x";
        QTest::newRow("128A backquote") << "CODE-128" << "A`" << c128 + "`";
        QTest::newRow("128A tilde") << "CODE-128" << "~" << c128 + "~";
        QTest::newRow("128A delete") << "CODE-128" << "A\x7f" << c128 + "U+007F";
        QTest::newRow("128A Chinese") << "CODE-128" << QStringLiteral("A书") << c128 + QStringLiteral("书");
        QTest::newRow("128A outside the BMP") << "CODE-128" << QString::fromUcs4(U"A\U00020000")
                                              << c128 + QString::fromUcs4(U"\U00020000");
        QTest::newRow("128A empty") << "CODE-128" << "" << QStringLiteral("条码内容不能为空!");
    }

    void refusesText()
    {
        QFETCH(QString, symbology);
        QFETCH(QString, text);
        QFETCH(QString, message);
        const BarcodePattern pattern = encode(symbology, text);
        QVERIFY(!pattern.isValid());
        QVERIFY(pattern.widths.isEmpty());
        QCOMPARE(pattern.error, message);
    }

    // zbar reads set B or C as well, so the forced set shows only in the structure: Start A
    // (2 1 1 4 1 2 in the public table), then exactly one symbol per character (digits
    // are not packed in pairs as set C would), the check character and the stop.
    void code128StaysInSetA()
    {
        const QString digits = QStringLiteral("12345678");
        const BarcodePattern pattern = Code128A::encode(digits);
        QCOMPARE(pattern.widths.mid(0, 6), (QVector<int>{2, 1, 1, 4, 1, 2}));
        QCOMPARE(pattern.widths.size(), 6 * (int(digits.size()) + 2) + 7);
        QCOMPARE(pattern.moduleCount(), 11 * (int(digits.size()) + 2) + 13);
    }

private:
    QTemporaryDir m_dir;
    int m_files = 0;
};

QTEST_MAIN(TestBarcode)
#include "tst_barcode.moc"
