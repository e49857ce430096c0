// SPDX-License-Identifier: MIT
// The loan-record window TBkJySearchFm, opened offscreen on both engines: its boxes,
// the query and its refusals, the footer, print, export and delete.
#include "ExternalTools.h"
#include "MessageRecorder.h"
#include "StatisticsRows.h"
#include "TestDatabase.h"
#include "WindowHelpers.h"
#include "foundation/DayClock.h"
#include "foundation/GridWidget.h"
#include "foundation/ListReport.h"
#include "foundation/LoginSession.h"
#include "foundation/ReportPreviewDialog.h"
#include "foundation/SheetReader.h"
#include "statistics/BkJySearchUt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QDesktopServices>
#include <QUrl>

using namespace StatisticsRows;

// Takes the files the exports hand to the desktop instead of opening them.
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
void addLoans(SharedConnection &db)
{
    const QString yes = QStringLiteral("是");
    addLoan(db, {{"价格", money("25.5")}, {"租金", money("0.6")}});
    addLoan(db, {{"读者编号", "R002"}, {"读者姓名", "O'Brien"}, {"名称", "西游记"}, {"已还", yes},
                 {"归还日期", QDate(2024, 12, 5)}, {"价格", money("10")}, {"实际租金", money("1.5")},
                 {"赔偿金额", money("20.6")}, {"罚金", money("0.3")}});
    addLoan(db, {{"读者编号", "R002"}, {"读者姓名", "O'Brien"}, {"名称", "水浒传"}, {"借阅日期", QDate(2024, 12, 6)}});
}

QStringList column(const GridWidget *grid, const QString &field)
{
    QStringList values;
    for (int r = 0; r < grid->rowCount(); ++r)
        values << grid->text(r, field);
    return values;
}

template <typename T>
T *child(QWidget &w, const char *name)
{
    T *c = w.findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}
} // namespace

class TestLoanWindow : public QObject
{
    Q_OBJECT
    LoginSession m_session;
    QTemporaryDir m_home;

private slots:
    void initTestCase()
    {
        qputenv("HOME", m_home.path().toLocal8Bit()); // exports go below it
        DayClock::setToday(QDate(2024, 12, 8));
    }
    void cleanupTestCase() { DayClock::setToday(QDate()); }
    void init()
    {
        m_session = LoginSession();
        m_session.OperatorName = QStringLiteral("老王");
        m_session.rights.qxadmin = true;
    }

    void opensOnEveryRecord_data() { TestDatabase::addEngines(); }
    void opensOnEveryRecord()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        addLoans(t.db());
        MessageRecorder messages;
        TBkJySearchFm w(t.db(), m_session);
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("借阅信息查询"));
        QVERIFY(w.windowState() & Qt::WindowMaximized);
        GridWidget *grid = w.grid();
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->visibleFields().first(), QStringLiteral("读者编号"));
        QVERIFY(!grid->visibleFields().contains(QStringLiteral("押金")));
        QCOMPARE(grid->visibleFields().size(), 22);
        QCOMPARE(grid->footerText("价格"), QStringLiteral("35.50"));
        QCOMPARE(grid->footerText("租金"), QStringLiteral("1"));
        QCOMPARE(grid->footerText("赔偿金额"), QStringLiteral("21"));
        QCOMPARE(grid->footerText("实际租金"), QStringLiteral("1.50"));
        QCOMPARE(grid->footerText("罚金"), QStringLiteral("0.30"));
        QCOMPARE(grid->footerText("id"), QStringLiteral("3"));

        for (const char *name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"})
            QVERIFY(child<QLineEdit>(w, name)->text().isEmpty());
        QCOMPARE(child<QDateEdit>(w, "DateTimePicker1")->date(), QDate(2008, 3, 3));
        QCOMPARE(child<QDateEdit>(w, "DateTimePicker3")->date(), QDate(2008, 3, 3));
        QCOMPARE(child<QDateEdit>(w, "DateTimePicker2")->date(), QDate(2024, 12, 8));
        QCOMPARE(child<QDateEdit>(w, "DateTimePicker4")->date(), QDate(2024, 12, 8));
        auto *combo = child<QComboBox>(w, "ComboBox1");
        QCOMPARE(combo->currentText(), QStringLiteral("是"));
        QVERIFY(combo->isEditable());
        // Each box enables its controls while ticked.
        const QList<std::pair<const char *, QList<const char *>>> boxes{
            {"CheckBox1", {"DateTimePicker1", "DateTimePicker2"}},
            {"CheckBox2", {"DateTimePicker3", "DateTimePicker4"}},
            {"CheckBox3", {"ComboBox1"}}};
        for (const auto &[box, controls] : boxes) {
            for (const char *c : controls)
                QVERIFY(!child<QWidget>(w, c)->isEnabled());
            child<QCheckBox>(w, box)->setChecked(true);
            for (const char *c : controls)
                QVERIFY(child<QWidget>(w, c)->isEnabled());
            child<QCheckBox>(w, box)->setChecked(false);
            for (const char *c : controls)
                QVERIFY(!child<QWidget>(w, c)->isEnabled());
        }
        QVERIFY(messages.texts.isEmpty());
    }

    void queryAndRefusals_data() { TestDatabase::addEngines(); }
    void queryAndRefusals()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        addLoans(t.db());
        MessageRecorder messages;
        TBkJySearchFm w(t.db(), m_session);
        auto *query = child<QPushButton>(w, "Button1");

        // Nothing set: the message, and the grid keeps every row.
        query->click();
        QCOMPARE(messages.texts, QStringList{"请设置查询条件."});
        QCOMPARE(w.grid()->rowCount(), 3);

        // Only a reader number: that reader's loans, returned and not.
        child<QLineEdit>(w, "Edit4")->setText(QStringLiteral("R002"));
        query->click();
        QCOMPARE(column(w.grid(), "名称"), (QStringList{"西游记", "水浒传"}));
        QCOMPARE(w.grid()->footerText("价格"), QStringLiteral("10.00"));

        // 已还 否: the loans not yet returned.
        child<QCheckBox>(w, "CheckBox3")->setChecked(true);
        child<QComboBox>(w, "ComboBox1")->setCurrentText(QStringLiteral("否"));
        query->click();
        QCOMPARE(column(w.grid(), "名称"), QStringList{"水浒传"});

        // A reversed lending range is refused and the grid does not change.
        child<QCheckBox>(w, "CheckBox1")->setChecked(true);
        child<QDateEdit>(w, "DateTimePicker1")->setDate(QDate(2024, 12, 7));
        child<QDateEdit>(w, "DateTimePicker2")->setDate(QDate(2024, 12, 6));
        messages.clear();
        query->click();
        QCOMPARE(messages.texts, QStringList{"借阅时间条件不符合正常逻辑!"});
        QCOMPARE(column(w.grid(), "名称"), QStringList{"水浒传"});
        child<QCheckBox>(w, "CheckBox1")->setChecked(false);

        child<QCheckBox>(w, "CheckBox2")->setChecked(true);
        child<QDateEdit>(w, "DateTimePicker3")->setDate(QDate(2024, 12, 9));
        messages.clear();
        query->click();
        QCOMPARE(messages.texts, QStringList{"归还时间条件不符合正常逻辑!"});

        // A name with an apostrophe is just a name.
        child<QCheckBox>(w, "CheckBox2")->setChecked(false);
        child<QCheckBox>(w, "CheckBox3")->setChecked(false);
        child<QLineEdit>(w, "Edit4")->clear();
        child<QLineEdit>(w, "Edit5")->setText(QStringLiteral("O'Brien"));
        messages.clear();
        query->click();
        QCOMPARE(w.grid()->rowCount(), 2);
        QVERIFY(messages.texts.isEmpty());
    }

    void deleteRow_data() { TestDatabase::addEngines(); }
    void deleteRow()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        addLoans(db);
        MessageRecorder messages;
        TBkJySearchFm w(db, m_session);
        auto *remove = child<QPushButton>(w, "Button5");
        QVERIFY(w.grid()->locate(QStringLiteral("名称"), QStringLiteral("西游记")));

        // No: nothing changes.
        messages.answers.enqueue(false);
        remove->click();
        QCOMPARE(messages.texts, QStringList{"您是否要删除读者姓名: (O'Brien), 名称: (西游记)"});
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 借出记录")).toInt(), 3);

        // Yes: the row goes, with its log row, and "ok！".
        messages.clear();
        remove->click();
        QCOMPARE(messages.texts, (QStringList{"您是否要删除读者姓名: (O'Brien), 名称: (西游记)", "ok！"}));
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 借出记录 where 名称='西游记'")).toInt(), 0);
        QCOMPARE(w.grid()->rowCount(), 2);
        QSqlQuery log = db.exec(QStringLiteral("select 事件, 管理员, 说明 from 管理员日志"));
        QVERIFY(log.next());
        QCOMPARE(log.value(0).toString(), QStringLiteral("删借出记录"));
        QCOMPARE(log.value(1).toString(), QStringLiteral("老王"));
        QCOMPARE(log.value(2).toString(), QStringLiteral("读者编号：[R002],姓名:[O'Brien],名称:[西游记]"));
        log.finish();

        // Without qxadmin: the refusal, no question.
        m_session.rights.qxadmin = false;
        messages.clear();
        remove->click();
        QCOMPARE(messages.texts, QStringList{"没有管理员权限！"});
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 借出记录")).toInt(), 2);
    }

    void printAndExport_data() { TestDatabase::addEngines(); }
    void printAndExport()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        addLoans(t.db());
        MessageRecorder messages;
        TBkJySearchFm w(t.db(), m_session);

        // The report: heads, one line per row with id first, and the totals line.
        const std::unique_ptr<ListReport> report = w.report();
        QCOMPARE(report->rowCount(), 3);
        const QString pdf = QDir(m_home.path()).filePath(QStringLiteral("loans.pdf"));
        QVERIFY(report->renderToPdf(pdf));
        if (ExternalTools::available(QStringLiteral("pdftotext"))) {
            const QString text = ExternalTools::pdfPageText(pdf, 1);
            for (const char *word : {"顺序号", "读者编号", "读者姓名", "借阅日期", "O'Brien", "水浒传", "价格合计:35.50",
                                     "实际租金合计: 1.50", "赔偿金额合计: 20.60"})
                QVERIFY2(text.contains(QString::fromUtf8(word)), word);
        }
        // "打印" opens the preview.
        bool previewed = false;
        whenModal<ReportPreviewDialog>([&previewed](ReportPreviewDialog *p) {
            previewed = true;
            p->close();
        });
        child<QPushButton>(w, "Button3")->click();
        QVERIFY(previewed);

        // "转EXCEL": every field of the rows shown, headed as the schema spells them.
        FileOpener opener;
        child<QLineEdit>(w, "Edit4")->setText(QStringLiteral("R002"));
        child<QPushButton>(w, "Button1")->click();
        child<QPushButton>(w, "Button4")->click();
        QCOMPARE(opener.opened.size(), 1);
        QString error;
        const std::unique_ptr<SheetReader> sheet = SheetReader::open(opener.opened.first(), &error);
        QVERIFY2(sheet, qPrintable(error));
        QCOMPARE(sheet->rowCount(), 3);
        QCOMPARE(sheet->columnCount(), 25);
        QStringList header;
        for (int c = 1; c <= sheet->columnCount(); ++c)
            header << sheet->cellText(1, c);
        QVERIFY(header.contains(QStringLiteral("cardId")));
        QVERIFY(header.contains(QStringLiteral("押金")));
        const int name = int(header.indexOf(QStringLiteral("读者姓名"))) + 1;
        QCOMPARE(sheet->cellText(2, name), QStringLiteral("O'Brien"));
        QFile::remove(opener.opened.first());
        QVERIFY(messages.texts.isEmpty());
    }
};

QTEST_MAIN(TestLoanWindow)
#include "tst_loan_window.moc"
