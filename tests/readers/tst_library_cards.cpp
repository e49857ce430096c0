// SPDX-License-Identifier: MIT
// Library cards and the printed lists, judged by poppler's text extraction and zbarimg.
#include "ExternalTools.h"
#include "TestDatabase.h"
#include "foundation/Money.h"
#include "readers/IncomeJournal.h"
#include "readers/IncomeReport.h"
#include "readers/LibraryCards.h"
#include "readers/ReaderListReport.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {
bool pdfToolsMissing()
{
    return !ExternalTools::available(QStringLiteral("pdftotext")) || !ExternalTools::available(QStringLiteral("pdfinfo"));
}

QString squeezed(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s+")));
}
} // namespace

class TestLibraryCards : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    // Fronts carry the library name, "姓名:" with the name, the category and a barcode of
    // the reader number; the backs follow on a page of their own with the back text.
    void cardsFrontAndBack()
    {
        if (pdfToolsMissing() || !ExternalTools::available(QStringLiteral("pdftoppm")) ||
            !ExternalTools::available(QStringLiteral("zbarimg")))
            QSKIP("poppler-utils or zbar-tools is not installed");
        const QList<LibraryCards::Card> cards = {{QStringLiteral("20240001"), QStringLiteral("张三"), QStringLiteral("普通")},
                                                 {QStringLiteral("T-17"), QStringLiteral("李四"), QStringLiteral("教师")},
                                                 {QStringLiteral("R 0003"), QStringLiteral("王五"), QStringLiteral("学生")}};
        LibraryCards sheet(QStringLiteral("城东图书馆"), QStringLiteral("本证仅限本人使用"), cards);
        QCOMPARE(sheet.pageCount(), 2);
        const QString file = m_dir.filePath(QStringLiteral("cards.pdf"));
        QVERIFY(sheet.renderToPdf(file));
        QCOMPARE(ExternalTools::pdfPageCount(file), 2);

        const QString front = squeezed(ExternalTools::pdfPageText(file, 1));
        QCOMPARE(front.count(QStringLiteral("城东图书馆")), 3);
        for (const LibraryCards::Card &c : cards) {
            QVERIFY2(front.contains(QStringLiteral("姓名:") + c.name), qPrintable(front));
            QVERIFY(front.contains(c.category));
            QVERIFY(front.contains(squeezed(c.number)));
        }
        const QString back = squeezed(ExternalTools::pdfPageText(file, 2));
        QCOMPARE(back.count(QStringLiteral("本证仅限本人使用")), 3);
        QVERIFY(!back.contains(QStringLiteral("姓名")));

        const QString png = ExternalTools::pdfPageToPng(file, 1, 300);
        QVERIFY(!png.isEmpty());
        QStringList found = ExternalTools::decodeBarcodes(png);
        QStringList expected;
        for (const LibraryCards::Card &c : cards)
            expected << QStringLiteral("CODE-128:") + c.number;
        found.sort();
        expected.sort();
        QCOMPARE(found, expected);
    }

    // The reader list and the income report carry their heads, their lines and, for the
    // income, the sum of the amounts.
    void listsPrinted_data() { TestDatabase::addEngines(); }
    void listsPrinted()
    {
        QFETCH(QString, engine);
        if (pdfToolsMissing())
            QSKIP("poppler-utils is not installed");
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        db.exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名, 性别, 单位部门, 累计借阅次数, 未还数量) values (?,?,?,?,?,?)"),
                {QStringLiteral("R1"), QStringLiteral("张三"), QStringLiteral("男"), QStringLiteral("化学系"), 17, 2});
        ReaderListReport readers;
        QSqlQuery q = db.exec(QStringLiteral("select * from 读者库"));
        readers.addReaders(q);
        const QString list = m_dir.filePath(engine + QStringLiteral("-readers.pdf"));
        QVERIFY(readers.renderToPdf(list));
        const QString listText = squeezed(ExternalTools::pdfPageText(list, 1));
        for (const char *s : {"编号", "姓名", "性别", "单位部门", "借阅次数", "未还数量", "R1", "张三", "化学系", "17"})
            QVERIFY2(listText.contains(QString::fromUtf8(s)), s);

        for (const char *a : {"12.5", "-2", "0.25"}) {
            IncomeJournal::Entry e;
            e.item = QStringLiteral("充值");
            e.time = QDateTime(QDate(2024, 12, 8), QTime(10, 0));
            e.readerNumber = QStringLiteral("R1");
            e.amount = Money::fromText(QString::fromLatin1(a));
            e.operatorName = QStringLiteral("王五");
            IncomeJournal::append(db, e);
        }
        IncomeReport income;
        QSqlQuery j = db.exec(IncomeJournal::allStatement());
        income.addEntries(j);
        QCOMPARE(income.sum().toString(), QStringLiteral("10.75"));
        const QString report = m_dir.filePath(engine + QStringLiteral("-income.pdf"));
        QVERIFY(income.renderToPdf(report));
        const QString text = squeezed(ExternalTools::pdfPageText(report, 1));
        for (const char *s : {"项目", "时间", "读者编号", "读者姓名", "金额", "管理员", "2024-12-0810:00:00", "王五", "合计:10.75"})
            QVERIFY2(text.contains(QString::fromUtf8(s)), s);
    }
};

QTEST_MAIN(TestLibraryCards)
#include "tst_library_cards.moc"
