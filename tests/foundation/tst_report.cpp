// SPDX-License-Identifier: MIT
// The report layer: list reports and label sheets rendered to PDF, judged by poppler's
// tools (pages, text, word boxes) and by zbarimg for barcodes printed on a sheet.
#include "ExternalTools.h"
#include "MessageRecorder.h"

#include "foundation/BarcodePainter.h"
#include "foundation/Code128A.h"
#include "foundation/Code39.h"
#include "foundation/LabelSheet.h"
#include "foundation/ListReport.h"
#include "foundation/ReportPreviewDialog.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QtTest>

using ExternalTools::PdfWord;

namespace {

const QStringList kCaptions = {QStringLiteral("图书编号"), QStringLiteral("条形码"), QStringLiteral("书名"),
                               QStringLiteral("分类"), QStringLiteral("数量")};
const QString kTotals = QStringLiteral(" 数量合计: 12  价格合计: 300");

QString marker(int row) { return QStringLiteral("B%1").arg(row + 1, 4, 10, QLatin1Char('0')); }

ListReport bookList(int rows, bool totals)
{
    ListReport report;
    report.setTitle(QStringLiteral("图书清单"));
    report.setPrintedAt(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
    const QList<qreal> widths = {1, 1.2, 3, 1, 0.8};
    for (int c = 0; c < kCaptions.size(); ++c)
        report.addColumn(kCaptions.at(c), widths.at(c), c == 4 ? Qt::AlignRight : Qt::AlignLeft);
    for (int r = 0; r < rows; ++r)
        report.addRow({marker(r), QStringLiteral("TM%1").arg(r), QStringLiteral("红楼梦%1").arg(r),
                       QStringLiteral("文学"), QString::number(r % 2 ? 7 : 1234)});
    if (totals)
        report.setTotalsText(kTotals);
    return report;
}

// The box of the first word equal to text; a null rect when there is none.
QRectF boxOf(const QList<PdfWord> &words, const QString &text)
{
    for (const PdfWord &w : words) {
        if (w.text == text)
            return w.box;
    }
    return QRectF();
}

// pdftotext does not keep the narrow blanks between Chinese glyphs, so texts are
// compared without blanks.
QString squeezed(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

bool pdfToolsMissing()
{
    return !ExternalTools::available(QStringLiteral("pdftotext")) || !ExternalTools::available(QStringLiteral("pdfinfo"));
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        if (qEnvironmentVariableIsSet("KEEP_REPORT_FILES"))
            m_dir.setAutoRemove(false);
    }

    void listReportPages_data()
    {
        QTest::addColumn<int>("fullPages");
        QTest::addColumn<int>("extraRows");
        QTest::addColumn<bool>("totals");
        QTest::addColumn<int>("pages");
        QTest::newRow("no rows, heads and totals") << 0 << 0 << true << 1;
        QTest::newRow("one row") << 0 << 1 << false << 1;
        QTest::newRow("a page filled exactly") << 1 << 0 << false << 1;
        QTest::newRow("one row over a page") << 1 << 1 << false << 2;
        QTest::newRow("full page pushes the totals on") << 1 << 0 << true << 2;
        QTest::newRow("three pages with totals") << 2 << 5 << true << 3;
    }

    // Every page has the title band, the heads and its footer; the rows come once each,
    // in order, between the heads and the footer; the totals only on the last page.
    void listReportPages()
    {
        if (pdfToolsMissing())
            QSKIP("pdftotext/pdfinfo (Debian poppler-utils) are not installed");
        QFETCH(int, fullPages);
        QFETCH(int, extraRows);
        QFETCH(bool, totals);
        QFETCH(int, pages);

        const int perPage = bookList(0, totals).rowsPerPage(ListReport().pageLayout());
        QVERIFY2(perPage > 20, "an A4 page holds more than 20 lines of 10 points");
        const int rows = fullPages * perPage + extraRows;
        const ListReport report = bookList(rows, totals);
        QCOMPARE(report.pageCount(), pages);

        const QString file = m_dir.filePath(QStringLiteral("list%1.pdf").arg(m_files++));
        QVERIFY(report.renderToPdf(file));
        QCOMPARE(ExternalTools::pdfPageCount(file), pages);

        QStringList printedRows;
        for (int page = 1; page <= pages; ++page) {
            const QString where = QStringLiteral("page %1").arg(page);
            const QString text = ExternalTools::pdfPageText(file, page);
            const QList<PdfWord> words = ExternalTools::pdfPageWords(file, page);
            for (const QString &head : kCaptions + QStringList{"图书清单", "2024-03-05", "14:07:09", "第"})
                QVERIFY2(!boxOf(words, head).isNull(), qPrintable(where + " lacks " + head));
            const QString footer = QStringLiteral("第 %1 页 / 共 %2 页").arg(page).arg(pages);
            QVERIFY2(squeezed(text).contains(squeezed(footer)), qPrintable(where));
            QCOMPARE(squeezed(text).contains(squeezed(kTotals)), totals && page == pages);

            const qreal headsBottom = boxOf(words, kCaptions.first()).bottom();
            const qreal footerTop = boxOf(words, QStringLiteral("第")).top();
            qreal lastY = headsBottom;
            for (const PdfWord &w : words) {
                if (!w.text.contains(QRegularExpression(QStringLiteral("^B\\d{4}$"))))
                    continue;
                QVERIFY2(w.box.top() >= lastY && w.box.bottom() < footerTop, qPrintable(where + " " + w.text));
                lastY = w.box.bottom();
                printedRows << w.text;
            }
        }
        QStringList expected;
        for (int r = 0; r < rows; ++r)
            expected << marker(r);
        QCOMPARE(printedRows, expected);
    }

    // Alignment and cutting: a right-aligned column ends at one edge whatever the width
    // of its texts, a text too long for its column stops before the next column, and
    // the date and time sit at the top right of the printable area.
    void listReportGeometry()
    {
        if (pdfToolsMissing())
            QSKIP("pdftotext/pdfinfo (Debian poppler-utils) are not installed");
        ListReport report = bookList(6, false);
        QList<QStringList> rows;
        for (int r = 0; r < 6; ++r)
            rows << QStringList{marker(r), QStringLiteral("TM%1").arg(r), r == 2 ? QString(60, QChar(0x957F)) : QStringLiteral("短"),
                                QStringLiteral("文学%1").arg(r), QString::number(r % 2 ? 7 : 1234)};
        report.setRows(rows);
        const QString file = m_dir.filePath(QStringLiteral("geometry.pdf"));
        QVERIFY(report.renderToPdf(file));
        const QList<PdfWord> words = ExternalTools::pdfPageWords(file, 1);

        for (const QString &word : {marker(2), kCaptions.first(), QStringLiteral("14:07:09")})
            QVERIFY2(!boxOf(words, word).isNull(), qPrintable(word));
        const QRectF next = boxOf(words, QStringLiteral("文学2"));
        QVERIFY2(!next.isNull(), "the column after the long text is printed on its own");
        const qreal rowTop = boxOf(words, marker(2)).top();
        for (const PdfWord &w : words) {
            if (qAbs(w.box.top() - rowTop) < 2 && w.box.left() < next.left())
                QVERIFY2(w.box.right() <= next.left(), qPrintable(w.text));
        }

        QList<qreal> rightEdges;
        for (const PdfWord &w : words) {
            if (w.text == QLatin1String("7") || w.text == QLatin1String("1234"))
                rightEdges << w.box.right();
        }
        QCOMPARE(rightEdges.size(), 6);
        for (qreal edge : rightEdges)
            QVERIFY2(qAbs(edge - rightEdges.first()) < 0.5, "right-aligned texts end together");

        const qreal printableRight = report.pageLayout().fullRectPoints().width()
                                   - report.pageLayout().margins(QPageLayout::Point).right();
        const QRectF time = boxOf(words, QStringLiteral("14:07:09"));
        QVERIFY(qAbs(time.right() - printableRight) < 2);
        QVERIFY(time.bottom() < boxOf(words, kCaptions.first()).top());
    }

    void labelSheetLayout_data()
    {
        QTest::addColumn<QSizeF>("cell");
        QTest::addColumn<QSizeF>("gap");
        QTest::addColumn<int>("askedColumns");
        QTest::addColumn<int>("askedRows");
        QTest::addColumn<QList<int>>("sections");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages");
        // A4 less 15 mm margins leaves 180 × 267 mm.
        QTest::newRow("cards, fronts then backs") << QSizeF(85.6, 54) << QSizeF(2, 2) << 0 << 0
                                                  << QList<int>{10, 10} << 2 << 4 << 4;
        QTest::newRow("labels in a fixed grid") << QSizeF(50, 20) << QSizeF(5, 3) << 3 << 10
                                                << QList<int>{31} << 3 << 10 << 2;
        QTest::newRow("cells that fit exactly") << QSizeF(60, 89) << QSizeF(0, 0) << 0 << 0
                                                << QList<int>{9, 1} << 3 << 3 << 2;
        QTest::newRow("nothing to print") << QSizeF(50, 20) << QSizeF(2, 2) << 0 << 0 << QList<int>{} << 3 << 12 << 1;
    }

    // Each cell is painted once, at its size, inside the printable area, without
    // overlapping another cell of its page; each section starts on a new page.
    void labelSheetLayout()
    {
        if (pdfToolsMissing())
            QSKIP("pdftotext/pdfinfo (Debian poppler-utils) are not installed");
        QFETCH(QSizeF, cell);
        QFETCH(QSizeF, gap);
        QFETCH(int, askedColumns);
        QFETCH(int, askedRows);
        QFETCH(QList<int>, sections);
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(int, pages);

        LabelSheet sheet(cell, askedColumns, askedRows, gap);
        QList<QPair<QString, QRectF>> painted;
        for (int s = 0; s < sections.size(); ++s) {
            sheet.addCells(sections.at(s), [&painted, s](QPainter &p, const QRectF &rect, int index) {
                const QString name = QStringLiteral("S%1-%2").arg(s).arg(index);
                p.drawText(rect, Qt::AlignCenter, name);
                painted.append({name, rect});
            });
        }
        const QPageLayout layout = sheet.pageLayout();
        QCOMPARE(sheet.columns(layout), columns);
        QCOMPARE(sheet.rows(layout), rows);
        QCOMPARE(sheet.pageCount(), pages);

        const QString file = m_dir.filePath(QStringLiteral("sheet%1.pdf").arg(m_files++));
        const int dpi = 300;
        {
            QPdfWriter writer(file);
            writer.setResolution(dpi);
            writer.setPageLayout(layout);
            QVERIFY(sheet.paint(writer));
        }
        QCOMPARE(ExternalTools::pdfPageCount(file), pages);

        const QSizeF cellPixels = cell * (dpi / 25.4);
        const QSizeF areaPixels = layout.paintRect(QPageLayout::Millimeter).size() * (dpi / 25.4);
        const QRectF area(QPointF(0, 0), areaPixels + QSizeF(0.5, 0.5));
        int next = 0;
        int page = 0;
        for (int s = 0; s < sections.size(); ++s) {
            for (int first = 0; first < sections.at(s); first += columns * rows) {
                ++page;
                QStringList expected;
                for (int i = first; i < qMin(sections.at(s), first + columns * rows); ++i, ++next) {
                    const auto &[name, rect] = painted.at(next);
                    QCOMPARE(name, QStringLiteral("S%1-%2").arg(s).arg(i));
                    QVERIFY(qAbs(rect.width() - cellPixels.width()) < 0.5 && qAbs(rect.height() - cellPixels.height()) < 0.5);
                    QVERIFY2(area.contains(rect), qPrintable(name));
                    for (int j = next - (i - first); j < next; ++j)
                        QVERIFY2(!painted.at(j).second.intersected(rect).isValid(), qPrintable(name));
                    expected << name;
                }
                QStringList found = ExternalTools::pdfPageText(file, page).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
                found.sort();
                expected.sort();
                QCOMPARE(found, expected);
            }
        }
        QCOMPARE(next, int(painted.size()));
    }

    // Barcodes painted on a sheet survive the PDF: a reader finds every one of them.
    void barcodesOnSheetRead()
    {
        if (pdfToolsMissing() || !ExternalTools::available(QStringLiteral("pdftoppm")) || !ExternalTools::available(QStringLiteral("zbarimg")))
            QSKIP("zbarimg (zbar-tools) or pdftoppm (poppler-utils) is not installed");
        const QStringList cards = {"R0001", "R0002", "TS-2024 01", "12345678"};
        const QStringList books = {"A0001", "A0002", "TS-2024 01"};
        LabelSheet sheet(QSizeF(60, 30), 0, 0, QSizeF(2, 4));
        sheet.addCells(int(cards.size()), [&cards](QPainter &p, const QRectF &r, int i) {
            BarcodePainter::paint(p, r.adjusted(r.width() * 0.05, r.height() * 0.1, -r.width() * 0.05, -r.height() * 0.1),
                                  Code128A::encode(cards.at(i)), PagedReport::font(8));
        });
        sheet.addCells(int(books.size()), [&books](QPainter &p, const QRectF &r, int i) {
            BarcodePainter::paint(p, r, Code39::encode(books.at(i)));
        });
        QCOMPARE(sheet.pageCount(), 2);
        const QString file = m_dir.filePath(QStringLiteral("barcodes.pdf"));
        QVERIFY(sheet.renderToPdf(file));

        QStringList found;
        for (int page = 1; page <= 2; ++page) {
            const QString png = ExternalTools::pdfPageToPng(file, page, 300);
            QVERIFY(!png.isEmpty());
            found += ExternalTools::decodeBarcodes(png);
        }
        QStringList expected;
        for (const QString &t : cards)
            expected << "CODE-128:" + t;
        for (const QString &t : books)
            expected << "CODE-39:" + t;
        found.sort();
        expected.sort();
        QCOMPARE(found, expected);
    }

    // The preview shows every page and saves the same pages as PDF; a file that cannot
    // be written is told to the operator.
    void previewAndSave()
    {
        const ListReport probe = bookList(0, false);
        const ListReport report = bookList(2 * probe.rowsPerPage(probe.pageLayout()) + 1, false);
        QCOMPARE(report.pageCount(), 3);
        MessageRecorder recorder;

        ReportPreviewDialog dialog(report, QStringLiteral("图书清单"));
        QVERIFY(dialog.saveAsPdfAction());
        QCOMPARE(dialog.saveAsPdfAction()->text(), QStringLiteral("保存为PDF"));
        dialog.show();
        auto *widget = dialog.findChild<QPrintPreviewWidget *>();
        QVERIFY(widget);
        QTRY_COMPARE(widget->pageCount(), 3);

        QVERIFY(dialog.saveAsPdf(m_dir.filePath(QStringLiteral("preview"))));
        if (!pdfToolsMissing())
            QCOMPARE(ExternalTools::pdfPageCount(m_dir.filePath(QStringLiteral("preview.pdf"))), 3);
        QVERIFY(recorder.texts.isEmpty());

        const QString bad = m_dir.filePath(QStringLiteral("no such folder/x.pdf"));
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY(!dialog.saveAsPdf(bad));
        QCOMPARE(recorder.texts, QStringList{QStringLiteral("不能写入文件: ") + bad});
    }

private:
    QTemporaryDir m_dir;
    int m_files = 0;
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
