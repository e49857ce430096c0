// SPDX-License-Identifier: MIT
// The registration statistics and the entries per operator, offscreen: the date range
// bounds for books and periodicals, the warning, the statement shown, grid, print, export.
#include "CatalogueFixtures.h"
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "WindowHelpers.h"
#include "catalogue/AdminLuRuStatUt.h"
#include "catalogue/BkRegUt.h"
#include "foundation/ExcelExportUi.h"
#include "foundation/GridWidget.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace CatalogueFixtures;
using namespace WindowHelpers;

namespace {
QDateTime at(int month, int day, int h = 0, int m = 0)
{
    return QDateTime(QDate(2024, month, day), QTime(h, m));
}
void storeRegistrations(const SharedConnection &db)
{
    const QString tm = QStringLiteral("入库时间");
    const QString who = QStringLiteral("登记人");
    const QString price = QStringLiteral("价格");
    storeBook(db, QStringLiteral("B1"), {{tm, at(12, 1, 8)}, {who, QStringLiteral("甲")}, {price, QStringLiteral("12.5")},
                                         {QStringLiteral("数量"), 2}});
    storeBook(db, QStringLiteral("B2"), {{tm, at(12, 8)}, {who, QStringLiteral("甲")}, {price, QStringLiteral("30")},
                                         {QStringLiteral("数量"), 1}});
    storeBook(db, QStringLiteral("B3"), {{tm, at(12, 8, 15, 30)}, {who, QStringLiteral("乙")}, {price, QStringLiteral("1")}});
    storeBook(db, QStringLiteral("B4"), {{tm, at(11, 30, 23, 59)}, {who, QStringLiteral("丙")}, {price, QStringLiteral("5")}});
    storeRow(db, QStringLiteral("期刊"), {{QStringLiteral("编号"), QStringLiteral("Q1")}, {tm, at(12, 8)}});
    storeRow(db, QStringLiteral("期刊"), {{QStringLiteral("编号"), QStringLiteral("Q2")}, {tm, at(12, 1)}});
}
QStringList listed(GridWidget *g, const QString &field = QStringLiteral("编号"))
{
    QStringList out;
    for (int r = 0; r < g->rowCount(); ++r)
        out << g->text(r, field);
    out.sort();
    return out;
}
} // namespace

class TestRegistrationWindows : public QObject
{
    Q_OBJECT
private slots:
    void registrationList_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<bool>("periodicals");
        QTest::addColumn<QStringList>("expected");
        for (const char *e : {"sqlite", "postgresql"}) {
            // Books carry the time of day: 8 December counts only at exactly midnight.
            QTest::addRow("%s books", e) << e << false << QStringList{"B1", "B2"};
            QTest::addRow("%s periodicals", e) << e << true << QStringList{"Q1", "Q2"};
        }
    }
    void registrationList()
    {
        QFETCH(QString, engine);
        QFETCH(bool, periodicals);
        QFETCH(QStringList, expected);
        OPEN_TEST_DATABASE(t, engine);
        storeRegistrations(t.db());
        MessageRecorder messages;
        LoginSession s = session(t.db());
        TBkRegFm w(t.db(), s);
        QCOMPARE(w.windowTitle(), QStringLiteral("资料入库登记信息统计"));
        QCOMPARE(child<QDateEdit>(&w, QStringLiteral("DateTimePicker1"))->date(), QDate(2008, 3, 10));
        QVERIFY(child<QRadioButton>(&w, QStringLiteral("RadioButton1"))->isChecked());
        if (periodicals)
            child<QRadioButton>(&w, QStringLiteral("RadioButton2"))->setChecked(true);
        QCOMPARE(child<QGroupBox>(&w, QStringLiteral("GroupBox1"))->title(),
                 periodicals ? QStringLiteral("期刊") : QStringLiteral("图书"));
        child<QDateEdit>(&w, QStringLiteral("DateTimePicker1"))->setDate(QDate(2024, 12, 1));
        child<QDateEdit>(&w, QStringLiteral("DateTimePicker2"))->setDate(QDate(2024, 12, 8));
        child<QPushButton>(&w, QStringLiteral("Button1"))->click();
        QCOMPARE(listed(w.grid()), expected);
        QVERIFY(messages.texts.isEmpty());
        if (!periodicals)
            QCOMPARE(w.grid()->footerText(QStringLiteral("价格")), QStringLiteral("42.50"));
    }

    void reversedRangeWarns()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        storeRegistrations(t.db());
        MessageRecorder messages;
        LoginSession s = session(t.db());
        TBkRegFm w(t.db(), s);
        child<QDateEdit>(&w, QStringLiteral("DateTimePicker1"))->setDate(QDate(2024, 12, 8));
        child<QDateEdit>(&w, QStringLiteral("DateTimePicker2"))->setDate(QDate(2024, 12, 1));
        child<QPushButton>(&w, QStringLiteral("Button1"))->click();
        QCOMPARE(messages.texts, QStringList{QStringLiteral("时间前后逻辑错误!")});
        QVERIFY(w.grid()->isOpen());
        QCOMPARE(w.grid()->rowCount(), 0);
    }

    void opensEntriesPerOperator()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        LoginSession s = session(t.db());
        TBkRegFm w(t.db(), s);
        QString title;
        whenModal([&](QWidget *modal) {
            title = modal->windowTitle();
            modal->close();
        });
        child<QToolButton>(&w, QStringLiteral("ToolButton4"))->click();
        QCOMPARE(title, QStringLiteral("管理员录入量统计"));
    }

    void entriesPerOperator_data() { TestDatabase::addEngines(); }
    void entriesPerOperator()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        storeRegistrations(t.db());
        MessageRecorder messages;
        LoginSession s = session(t.db());
        TAdminLuRuStatFm w(t.db(), s);
        QCOMPARE(child<QDateEdit>(&w, QStringLiteral("DateTimePicker2"))->date(), QDate(2008, 8, 10));
        QVERIFY(!w.grid()->isOpen()); // nothing is queried on opening
        child<QDateEdit>(&w, QStringLiteral("DateTimePicker1"))->setDate(QDate(2024, 12, 1));
        child<QDateEdit>(&w, QStringLiteral("DateTimePicker2"))->setDate(QDate(2024, 12, 8));
        child<QPushButton>(&w, QStringLiteral("Button1"))->click();
        const QString d = t.db().dialect().dateQuote();
        QCOMPARE(messages.texts, QStringList{QStringLiteral("SELECT 登记人, count(编号) AS 记录数, sum(价格) AS 总价格 FROM 图书 "
                                                            "where 入库时间>=D2024-12-01D and 入库时间<=D2024-12-08D "
                                                            "GROUP BY 登记人").replace(QLatin1Char('D'), d)});
        QMap<QString, QString> rows;
        for (int r = 0; r < w.grid()->rowCount(); ++r)
            rows.insert(w.grid()->text(r, QStringLiteral("登记人")),
                        w.grid()->text(r, QStringLiteral("记录数")) + QLatin1Char('/') + w.grid()->text(r, QStringLiteral("总价格")));
        // 乙 registered only after midnight of the 8th, 丙 before the 1st: neither appears.
        QCOMPARE(rows, (QMap<QString, QString>{{"甲", "2/42.50"}}));
    }

    void printsAndExports()
    {
        if (pdfToolsMissing())
            QSKIP("pdftotext or pdftoppm is not installed");
        TestDatabase t(QStringLiteral("sqlite"));
        storeRegistrations(t.db());
        MessageRecorder messages;
        PrintCatcher prints;
        QStringList opened;
        ExcelExportUi::setOpener([&](const QString &file) {
            opened << file;
            return false; // no program: the window says where the file is
        });
        LoginSession s = session(t.db());
        TAdminLuRuStatFm perOperator(t.db(), s);
        child<QDateEdit>(&perOperator, QStringLiteral("DateTimePicker1"))->setDate(QDate(2024, 11, 1));
        child<QDateEdit>(&perOperator, QStringLiteral("DateTimePicker2"))->setDate(QDate(2024, 12, 9));
        child<QPushButton>(&perOperator, QStringLiteral("Button1"))->click();
        child<QPushButton>(&perOperator, QStringLiteral("Button2"))->click();
        child<QPushButton>(&perOperator, QStringLiteral("Button3"))->click();
        TBkRegFm list(t.db(), s);
        child<QDateEdit>(&list, QStringLiteral("DateTimePicker1"))->setDate(QDate(2024, 11, 1));
        child<QDateEdit>(&list, QStringLiteral("DateTimePicker2"))->setDate(QDate(2024, 12, 9));
        child<QPushButton>(&list, QStringLiteral("Button1"))->click();
        child<QToolButton>(&list, QStringLiteral("ToolButton1"))->click();
        child<QToolButton>(&list, QStringLiteral("ToolButton2"))->click();
        ExcelExportUi::setOpener({});
        QCOMPARE(prints.files().size(), 2);
        const QString operators = pdfText(prints.files()[0], prints.pages()[0]);
        QVERIFY2(operators.contains(QStringLiteral("登记人")) && operators.contains(QStringLiteral("记录数"))
                     && operators.contains(QStringLiteral("甲2")) && operators.contains(QStringLiteral("42.5")),
                 qPrintable(operators));
        const QString registered = pdfText(prints.files()[1], prints.pages()[1]);
        for (const char *word : {"图书编号", "条形码", "书名", "类别", "存放位置", "数量", "B1", "B3", "B4"})
            QVERIFY2(registered.contains(QString::fromUtf8(word)), word);
        QCOMPARE(opened.size(), 2);
        for (const QString &file : opened) {
            QVERIFY(QFileInfo(file).size() > 0);
            QFile::remove(file);
        }
        QCOMPARE(messages.texts.size(), 3); // the statement, and twice where the file is
    }
};

QTEST_MAIN(TestRegistrationWindows)
#include "tst_registration_windows.moc"
