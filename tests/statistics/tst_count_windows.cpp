// SPDX-License-Identifier: MIT
// The stock-taking window TDataCheckFm and the totals-per-class window TSortSearchFM,
// opened offscreen on both engines.
#include "ExternalTools.h"
#include "MessageRecorder.h"
#include "StatisticsRows.h"
#include "TestDatabase.h"
#include "WindowHelpers.h"
#include "foundation/DayClock.h"
#include "foundation/GridWidget.h"
#include "foundation/ListReport.h"
#include "foundation/ReportPreviewDialog.h"
#include "statistics/DataCheckUt.h"
#include "statistics/SortSearchUt.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QPdfWriter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace StatisticsRows;

class FileOpener : public QObject
{
    Q_OBJECT
public:
    FileOpener() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~FileOpener() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QStringList opened;
public slots:
    void open(const QUrl &url) { opened << url.toLocalFile(); }
};

namespace {
const QDate day(2024, 12, 8);

// The value labels by their objectNames, as "name=text".
QStringList values(QWidget &w, const QStringList &names)
{
    QStringList list;
    for (const QString &n : names) {
        auto *label = w.findChild<QLabel *>(n);
        list << n + QLatin1Char('=') + (label ? label->text() : QStringLiteral("(missing)"));
    }
    return list;
}

QStringList withValues(const QStringList &names, const QStringList &texts)
{
    QStringList list;
    for (int i = 0; i < names.size(); ++i)
        list << names[i] + QLatin1Char('=') + texts.value(i);
    return list;
}
} // namespace

class TestCountWindows : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home;

private slots:
    void initTestCase()
    {
        qputenv("HOME", m_home.path().toLocal8Bit());
        DayClock::setToday(day);
    }
    void cleanupTestCase() { DayClock::setToday(QDate()); }

    // Opened on a day with two loans and one return: today to tomorrow.
    void stockTaking_data() { TestDatabase::addEngines(); }
    void stockTaking()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        const QString yes = QStringLiteral("是");
        addLoan(db, {{"借阅日期", day}});
        addLoan(db, {{"借阅日期", day}});
        addLoan(db, {{"借阅日期", day.addDays(-3)}, {"已还", yes}, {"归还日期", day}, {"实际租金", money("5")}});
        addLoan(db, {{"借阅日期", day.addDays(-9)}, {"已还", yes}, {"归还日期", day.addDays(-2)},
                     {"实际租金", money("3")}});
        addBook(db, "B1", "甲", 0, 3, {}, "综合", QDateTime(day, QTime(15, 30)));
        addBook(db, "B2", "乙", 0, 2);

        MessageRecorder messages;
        TDataCheckFm w(db);
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("数据盘点"));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(w.findChild<QDateEdit *>("Dt1")->date(), day);
        QCOMPARE(w.findChild<QDateEdit *>("Dt2")->date(), day.addDays(1));
        QCOMPARE(values(w, TDataCheckFm::periodLabelNames()),
                 withValues(TDataCheckFm::periodLabelNames(), {"2", "1", "1", "0", "0", "5"}));
        QCOMPARE(values(w, TDataCheckFm::totalLabelNames()),
                 withValues(TDataCheckFm::totalLabelNames(), {"2", "0", "0", "2", "4", "5", "0"}));

        // "查询" recounts the period; the totals stay as counted at opening.
        addBook(db, "B3", "丙", 0, 7);
        w.findChild<QDateEdit *>("Dt1")->setDate(day.addDays(-10));
        w.findChild<QDateEdit *>("Dt2")->setDate(day);
        w.findChild<QPushButton *>("Button1")->click();
        QCOMPARE(values(w, TDataCheckFm::periodLabelNames()),
                 withValues(TDataCheckFm::periodLabelNames(), {"4", "2", "0", "0", "0", "8"}));
        QCOMPARE(w.findChild<QLabel *>("LabelBooks")->text(), QStringLiteral("2"));
        // A "to" before "from" counts nothing, without a word.
        w.findChild<QDateEdit *>("Dt2")->setDate(day.addDays(-20));
        w.findChild<QPushButton *>("Button1")->click();
        QCOMPARE(values(w, TDataCheckFm::periodLabelNames()),
                 withValues(TDataCheckFm::periodLabelNames(), {"0", "0", "0", "0", "0", "0"}));
        QVERIFY(messages.texts.isEmpty());

        w.findChild<QPushButton *>("Button3")->click();
        QVERIFY(!w.isVisible());
    }

    // "打印" prints the window's image: one page with the window on it.
    void stockTakingPrintsItsImage()
    {
        OPEN_TEST_DATABASE(t, QStringLiteral("sqlite"));
        TDataCheckFm w(t.db());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.grab().save(QDir::temp().filePath(QStringLiteral("statistics-data-check.png")));
        const QString pdf = QDir(m_home.path()).filePath(QStringLiteral("check.pdf"));
        {
            QPdfWriter writer(pdf);
            QVERIFY(w.printImage(writer));
        }
        if (!ExternalTools::available(QStringLiteral("pdftoppm")))
            QSKIP("pdftoppm is not installed");
        QCOMPARE(ExternalTools::pdfPageCount(pdf), 1);
        const QImage page(ExternalTools::pdfPageToPng(pdf, 1, 50));
        QVERIFY(!page.isNull());
        // The top band of the page holds the window: not blank.
        int inked = 0;
        for (int y = 0; y < page.height() / 3; ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 200)
                    ++inked;
        QVERIFY2(inked > 500, qPrintable(QString::number(inked)));
    }

    void classTotals_data() { TestDatabase::addEngines(); }
    void classTotals()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        addBook(db, "B1", "甲", 0, 3, Money::fromText("12.35"), "文学");
        addBook(db, "B2", "乙", 0, 2, Money::fromText("0.1"), "文学");
        addBook(db, "B3", "丙", 0, 1, Money::fromText("20"), "科技");
        addPeriodical(db, "Q1", "刊", 0, 5, Money::fromText("8.5"), "期刊类");

        MessageRecorder messages;
        TSortSearchFM w(db);
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("分类统计"));
        QVERIFY(w.windowState() & Qt::WindowMaximized);
        GridWidget *grid = w.grid();
        QCOMPARE(grid->rowTexts(), (QList<QStringList>{{"文学", "5", "37.25"}, {"科技", "1", "20.00"}}));

        auto *combo = w.findChild<QComboBox *>("ComboBox1");
        QVERIFY(combo->isEditable());
        combo->setCurrentText(QStringLiteral("期刊"));
        w.findChild<QPushButton *>("Button1")->click();
        QCOMPARE(grid->rowTexts(), (QList<QStringList>{{"期刊类", "5", "42.50"}}));

        // Print: the heads and one line per class.
        const std::unique_ptr<ListReport> report = w.report();
        QCOMPARE(report->rowCount(), 1);
        bool previewed = false;
        whenModal<ReportPreviewDialog>([&previewed](ReportPreviewDialog *p) {
            previewed = true;
            p->close();
        });
        w.findChild<QPushButton *>("Button3")->click();
        QVERIFY(previewed);

        // Export: the rows shown.
        FileOpener opener;
        w.findChild<QPushButton *>("Button2")->click();
        QCOMPARE(opener.opened.size(), 1);
        QVERIFY(QFile::remove(opener.opened.first()));
        QVERIFY(messages.texts.isEmpty());

        // Any other table: the message, and the grid is left closed.
        combo->setCurrentText(QStringLiteral("读者库"));
        w.findChild<QPushButton *>("Button1")->click();
        QCOMPARE(messages.texts, QStringList{"统计范围只能是\"图书\"或\"期刊\"!"});
        QVERIFY(!grid->isOpen());
        QCOMPARE(grid->rowCount(), 0);
    }
};

QTEST_MAIN(TestCountWindows)
#include "tst_count_windows.moc"
