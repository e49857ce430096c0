// SPDX-License-Identifier: MIT
// The three ranking windows, opened offscreen: the bars they draw, their colours and
// values, on both engines.
#include "StatisticsRows.h"
#include "TestDatabase.h"
#include "statistics/BkChartUt.h"
#include "statistics/QkChartUt.h"
#include "statistics/RdChartUt.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTest>

using namespace StatisticsRows;

namespace {
// Pixels of each bar colour in the chart's image, by row.
QList<int> colourPixels(const QImage &image, int rows)
{
    QList<int> counts(rows + 1, 0); // one more: the colour after the last bar must be absent
    QHash<QRgb, int> index;
    for (int k = 0; k <= rows; ++k)
        index.insert(RankingChartDialog::barColour(k).rgb(), k);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const auto it = index.constFind(image.pixel(x, y) | 0xFF000000u);
            if (it != index.constEnd())
                ++counts[it.value()];
        }
    return counts;
}

// The height in pixels of the bar of a colour: the number of image rows it appears in.
int barHeight(const QImage &image, const QColor &colour)
{
    int rows = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) | 0xFF000000u) == colour.rgb()) {
                ++rows;
                break;
            }
    return rows;
}

QStringList categories(const RankingChartDialog &w)
{
    const auto axes = w.chart()->axes(Qt::Horizontal);
    if (axes.isEmpty())
        return {};
    QStringList list;
    for (const QString &c : static_cast<QBarCategoryAxis *>(axes.first())->categories())
        list << QString(c).remove(QChar(0x200B));
    return list;
}
} // namespace

class TestChartWindows : public QObject
{
    Q_OBJECT

private slots:
    // Five books give five bars in the embedded dialect, each in its own colour, red the
    // highest, the value above each; the image is kept for a look.
    void fiveBooksFiveBars()
    {
        OPEN_TEST_DATABASE(t, QStringLiteral("sqlite"));
        const QList<std::pair<const char *, int>> books{{"红楼梦", 9}, {"西游记", 3}, {"水浒传", 7}, {"三国演义", 5},
                                                        {"红楼梦", 1}};
        for (int i = 0; i < books.size(); ++i)
            addBook(t.db(), QStringLiteral("000%1").arg(i), QString::fromUtf8(books[i].first), books[i].second);

        TBkChartFm w(t.db());
        w.resize(800, 500);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("图书统计"));
        QCOMPARE(w.chart()->title(), QStringLiteral("借阅次数排行"));
        QCOMPARE(w.valueTexts(), (QStringList{"9", "7", "5", "3", "1"}));
        // Two books of one title keep a bar each.
        QCOMPARE(categories(w), (QStringList{"红楼梦", "水浒传", "三国演义", "西游记", "红楼梦"}));
        QVERIFY(w.chartView()->testAttribute(Qt::WA_TransparentForMouseEvents));

        const QImage image = w.chartView()->grab().toImage();
        image.save(QDir::temp().filePath(QStringLiteral("statistics-ranking-chart.png")));
        const QList<int> pixels = colourPixels(image, 5);
        for (int k = 0; k < 5; ++k)
            QVERIFY2(pixels[k] > 100, qPrintable(QStringLiteral("bar %1 has %2 pixels").arg(k).arg(pixels[k])));
        QCOMPARE(pixels[5], 0);
        QCOMPARE(RankingChartDialog::barColour(0), QColor(Qt::red));
        // Heights follow the values: 9 : 7 : 5 : 3 : 1.
        QList<int> heights;
        for (int k = 0; k < 5; ++k)
            heights << barHeight(image, RankingChartDialog::barColour(k));
        for (int k = 1; k < 5; ++k)
            QVERIFY(heights[k] < heights[k - 1]);
        QVERIFY(qAbs(heights[0] * 1.0 / heights[4] - 9.0) < 1.0);

        w.findChild<QPushButton *>(QStringLiteral("Button1"))->click();
        QVERIFY(!w.isVisible());
    }

    void barsPerEngine_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<int>("books");
        QTest::addColumn<int>("bars");
        QTest::newRow("sqlite, 200 books") << "sqlite" << 200 << 12;
        QTest::newRow("postgresql, 200 books") << "postgresql" << 200 << 24;
        QTest::newRow("sqlite, none") << "sqlite" << 0 << 0;
        QTest::newRow("postgresql, none") << "postgresql" << 0 << 0;
    }
    void barsPerEngine()
    {
        QFETCH(QString, engine);
        QFETCH(int, books);
        QFETCH(int, bars);
        OPEN_TEST_DATABASE(t, engine);
        Transaction tx(t.db());
        for (int i = 0; i < books; ++i)
            addBook(t.db(), QStringLiteral("B%1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("书%1").arg(i), i);
        tx.commit();
        TBkChartFm w(t.db());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.rows().size(), bars);
        QCOMPARE(categories(w).size(), bars);
        auto *series = static_cast<QStackedBarSeries *>(w.chart()->series().first());
        QCOMPARE(series->count(), bars);
        if (bars > 0)
            QCOMPARE(w.valueTexts().first(), QString::number(books - 1));
    }

    void periodicalsAndReaders_data() { TestDatabase::addEngines(); }
    void periodicalsAndReaders()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        addPeriodical(t.db(), "Q1", "读者文摘", 4);
        addReader(t.db(), "R1", "张三", 6);
        addBook(t.db(), "B1", "不该出现", 99);

        TQkChartFm q(t.db());
        q.show();
        QVERIFY(QTest::qWaitForWindowExposed(&q));
        QCOMPARE(q.windowTitle(), QStringLiteral("期刊统计"));
        QCOMPARE(categories(q), QStringList{"读者文摘"});
        QCOMPARE(q.valueTexts(), QStringList{"4"});

        TRdChartFm r(t.db());
        r.show();
        QVERIFY(QTest::qWaitForWindowExposed(&r));
        QCOMPARE(r.windowTitle(), QStringLiteral("读者信息"));
        QCOMPARE(categories(r), QStringList{"张三"});
        QCOMPARE(r.valueTexts(), QStringList{"6"});
    }
};

QTEST_MAIN(TestChartWindows)
#include "tst_chart_windows.moc"
