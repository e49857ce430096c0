// SPDX-License-Identifier: MIT
// The operator log window: the list with its row count, deleting the current row or
// every row, the export and the print, on both engines.
#include "MessageRecorder.h"
#include "ExternalTools.h"
#include "TestDatabase.h"
#include "foundation/AdminLog.h"
#include "foundation/GridWidget.h"
#include "foundation/ListReport.h"
#include "foundation/SheetReader.h"
#include "session/AdminLogUt.h"

#include <QDesktopServices>
#include <QFile>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrl>

namespace {
class Opener : public QObject
{
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl &url) { opened << url.toLocalFile(); }
};

QStringList events(SharedConnection &db)
{
    QStringList list;
    QSqlQuery q = db.exec(QStringLiteral("select 事件 from 管理员日志 order by id"));
    while (q.next())
        list << q.value(0).toString();
    return list;
}

void writeLog(SharedConnection &db)
{
    AdminLog(db, QStringLiteral("删除"), QStringLiteral("删除图书 B1"), QStringLiteral("小王"));
    AdminLog(db, QStringLiteral("修改"), QStringLiteral("书名 \"红楼梦\" 改为 '石头记'"), QStringLiteral("小李"));
    AdminLog(db, QStringLiteral("清理"), QStringLiteral("清空借出记录"), QStringLiteral("超级管理员"));
}

struct LogControls {
    explicit LogControls(QWidget *w) : w(w) {}
    QWidget *w;
    GridWidget *grid() const { return w->findChild<GridWidget *>(QStringLiteral("dxDBGrid1")); }
    void press(int n) const
    {
        QTest::mouseClick(w->findChild<QToolButton *>(QStringLiteral("ToolButton%1").arg(n)), Qt::LeftButton);
    }
};
} // namespace

class TestOperatorLogWindow : public QObject
{
    Q_OBJECT
    Opener m_opener;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_opener, "open");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    // The list: five columns, 日期 as a date, the row count under id.
    void list_data() { TestDatabase::addEngines(); }
    void list()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        MessageRecorder messages;
        writeLog(t.db());
        TAdminLogFm window(t.db());
        LogControls c(&window);
        QCOMPARE(window.windowTitle(), QStringLiteral("管理员日志"));
        QCOMPARE(c.grid()->visibleFields(), (QStringList{QStringLiteral("id"), QStringLiteral("事件"),
                                                          QStringLiteral("日期"), QStringLiteral("管理员"),
                                                          QStringLiteral("说明")}));
        QCOMPARE(c.grid()->rowCount(), 3);
        QCOMPARE(c.grid()->footerText(QStringLiteral("id")), QStringLiteral("3"));
        QCOMPARE(c.grid()->text(0, QStringLiteral("日期")), QDate::currentDate().toString(Qt::ISODate));
        QCOMPARE(c.grid()->text(1, QStringLiteral("说明")), QStringLiteral("书名 \"红楼梦\" 改为 '石头记'"));
        QVERIFY(messages.texts.isEmpty());
    }

    // 删除当前 asks and deletes only the current row; 全部删除 asks, empties the log,
    // says so, and the list stays empty until the window opens again.
    void deleting_data() { TestDatabase::addEngines(); }
    void deleting()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        MessageRecorder messages;
        writeLog(t.db());
        TAdminLogFm window(t.db());
        LogControls c(&window);
        QVERIFY(c.grid()->locate(QStringLiteral("事件"), QStringLiteral("修改")));

        messages.answers << false;
        c.press(1);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("您是否要删除")});
        QCOMPARE(events(t.db()).size(), 3);
        c.press(1);
        QCOMPARE(events(t.db()), (QStringList{QStringLiteral("删除"), QStringLiteral("清理")}));
        QCOMPARE(c.grid()->rowCount(), 2);
        QCOMPARE(c.grid()->footerText(QStringLiteral("id")), QStringLiteral("2"));

        messages.clear();
        messages.answers << false;
        c.press(2);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("您是否要全部删除")});
        QCOMPARE(events(t.db()).size(), 2);
        messages.clear();
        c.press(2);
        QCOMPARE(messages.texts, (QStringList{QStringLiteral("您是否要全部删除"), QStringLiteral("删除完毕!")}));
        QCOMPARE(events(t.db()), QStringList());
        QCOMPARE(c.grid()->rowCount(), 0);

        // Rows written since show at the next opening only.
        AdminLog(t.db(), QStringLiteral("修改"), QStringLiteral("之后"), QStringLiteral("小王"));
        QCOMPARE(c.grid()->rowCount(), 0);
        messages.clear();
        c.press(1);
        QVERIFY(messages.texts.isEmpty());
        TAdminLogFm reopened(t.db());
        QCOMPARE(LogControls(&reopened).grid()->rowCount(), 1);
    }

    // 导出Excel writes every column of the list and hands the file to the desktop.
    void exportToSpreadsheet_data() { TestDatabase::addEngines(); }
    void exportToSpreadsheet()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        MessageRecorder messages;
        writeLog(t.db());
        TAdminLogFm window(t.db());
        m_opener.opened.clear();
        LogControls(&window).press(3);
        QCOMPARE(m_opener.opened.size(), 1);
        const QString file = m_opener.opened.first();
        QVERIFY(file.contains(QStringLiteral("管理员日志")));
        std::unique_ptr<SheetReader> sheet = SheetReader::open(file);
        QVERIFY(sheet);
        QCOMPARE(sheet->rowCount(), 4);
        QStringList header;
        for (int col = 1; col <= sheet->columnCount(); ++col)
            header << sheet->cellText(1, col);
        QCOMPARE(header, (QStringList{QStringLiteral("id"), QStringLiteral("事件"), QStringLiteral("日期"),
                                      QStringLiteral("管理员"), QStringLiteral("说明")}));
        QCOMPARE(sheet->cellText(3, 2), QStringLiteral("修改"));
        QCOMPARE(sheet->cellText(4, 4), QStringLiteral("超级管理员"));
        QVERIFY(messages.texts.isEmpty());
        QFile::remove(file);
    }

    // The print lists the five columns in the order the list shows its rows.
    void print_data() { TestDatabase::addEngines(); }
    void print()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        MessageRecorder messages;
        writeLog(t.db());
        TAdminLogFm window(t.db());
        GridWidget *grid = LogControls(&window).grid();
        grid->sortBy(QStringLiteral("管理员"), Qt::DescendingOrder);
        const std::unique_ptr<ListReport> report = window.report();
        QStringList heads;
        for (const ReportColumn &column : report->columns())
            heads << column.caption;
        QCOMPARE(heads, (QStringList{QStringLiteral("id"), QStringLiteral("事件"), QStringLiteral("日期"),
                                     QStringLiteral("管理员"), QStringLiteral("说明")}));
        QCOMPARE(report->title(), QStringLiteral("管理员日志"));
        QCOMPARE(report->rowCount(), 3);
        const QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("log.pdf"));
        QVERIFY(report->renderToPdf(pdf));
        if (!ExternalTools::available(QStringLiteral("pdftotext")))
            QSKIP("pdftotext (poppler-utils) is not installed");
        // Descending by 管理员: 超级管理员's row, then 小王's, then 小李's.
        const QString text = ExternalTools::pdfPageText(pdf, 1);
        QVERIFY2(text.contains(QStringLiteral("管理员日志")), qPrintable(text));
        const qsizetype first = text.indexOf(QStringLiteral("清理"));
        const qsizetype second = text.indexOf(QStringLiteral("删除"));
        const qsizetype third = text.indexOf(QStringLiteral("修改"));
        QVERIFY2(first >= 0 && first < second && second < third, qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("书名 \"红楼梦\" 改为 '石头记'")));
    }
};

QTEST_MAIN(TestOperatorLogWindow)
#include "tst_operator_log_window.moc"
