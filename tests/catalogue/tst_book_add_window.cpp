// SPDX-License-Identifier: MIT
// The book registration window, opened offscreen and used from the keyboard: the reset
// values, the barcode and ISBN boxes, the call number, saving single entries and copies,
// automatic numbers, the label print and the refresh of an open book management window.
#include "CatalogueFixtures.h"
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "WindowHelpers.h"
#include "catalogue/BkAddUt.h"
#include "catalogue/BkSearchUt.h"
#include "foundation/DayClock.h"
#include "foundation/GridWidget.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace CatalogueFixtures;
using namespace WindowHelpers;

namespace {
const QString kBooks = QStringLiteral("图书");

void fillMinimal(TBkAddFm &w, const QString &number)
{
    type(&w, QStringLiteral("Edit1"), number);
    type(&w, QStringLiteral("Edit2"), QStringLiteral("数据库"));
}
void save(TBkAddFm &w)
{
    QTest::mouseClick(child<QPushButton>(&w, QStringLiteral("Button1")), Qt::LeftButton);
}
} // namespace

class TestBookAddWindow : public QObject
{
    Q_OBJECT
private slots:
    void init() { DayClock::setToday(QDate(2024, 12, 8)); }
    void cleanup() { DayClock::setToday(QDate()); }

    void opensWithTheResetValues()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        LoginSession s = session(t.db());
        TBkAddFm w(t.db(), s);
        QCOMPARE(w.windowTitle(), QStringLiteral("添加图书---字体加重的项必须填写"));
        const QList<QPair<const char *, const char *>> expected{
            {"Edit1", ""},          {"Edit3", "n"},           {"Edit12", "n"},     {"Edit6", "1"},
            {"Edit7", "0"},         {"Edit16", "0"},          {"ComboBox5", "人民币"}, {"ComboBox8", "普通"},
            {"ComboBox9", "正常"},  {"ComboBox10", "购买"},   {"Edit20", "."},     {"Edit19", ""},
            {"Edit14", "A"},        {"Edit15", "1"},          {"ComboBox3", ""}};
        for (const auto &[name, value] : expected)
            QCOMPARE(text(&w, QString::fromLatin1(name)), QString::fromUtf8(value));
        QVERIFY(child<QLineEdit>(&w, QStringLiteral("Edit17"))->isHidden());
        QVERIFY(child<QGroupBox>(&w, QStringLiteral("GroupBox2"))->isHidden());
        QVERIFY(child<QCheckBox>(&w, QStringLiteral("CheckBox1"))->isChecked());
        QVERIFY(!child<QLineEdit>(&w, QStringLiteral("Edit13"))->isEnabled());
        // The lists come from their tables; a2 and a3 take the session's captions.
        QVERIFY(child<QComboBox>(&w, QStringLiteral("ComboBox3"))->findText(QStringLiteral("清华大学出版社")) >= 0);
        QVERIFY(child<QComboBox>(&w, QStringLiteral("ComboBox11"))->findText(QStringLiteral("无")) >= 0);
        bool captionShown = false;
        for (QLabel *l : w.findChildren<QLabel *>())
            captionShown |= l->text() == QStringLiteral("语种");
        QVERIFY(captionShown);
    }

    void scannerFlow_data() { TestDatabase::addEngines(); }
    void scannerFlow()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        storeBook(t.db(), QStringLiteral("OLD"), {{QStringLiteral("分类号"), QStringLiteral("TP311")},
                                                  {QStringLiteral("zch"), 7}});
        MessageRecorder messages;
        LoginSession s = session(t.db());
        TBkAddFm w(t.db(), s);
        type(&w, QStringLiteral("Edit1"), QStringLiteral("A0001"));
        // Every key typed rewrites the ISBN box with the ISBN-10 of the barcode so far.
        type(&w, QStringLiteral("Edit3"), QStringLiteral("97873021"));
        QCOMPARE(text(&w, QStringLiteral("Edit10")), QString());
        type(&w, QStringLiteral("Edit3"), QStringLiteral("23456"), false);
        QCOMPARE(text(&w, QStringLiteral("Edit10")), QStringLiteral("7302123454"));
        // Enter finds the publisher by its prefix; the key's release then shows the ISBN-10.
        enter(&w, QStringLiteral("Edit3"));
        QCOMPARE(text(&w, QStringLiteral("ComboBox3")), QStringLiteral("清华大学出版社"));
        QCOMPARE(text(&w, QStringLiteral("Edit10")), QStringLiteral("7302123454"));
        type(&w, QStringLiteral("Edit2"), QStringLiteral("数据库"));
        QCOMPARE(text(&w, QStringLiteral("Edit13")), QStringLiteral("SJK"));
        type(&w, QStringLiteral("Edit5"), QStringLiteral("TP311"));
        enter(&w, QStringLiteral("Edit5"));
        QCOMPARE(text(&w, QStringLiteral("Edit4")), QStringLiteral("TP311/8"));
        QCOMPARE(text(&w, QStringLiteral("Edit18")), QStringLiteral("8"));
        type(&w, QStringLiteral("Edit7"), QStringLiteral("3a9.5"));
        QCOMPARE(text(&w, QStringLiteral("Edit7")), QStringLiteral("39.5")); // the key filter
        save(w);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("保存完毕,请继续录入下一条!")});
        auto f = [&](const char *c) { return field(t.db(), kBooks, QStringLiteral("A0001"), QString::fromUtf8(c)); };
        QCOMPARE(f("isbn").toString(), QStringLiteral("7302123454"));
        QCOMPARE(f("出版社").toString(), QStringLiteral("清华大学出版社"));
        QCOMPARE(f("索书号").toString(), QStringLiteral("TP311/8"));
        QCOMPARE(f("zch").toInt(), 8);
        QCOMPARE(f("py").toString(), QStringLiteral("SJK"));
        QCOMPARE(f("登记人").toString(), QStringLiteral("小王"));
        // The reset keeps the number just used and every list.
        QCOMPARE(text(&w, QStringLiteral("Edit1")), QStringLiteral("A0001"));
        QCOMPARE(text(&w, QStringLiteral("Edit2")), QString());
        QCOMPARE(text(&w, QStringLiteral("Edit3")), QStringLiteral("n"));
        QVERIFY(child<QComboBox>(&w, QStringLiteral("ComboBox12"))->count() > 0);
        QVERIFY(child<QComboBox>(&w, QStringLiteral("ComboBox3"))->count() > 10);
    }

    void isbnToBarcode()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        LoginSession s = session(t.db());
        TBkAddFm w(t.db(), s);
        type(&w, QStringLiteral("Edit10"), QStringLiteral("7-5062-0000-7"));
        enter(&w, QStringLiteral("Edit10"));
        QCOMPARE(text(&w, QStringLiteral("Edit3")), QStringLiteral("9787506200004"));
    }

    void duplicateBarcodeWarning_data()
    {
        QTest::addColumn<QString>("bcCc");
        QTest::addColumn<QString>("barcode");
        QTest::addColumn<bool>("warned");
        QTest::newRow("switch on, stored") << "1" << "9787020012345" << true;
        QTest::newRow("switch on, new") << "1" << "9787020099999" << false;
        QTest::newRow("switch off, stored") << "0" << "9787020012345" << false;
    }
    void duplicateBarcodeWarning()
    {
        QFETCH(QString, bcCc);
        QFETCH(QString, barcode);
        QFETCH(bool, warned);
        TestDatabase t(QStringLiteral("sqlite"));
        storeBook(t.db(), QStringLiteral("A1"), {{QStringLiteral("条形码"), QStringLiteral("9787020012345")}});
        MessageRecorder messages;
        LoginSession s = session(t.db());
        s.config.bcCc = bcCc;
        TBkAddFm w(t.db(), s);
        type(&w, QStringLiteral("Edit3"), barcode);
        enter(&w, QStringLiteral("Edit3"));
        QCOMPARE(messages.texts, warned ? QStringList{QStringLiteral("提示:数据库中已经有该条码!")} : QStringList{});
        // A warning only: saving is still allowed.
        fillMinimal(w, QStringLiteral("A2"));
        save(w);
        QCOMPARE(messages.last(), QStringLiteral("保存完毕,请继续录入下一条!"));
        QCOMPARE(count(t.db(), kBooks), 2);
    }

    void saveRefusals_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        const QString required = QStringLiteral("字体加重的项目必须填写完整!");
        for (const char *e : {"sqlite", "postgresql"}) {
            QTest::addRow("%s empty price", e) << e << "Edit7" << "" << required;
            QTest::addRow("%s empty barcode", e) << e << "Edit3" << "" << required;
            QTest::addRow("%s empty level", e) << e << "ComboBox8" << "" << required;
            QTest::addRow("%s duplicate number", e) << e << "Edit1" << "A1"
                                                   << "保存失败, 因为数据库中已经有这个编号了 (A1)";
        }
    }
    void saveRefusals()
    {
        QFETCH(QString, engine);
        QFETCH(QString, box);
        QFETCH(QString, value);
        QFETCH(QString, message);
        OPEN_TEST_DATABASE(t, engine);
        storeBook(t.db(), QStringLiteral("A1"));
        MessageRecorder messages;
        LoginSession s = session(t.db());
        TBkAddFm w(t.db(), s);
        fillMinimal(w, QStringLiteral("B1"));
        type(&w, QStringLiteral("Edit8"), QStringLiteral("作者甲"));
        type(&w, box, value);
        save(w);
        QCOMPARE(messages.texts, QStringList{message});
        QCOMPARE(count(t.db(), kBooks), 1);
        // Nothing was stored: the boxes keep what was typed.
        QCOMPARE(text(&w, QStringLiteral("Edit8")), QStringLiteral("作者甲"));
        QCOMPARE(text(&w, QStringLiteral("Edit2")), QStringLiteral("数据库"));
    }

    void blankLevelAndQuotes_data() { TestDatabase::addEngines(); }
    void blankLevelAndQuotes()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        MessageRecorder messages;
        LoginSession s = session(t.db());
        TBkAddFm w(t.db(), s);
        type(&w, QStringLiteral("Edit1"), QStringLiteral("Q'1"));
        type(&w, QStringLiteral("Edit2"), QStringLiteral("It's a \"书\""));
        type(&w, QStringLiteral("ComboBox8"), QStringLiteral("  "));
        type(&w, QStringLiteral("ComboBox3"), QStringLiteral("O'Reilly"));
        save(w);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("保存完毕,请继续录入下一条!")});
        QCOMPARE(field(t.db(), kBooks, QStringLiteral("Q'1"), QStringLiteral("名称")).toString(),
                 QStringLiteral("It's a \"书\""));
        QCOMPARE(field(t.db(), kBooks, QStringLiteral("Q'1"), QStringLiteral("出版社")).toString(), QStringLiteral("O'Reilly"));
        QCOMPARE(field(t.db(), kBooks, QStringLiteral("Q'1"), QStringLiteral("物品级别")).toString(), QStringLiteral("普通"));
    }

    void severalCopies_data() { TestDatabase::addEngines(); }
    void severalCopies()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        storeBook(t.db(), QStringLiteral("X"), {{QStringLiteral("分类号"), QStringLiteral("I247")}, {QStringLiteral("zch"), 12}});
        MessageRecorder messages;
        LoginSession s = session(t.db());
        TBkAddFm w(t.db(), s);
        fillMinimal(w, QStringLiteral("B100"));
        type(&w, QStringLiteral("Edit5"), QStringLiteral("I247"));
        child<QCheckBox>(&w, QStringLiteral("CheckBox4"))->setChecked(true);
        type(&w, QStringLiteral("Edit19"), QStringLiteral(" "));
        save(w);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("请输入要录入的数量!")});
        QCOMPARE(count(t.db(), kBooks), 1);
        messages.clear();
        type(&w, QStringLiteral("Edit19"), QStringLiteral("3"));
        type(&w, QStringLiteral("Edit20"), QStringLiteral(" - "));
        child<QCheckBox>(&w, QStringLiteral("CheckBox1"))->setChecked(false);
        save(w);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("保存完毕,请继续录入下一条!")});
        QCOMPARE(text(&w, QStringLiteral("Edit20")), QStringLiteral("-"));
        for (int n = 1; n <= 3; ++n) {
            const QString number = QStringLiteral("B100-%1").arg(n);
            QCOMPARE(field(t.db(), kBooks, number, QStringLiteral("zch")).toInt(), 12 + n);
            QCOMPARE(field(t.db(), kBooks, number, QStringLiteral("索书号")).toString(), QStringLiteral("I247/%1").arg(12 + n));
        }
        QVERIFY(!field(t.db(), kBooks, QStringLiteral("B100"), QStringLiteral("编号")).isValid());
        QCOMPARE(text(&w, QStringLiteral("Edit4")), QStringLiteral("I247/15"));
    }

    void automaticNumbers()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        MessageRecorder messages;
        LoginSession s = session(t.db());
        TBkAddFm w(t.db(), s);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *autoBox = child<QCheckBox>(&w, QStringLiteral("CheckBox2"));
        autoBox->setChecked(true);
        QVERIFY(!child<QGroupBox>(&w, QStringLiteral("GroupBox2"))->isHidden());
        type(&w, QStringLiteral("Edit14"), QStringLiteral("LIB"));
        type(&w, QStringLiteral("Edit15"), QStringLiteral("998"));
        QTest::mouseClick(child<QPushButton>(&w, QStringLiteral("Button3")), Qt::LeftButton);
        QCOMPARE(text(&w, QStringLiteral("Edit1")), QStringLiteral("LIB998"));
        for (const char *next : {"LIB999", "LIB1000"}) {
            type(&w, QStringLiteral("Edit2"), QStringLiteral("书"));
            save(w);
            QCOMPARE(text(&w, QStringLiteral("Edit1")), QString::fromLatin1(next));
        }
        QCOMPARE(count(t.db(), kBooks), 2);
        type(&w, QStringLiteral("Edit15"), QStringLiteral("1.5"));
        messages.clear();
        QTest::mouseClick(child<QPushButton>(&w, QStringLiteral("Button3")), Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("起始值必须是整数!")});
        QCOMPARE(text(&w, QStringLiteral("Edit1")), QStringLiteral("LIB1000"));
    }

    void donorBox()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        MessageRecorder messages;
        LoginSession s = session(t.db());
        TBkAddFm w(t.db(), s);
        auto *source = child<QComboBox>(&w, QStringLiteral("ComboBox10"));
        source->setCurrentText(QStringLiteral("捐赠"));
        QVERIFY(!child<QLineEdit>(&w, QStringLiteral("Edit17"))->isHidden());
        type(&w, QStringLiteral("Edit17"), QStringLiteral("张三"));
        fillMinimal(w, QStringLiteral("D1"));
        child<QCheckBox>(&w, QStringLiteral("CheckBox1"))->setChecked(false);
        save(w);
        QCOMPARE(field(t.db(), kBooks, QStringLiteral("D1"), QStringLiteral("捐赠人")).toString(), QStringLiteral("张三"));
        QCOMPARE(field(t.db(), kBooks, QStringLiteral("D1"), QStringLiteral("来源")).toString(), QStringLiteral("捐赠"));
        source->setCurrentText(QStringLiteral("购买"));
        QVERIFY(child<QLineEdit>(&w, QStringLiteral("Edit17"))->isHidden());
        QCOMPARE(text(&w, QStringLiteral("Edit17")), QString());
    }

    void labelScans()
    {
        if (pdfToolsMissing())
            QSKIP("pdftoppm, pdftotext or zbarimg is not installed");
        TestDatabase t(QStringLiteral("sqlite"));
        MessageRecorder messages;
        PrintCatcher prints;
        LoginSession s = session(t.db());
        TBkAddFm w(t.db(), s);
        fillMinimal(w, QStringLiteral("C7"));
        type(&w, QStringLiteral("Edit3"), QStringLiteral("9787302123456"));
        type(&w, QStringLiteral("Edit5"), QStringLiteral("TP311"));
        enter(&w, QStringLiteral("Edit5"));
        child<QCheckBox>(&w, QStringLiteral("CheckBox3"))->setChecked(true);
        child<QCheckBox>(&w, QStringLiteral("CheckBox4"))->setChecked(true);
        type(&w, QStringLiteral("Edit19"), QStringLiteral("2"));
        save(w);
        QCOMPARE(prints.files().size(), 1);
        // One label per copy, each with the number of the box, not the copy's own.
        const QString all = pdfText(prints.files().first(), prints.pages().first());
        QVERIFY2(all.contains(QStringLiteral("编号:C7")), qPrintable(all));
        QVERIFY(!all.contains(QStringLiteral("C7.1")));
        QVERIFY(all.contains(QStringLiteral("索书号:TP311/1")) && all.contains(QStringLiteral("索书号:TP311/2")));
        QVERIFY(all.contains(QStringLiteral("分类号:TP311")));
        QCOMPARE(all.count(QStringLiteral("编号:C7")), 2);
        // zbarimg reports equal symbols of one page once.
        QCOMPARE(barcodesIn(prints.files().first(), prints.pages().first()), QStringList{"CODE-39:9787302123456"});
    }

    void refreshesAnOpenManagementWindow_data() { TestDatabase::addEngines(); }
    void refreshesAnOpenManagementWindow()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        storeBook(t.db(), QStringLiteral("A1"), {{QStringLiteral("入库时间"), QDateTime(QDate(2024, 1, 1), QTime(9, 0))}});
        MessageRecorder messages;
        LoginSession s = session(t.db());
        TBkSearchFm list(t.db(), s);
        TBkAddFm w(t.db(), s);
        fillMinimal(w, QStringLiteral("Z9"));
        save(w);
        QCOMPARE(list.grid()->rowCount(), 2);
        QCOMPARE(list.grid()->value(0, QStringLiteral("编号")).toString(), QStringLiteral("Z9"));
    }
};

QTEST_MAIN(TestBookAddWindow)
#include "tst_book_add_window.moc"
