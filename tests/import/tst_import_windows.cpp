// SPDX-License-Identifier: MIT
// The import windows offscreen: the four spreadsheet windows (their differences, the
// header row, numbering boxes, password, the run and its reports, the failed-rows
// export) and the MARC window (reading, editing a title, the start number, the import).
#include "ImportFixtures.h"
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "foundation/DayClock.h"
#include "foundation/LoginSession.h"
#include "foundation/SheetReader.h"
#include "import/ImportFileUi.h"
#include "import/InExcelDataUt.h"
#include "import/InExcelJyUt.h"
#include "import/InExcelQkUt.h"
#include "import/InExcelRdUt.h"
#include "import/InMarcUt.h"
#include "import/SheetLayout.h"

#include <QApplication>
#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace ImportFixtures;

namespace {
std::unique_ptr<QDialog> openWindow(const QString &kind, SharedConnection &db, const LoginSession &s)
{
    if (kind == QLatin1String("books"))
        return std::make_unique<TInExcelDataFm>(db, s);
    if (kind == QLatin1String("readers"))
        return std::make_unique<TInExcelRdFm>(db, s);
    if (kind == QLatin1String("periodicals"))
        return std::make_unique<TInExcelQkFm>(db, s);
    return std::make_unique<TInExcelJyFm>(db, s);
}

template <typename W>
W *child(QWidget &window, const char *name)
{
    W *w = window.findChild<W *>(QString::fromLatin1(name));
    if (!w)
        qWarning("no %s", name);
    return w;
}

QStringList memoLines(QWidget &window)
{
    return child<QPlainTextEdit>(window, "Memo1")->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
} // namespace

class TestImportWindows : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QTemporaryDir m_home;
    LoginSession m_session;
    QString m_chosen;

    QString csv(const QString &name, const QList<QStringList> &rows)
    {
        return writeCsv(m_dir.filePath(name + QStringLiteral(".csv")), rows);
    }
    void click(QWidget &window, const char *button)
    {
        QPushButton *b = child<QPushButton>(window, button);
        QVERIFY(b && b->isEnabled());
        b->click();
    }

private slots:
    void initTestCase()
    {
        qputenv("HOME", m_home.path().toLocal8Bit()); // exports go below it
        DayClock::setToday(QDate(2024, 12, 8));
        m_session.OperatorName = QStringLiteral("小王");
        ImportFile::setChooser([this](const QString &) { return m_chosen; });
    }
    void cleanupTestCase() { ImportFile::setChooser({}); }

    // What tells the four windows apart.
    void windowsDiffer_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("numbering"); // caption of CheckBox1, empty: no boxes
        QTest::addColumn<bool>("statement");
        QTest::addColumn<bool>("failedList");
        QTest::addColumn<bool>("elapsed");
        QTest::addColumn<int>("fields");
        QTest::newRow("books") << "books" << "Excel导入" << "系统随机自动编号" << true << true << true << 31;
        QTest::newRow("readers") << "readers" << "读者资料Excel导入" << "自动增加编号" << false << false << false << 19;
        QTest::newRow("periodicals") << "periodicals" << "期刊资料Excel导入" << "系统自动编号" << true << true << true << 31;
        QTest::newRow("loans") << "loans" << "Excel导入" << "" << true << false << true << 24;
    }
    void windowsDiffer()
    {
        QFETCH(QString, kind);
        QFETCH(QString, title);
        QFETCH(QString, numbering);
        QFETCH(bool, statement);
        QFETCH(bool, failedList);
        QFETCH(bool, elapsed);
        QFETCH(int, fields);
        TestDatabase t(QStringLiteral("sqlite"));
        MessageRecorder messages;
        const std::unique_ptr<QDialog> w = openWindow(kind, t.db(), m_session);
        w->show();
        QCOMPARE(w->windowTitle(), title);
        QCOMPARE(child<QListWidget>(*w, "ListBox2")->count(), fields);
        QCOMPARE(child<QListWidget>(*w, "ListBox2")->item(fields - 1)->text(),
                 kind == QLatin1String("periodicals") ? QStringLiteral("n")
                                                      : SheetLayouts::byName(kind)->captions().constLast());
        QCOMPARE(child<QCheckBox>(*w, "CheckBox1")->isVisible(), !numbering.isEmpty());
        QCOMPARE(child<QCheckBox>(*w, "CheckBox1")->text(), numbering);
        QCOMPARE(child<QLineEdit>(*w, "Edit1")->isVisible(), statement);
        QCOMPARE(child<QTreeWidget>(*w, "ListView1")->isVisible(), failedList);
        QCOMPARE(child<QPushButton>(*w, "Button7")->isVisible(), failedList);
        QCOMPARE(child<QLabel>(*w, "Label12")->isVisible(), elapsed);
        QVERIFY(!child<QPushButton>(*w, "Button6")->isEnabled());
        QVERIFY(!child<QLineEdit>(*w, "Edit2")->isEnabled());
        QCOMPARE(child<QLabel>(*w, "Label14")->text().size(), 10); // yyMMddhhmm

        // One row through the window: the row lands in the layout's table.
        const SheetLayout &l = *SheetLayouts::byName(kind);
        QStringList data = row(int(l.columns.size()), {{1, "K1"}, {2, "甲"}, {5, "B1"}, {6, "一"}});
        m_chosen = csv(QStringLiteral("one-") + kind, {l.captions(), data});
        click(*w, "Button3");
        QCOMPARE(child<QLabel>(*w, "Label1")->text(), QStringLiteral("1条数据(行数)"));
        QCOMPARE(child<QLabel>(*w, "Label2")->text(), QStringLiteral("%1个项目(列数)").arg(l.columns.size()));
        QCOMPARE(child<QListWidget>(*w, "ListBox1")->item(0)->text(), l.captions().first());
        messages.passwords << QStringLiteral("jukx");
        click(*w, "Button6");
        QCOMPARE(messages.texts, (QStringList{"请输入正确的密码", "完成!"}));
        QCOMPARE(memoLines(*w), (QStringList{"成功导入了1行", "导入失败了0行"}));
        QCOMPARE(t.db().scalar(QStringLiteral("select count(*) from ") + l.table).toInt(), 1);
        QVERIFY(!child<QPushButton>(*w, "Button6")->isEnabled());
        if (elapsed)
            QVERIFY(child<QLabel>(*w, "Label12")->text().startsWith(QStringLiteral("时间:")));
    }

    // The book window end to end: start number, a repeated number, the reports.
    void booksRun_data() { TestDatabase::addEngines(); }
    void booksRun()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        t.db().exec(QStringLiteral("insert into 图书(编号,名称) values(?,?)"), {QStringLiteral("1001"), QStringLiteral("旧")});
        MessageRecorder messages;
        TInExcelDataFm w(t.db(), m_session);
        w.show();
        m_chosen = csv(QStringLiteral("books"), {SheetLayouts::books().captions(), {"x", "111", "一"},
                                                 {"y", "222", "二'\""}, {"z", "", "三"}});
        click(w, "Button3");
        QCOMPARE(child<QLabel>(w, "Label1")->text(), QStringLiteral("3条数据(行数)"));
        auto *edit2 = child<QLineEdit>(w, "Edit2");
        child<QCheckBox>(w, "CheckBox2")->setChecked(true);
        QVERIFY(edit2->isEnabled());
        QTest::keyClicks(edit2, QStringLiteral("10a0-0"));
        QCOMPARE(edit2->text(), QStringLiteral("1000")); // digits only
        click(w, "Button8");
        QCOMPARE(child<QLabel>(w, "Label14")->text(), QStringLiteral("1000"));
        messages.passwords << QStringLiteral("jukx");
        click(w, "Button6");
        QCOMPARE(column(t.db(), "图书", "编号"), (QStringList{"1000", "1001", "1002"}));
        QCOMPARE(column(t.db(), "图书", "名称"), (QStringList{"一", "旧", "三"}));
        QCOMPARE(memoLines(w), (QStringList{"3 222 二'\"", "成功导入了2行", "导入失败了1行"}));
        const QString shown = child<QLineEdit>(w, "Edit1")->text();
        QVERIFY2(shown.startsWith(QStringLiteral("insert into 图书(")) && shown.contains(QStringLiteral("1001")),
                 qPrintable(shown));
        auto *failed = child<QTreeWidget>(w, "ListView1");
        QCOMPARE(failed->topLevelItemCount(), 1);
        QCOMPARE(failed->topLevelItem(0)->text(0), QStringLiteral("3"));
        QCOMPARE(failed->topLevelItem(0)->text(1), QStringLiteral("y"));
        QCOMPARE(failed->topLevelItem(0)->text(3), QStringLiteral("二'\""));

        // " 生成Excel" writes the failed rows to a workbook.
        click(w, "Button7");
        QString exported;
        for (QDirIterator it(m_home.path(), {QStringLiteral("*.xlsx")}, QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();)
            exported = it.next();
        QVERIFY2(!exported.isEmpty(), "no workbook written");
        const std::unique_ptr<SheetReader> sheet = SheetReader::open(exported);
        QVERIFY(sheet);
        QCOMPARE(sheet->rowCount(), 2);
        QCOMPARE(sheet->cellText(2, 1), QStringLiteral("3"));
        QCOMPARE(sheet->cellText(2, 4), QStringLiteral("二'\""));
        QFile::remove(exported);

        click(w, "Button5"); // 清空list
        QVERIFY(child<QPlainTextEdit>(w, "Memo1")->toPlainText().isEmpty());
        QCOMPARE(child<QListWidget>(w, "ListBox1")->count(), 0);
    }

    void passwordAndFileRefusals()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        MessageRecorder messages;
        TInExcelRdFm w(t.db(), m_session);
        w.show();
        // Cancelling the dialog reads nothing and leaves 开始导入 as it was.
        m_chosen.clear();
        click(w, "Button3");
        QCOMPARE(child<QListWidget>(w, "ListBox1")->count(), 0);
        QVERIFY(!child<QPushButton>(w, "Button6")->isEnabled());

        m_chosen = csv(QStringLiteral("readers"), {SheetLayouts::readers().captions(), {"R1", "甲"}});
        click(w, "Button3");
        messages.passwords << QStringLiteral("JUKX");
        click(w, "Button6");
        QCOMPARE(messages.texts, (QStringList{"请输入正确的密码", "密码错误!"}));
        messages.clear();
        click(w, "Button6"); // cancelled prompt
        QCOMPARE(messages.texts, (QStringList{"请输入正确的密码", "密码错误!"}));
        QCOMPARE(t.db().scalar(QStringLiteral("select count(*) from 读者库")).toInt(), 0);
        QVERIFY(child<QPushButton>(w, "Button6")->isEnabled()); // still ready for a right password

        // A damaged file: its message, and nothing to import.
        m_chosen = m_dir.filePath(QStringLiteral("damaged.xls"));
        QFile f(m_chosen);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a workbook at all");
        f.close();
        messages.clear();
        click(w, "Button3");
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(messages.texts.first().contains(QStringLiteral("damaged.xls")));
        QVERIFY(!child<QPushButton>(w, "Button6")->isEnabled());
    }

    // The window handles its events during a long import.
    void keepsPaintingDuringImport()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        MessageRecorder messages;
        TInExcelJyFm w(t.db(), m_session);
        w.show();
        QList<QStringList> rows{SheetLayouts::loans().captions()};
        for (int i = 0; i < 600; ++i)
            rows << row(24, {{1, QStringLiteral("R%1").arg(i)}, {5, QStringLiteral("B%1").arg(i)}, {6, "书"}});
        m_chosen = csv(QStringLiteral("many"), rows);
        click(w, "Button3");
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start(0);
        messages.passwords << QStringLiteral("jukx");
        click(w, "Button6");
        timer.stop();
        QVERIFY(ticks > 0);
        QCOMPARE(t.db().scalar(QStringLiteral("select count(*) from 借出记录")).toInt(), 600);
        QCOMPARE(child<QProgressBar>(w, "ProgressBar1")->value(), 601);
    }

    void marcWindow_data() { TestDatabase::addEngines(); }
    void marcWindow()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        MessageRecorder messages;
        TInMarcFm w(t.db(), m_session);
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("马克marc数据导入"));
        QVERIFY(!child<QPushButton>(w, "Button2")->isEnabled());
        m_chosen = QStringLiteral(FIXTURE_DIR "/mixed.mrc");
        click(w, "Button1");
        auto *edit1 = child<QLineEdit>(w, "Edit1");
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{2}\\d{1,2}\\d{1,2}$")).match(edit1->text()).hasMatch(),
                 qPrintable(edit1->text()));
        click(w, "Button2");
        auto *list = child<QTreeWidget>(w, "ListView1");
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->headerItem()->text(12), QStringLiteral("提要"));
        QCOMPARE(child<QLabel>(w, "Label1")->text(), QStringLiteral("已导入:2"));
        QCOMPARE(memoLines(w).size(), 3); // the damaged records
        QVERIFY(!child<QPushButton>(w, "Button2")->isEnabled());
        list->topLevelItem(1)->setText(0, QStringLiteral("围城(新版)"));

        edit1->setText(QStringLiteral("1o0"));
        click(w, "Button3");
        QCOMPARE(messages.texts, QStringList{"请输入合法的数字！"});
        QCOMPARE(edit1->selectedText(), QStringLiteral("1o0"));
        QCOMPARE(t.db().scalar(QStringLiteral("select count(*) from 图书")).toInt(), 0);

        messages.clear();
        edit1->setText(QStringLiteral(" 100 "));
        messages.passwords << QStringLiteral("jukx");
        click(w, "Button3");
        QCOMPARE(messages.texts, (QStringList{"请输入正确的密码", "完成!"}));
        QCOMPARE(column(t.db(), "图书", "编号"), (QStringList{"101", "102"}));
        QCOMPARE(column(t.db(), "图书", "名称"), (QStringList{"红楼梦", "围城(新版)"}));
        QCOMPARE(column(t.db(), "图书", "登记人"), (QStringList{"小王", "小王"}));
        QCOMPARE(memoLines(w).mid(3), (QStringList{"成功导入了2行", "导入失败了0行"}));
        QVERIFY(child<QLabel>(w, "Label12")->text().startsWith(QStringLiteral("时间:")));
        QVERIFY(!child<QPushButton>(w, "Button3")->isEnabled());
        QVERIFY(!child<QPushButton>(w, "Button2")->isEnabled()); // reading again needs a new choice

        // LvToExcel: the list as a workbook.
        messages.clear();
        click(w, "Button6");
        QString exported;
        for (QDirIterator it(m_home.path(), {QStringLiteral("*.xlsx")}, QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();)
            exported = it.next();
        QVERIFY2(!exported.isEmpty(), "no workbook written");
        const std::unique_ptr<SheetReader> sheet = SheetReader::open(exported);
        QVERIFY(sheet);
        QCOMPARE(sheet->cellText(1, 1), QStringLiteral("名称"));
        QCOMPARE(sheet->cellText(3, 1), QStringLiteral("围城(新版)"));
        QFile::remove(exported);

        // Choosing a file again empties the list.
        click(w, "Button1");
        QCOMPARE(list->topLevelItemCount(), 0);
        QVERIFY(child<QPushButton>(w, "Button2")->isEnabled());
    }
};

QTEST_MAIN(TestImportWindows)
#include "tst_import_windows.moc"
