// SPDX-License-Identifier: MIT
// The prints of book and periodical management, pressed in the windows, rendered to PDF
// and read back: pdftotext for the texts, zbarimg for the Code 128 barcodes.
#include "CatalogueFixtures.h"
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "WindowHelpers.h"
#include "catalogue/BkSearchUt.h"
#include "catalogue/QkSearchUt.h"
#include "foundation/GridWidget.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

using namespace CatalogueFixtures;
using namespace WindowHelpers;

namespace {
void storeBooks(const SharedConnection &db)
{
    const struct {
        const char *number, *barcode, *title, *cls, *zch, *copies, *price;
    } books[] = {{"A1", "TS-0001", "数据库", "TP311", "3", "2", "12.25"},
                 {"A2", "TS-0002", "红楼梦", "I242", "7", "3", "400"},
                 {"A3", "TS-0003", "史记", "K204", "1", "1", "10"}};
    for (const auto &b : books)
        storeBook(db, QString::fromLatin1(b.number),
                  {{QStringLiteral("条形码"), QString::fromLatin1(b.barcode)}, {QStringLiteral("名称"), QString::fromUtf8(b.title)},
                   {QStringLiteral("分类号"), QString::fromLatin1(b.cls)}, {QStringLiteral("zch"), QString::fromLatin1(b.zch)},
                   {QStringLiteral("数量"), QString::fromLatin1(b.copies)}, {QStringLiteral("价格"), QString::fromLatin1(b.price)},
                   {QStringLiteral("分类"), QStringLiteral("文学")}, {QStringLiteral("存放位置"), QStringLiteral("书库")},
                   {QStringLiteral("作者"), QStringLiteral("作者") + QString::fromLatin1(b.number)},
                   {QStringLiteral("索书号"), QString::fromLatin1(b.cls) + QLatin1Char('/') + QString::fromLatin1(b.zch)},
                   {QStringLiteral("简介"), QStringLiteral("简介") + QString::fromLatin1(b.number)}});
}
void press(QWidget *w, const char *name)
{
    auto *b = w->findChild<QToolButton *>(QString::fromLatin1(name));
    QVERIFY2(b, name);
    b->click();
}
void single(QWidget *w, const char *action)
{
    auto *a = w->findChild<QAction *>(QString::fromLatin1(action));
    QVERIFY2(a, action);
    a->trigger();
}
} // namespace

class TestCataloguePrints : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (pdfToolsMissing())
            QSKIP("pdftotext, pdftoppm or zbarimg is not installed");
    }

    void bookPrints()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        storeBooks(t.db());
        MessageRecorder messages;
        PrintCatcher prints;
        LoginSession s = session(t.db());
        TBkSearchFm w(t.db(), s);
        w.grid()->setCurrentRow(1); // A2
        for (const char *b : {"ToolButton6", "ToolButton9", "ToolButton11", "ToolButton12", "ToolButton13"})
            press(&w, b);
        for (const char *a : {"SingleBarcode", "SingleLabel", "SingleCard"})
            single(&w, a);
        QCOMPARE(prints.files().size(), 8);
        QVERIFY(messages.texts.isEmpty());
        auto pdf = [&](int i) { return pdfText(prints.files()[i], prints.pages()[i]); };

        const QString list = pdf(0);
        for (const char *word : {"图书编号", "条形码", "书名", "分类", "存放位置", "数量", "A1", "TS-0002", "史记", "书库"})
            QVERIFY2(list.contains(QString::fromUtf8(word)), word);
        // Sums of the listed rows: 数量 2+3+1, 价格 12.25+400+10.
        QVERIFY2(list.contains(QStringLiteral("数量合计:6价格合计:422.25")), qPrintable(list));

        QStringList codes = barcodesIn(prints.files()[1], prints.pages()[1]);
        codes.sort();
        QCOMPARE(codes, (QStringList{"CODE-128:TS-0001", "CODE-128:TS-0002", "CODE-128:TS-0003"}));

        const QString labels = pdf(2);
        for (const char *word : {"A1", "TP311", "TS-0001", "A3", "K204", "TS-0003"})
            QVERIFY2(labels.contains(QString::fromUtf8(word)), word);

        const QString cards = pdf(3);
        for (const char *word : {"分类:文学", "编号:A2", "索书号:I242/7", "名称:红楼梦", "作者:作者A2", "简介:简介A3"})
            QVERIFY2(cards.contains(QString::fromUtf8(word)), word);

        const QString classes = pdf(4);
        for (const char *word : {"TP311", "I242", "K204"})
            QVERIFY(classes.contains(QString::fromLatin1(word)));

        // The single prints carry the current row only, the label's lines in its order.
        QCOMPARE(barcodesIn(prints.files()[5], prints.pages()[5]), QStringList{"CODE-128:TS-0002"});
        QCOMPARE(pdf(6), QStringLiteral("I242A2TS-00027"));
        const QString card = pdf(7);
        QVERIFY2(card.startsWith(QStringLiteral("名称:红楼梦分类:文学索书号:I242/7")), qPrintable(card));
        QVERIFY(!card.contains(QStringLiteral("A1")));
    }

    void labelLinesInOrder()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        storeBooks(t.db());
        MessageRecorder messages;
        PrintCatcher prints;
        LoginSession s = session(t.db());
        TBkSearchFm w(t.db(), s);
        type(&w, QStringLiteral("Edit1"), QStringLiteral("A3"));
        enter(&w, QStringLiteral("Edit1"));
        QCOMPARE(w.grid()->rowCount(), 1);
        press(&w, "ToolButton11");
        // 编号, 分类号, zch, 条形码.
        QCOMPARE(pdfText(prints.files()[0], prints.pages()[0]), QStringLiteral("A3K2041TS-0003"));
    }

    void periodicalPrints()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        for (int i = 1; i <= 2; ++i)
            storeRow(t.db(), QStringLiteral("期刊"),
                     {{QStringLiteral("编号"), QStringLiteral("Q%1").arg(i)}, {QStringLiteral("名称"), QStringLiteral("读者")},
                      {QStringLiteral("条形码"), QStringLiteral("QK-%1").arg(i)}, {QStringLiteral("分类"), QStringLiteral("综合")},
                      {QStringLiteral("国内统一刊号"), QStringLiteral("CN62-111%1").arg(i)},
                      {QStringLiteral("数量"), i}, {QStringLiteral("价格"), QStringLiteral("5.5")}});
        MessageRecorder messages;
        PrintCatcher prints;
        LoginSession s = session(t.db());
        TQkSearchFm w(t.db(), s);
        w.grid()->sortBy(QStringLiteral("编号"));
        w.grid()->setCurrentRow(0);
        for (const char *b : {"ToolButton6", "ToolButton9", "ToolButton11"})
            press(&w, b);
        single(&w, "SingleBarcode");
        single(&w, "SingleLabel");
        QCOMPARE(prints.files().size(), 5);
        auto pdf = [&](int i) { return pdfText(prints.files()[i], prints.pages()[i]); };
        QVERIFY2(pdf(0).contains(QStringLiteral("总数量:3总价格:11")), qPrintable(pdf(0)));
        QStringList codes = barcodesIn(prints.files()[1], prints.pages()[1]);
        codes.sort();
        QCOMPARE(codes, (QStringList{"CODE-128:QK-1", "CODE-128:QK-2"}));
        // Two labels side by side, read line by line: 编号, 分类, 条形码.
        QCOMPARE(pdf(2), QStringLiteral("Q1Q2综合综合QK-1QK-2"));
        QCOMPARE(barcodesIn(prints.files()[3], prints.pages()[3]), QStringList{"CODE-128:QK-1"});
        QCOMPARE(pdf(4), QStringLiteral("CN62-1111Q1QK-1"));
    }
};

QTEST_MAIN(TestCataloguePrints)
#include "tst_catalogue_prints.moc"
