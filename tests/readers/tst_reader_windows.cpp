// SPDX-License-Identifier: MIT
// The registration, editing, state and reader management windows on both engines.
#include "ExternalTools.h"
#include "MessageRecorder.h"
#include "PythonScripts.h"
#include "TestDatabase.h"
#include "WindowTestHelpers.h"
#include "foundation/DayClock.h"
#include "foundation/ExcelExportUi.h"
#include "foundation/GridWidget.h"
#include "foundation/LoginSession.h"
#include "foundation/Money.h"
#include "foundation/ReportPreviewDialog.h"
#include "foundation/SqlValues.h"
#include "readers/ChangeRdStateUt.h"
#include "readers/PhotoPickerUi.h"
#include "readers/RdAddUt.h"
#include "readers/RdChongZhiUt.h"
#include "readers/RdEditUt.h"
#include "readers/RdSearchUt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {
LoginSession signedIn()
{
    LoginSession s;
    for (int i = 0; i < Rights::names().size(); ++i)
        s.rights.setValue(i, true);
    s.OperatorName = QStringLiteral("王五");
    s.switches.图书馆名 = QStringLiteral("城东图书馆");
    return s;
}

template <typename T>
T *child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

void addReader(SharedConnection &db, const QString &number, const QString &name, const QString &card = QString())
{
    db.exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名, CardId, 性别, 状态, 卡内金额, 登记日期, 班级) "
                           "values (?,?,?,?,?,?,?,?)"),
            {number, name, card.isEmpty() ? QVariant() : QVariant(card), QStringLiteral("女"), QStringLiteral("正常"), 50,
             DayClock::now(), QStringLiteral("一班")});
}

QStringList listed(GridWidget *grid)
{
    QStringList numbers;
    for (int r = 0; r < grid->rowCount(); ++r)
        numbers << grid->value(r, QStringLiteral("读者编号")).toString();
    return numbers;
}

QString writePicture(const QTemporaryDir &dir, const char *format, qint64 padTo = 0)
{
    QImage image(30, 40, QImage::Format_RGB32);
    image.fill(Qt::green);
    const QString file = dir.filePath(QStringLiteral("photo.") + QString::fromLatin1(format).toLower());
    image.save(file, format);
    if (padTo > 0) {
        QFile f(file);
        f.open(QIODevice::Append);
        f.write(QByteArray(padTo - f.size(), '\0'));
    }
    return file;
}
} // namespace

class TestReaderWindows : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void cleanup() { PhotoPicker::setChooser({}); }

    // Registration: bold boxes, live py, the photo, the fee row, clearing or keeping
    // the form, and the database's refusal of a second row with the same number.
    void registration_data() { TestDatabase::addEngines(); }
    void registration()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        MessageRecorder messages;
        LoginSession session = signedIn();
        session.switches.开户费 = Money::fromText(QStringLiteral("5.5"));
        session.switches.显示班级 = true;
        TRdAddFm w(db, session);
        w.show();
        QVERIFY(child<QComboBox>(&w, "ComboBox5")->isVisible());
        QVERIFY(!child<QComboBox>(&w, "ComboBox6")->isVisible());
        QCOMPARE(child<QComboBox>(&w, "ComboBox2")->currentText(), QStringLiteral("普通"));
        QCOMPARE(child<QDateEdit>(&w, "DateTimePicker1")->date(), DayClock::today().addDays(14600));

        child<QPushButton>(&w, "Button1")->click();
        QCOMPARE(messages.texts, QStringList{QStringLiteral("字体加重的项目必须填写!")});

        child<QLineEdit>(&w, "Edit1")->setText(QStringLiteral("R1"));
        child<QLineEdit>(&w, "Edit2")->setText(QStringLiteral("张三丰")); // as typed: textChanged
        QCOMPARE(child<QLineEdit>(&w, "Edit6")->text(), QStringLiteral("ZSF"));
        child<QComboBox>(&w, "ComboBox5")->setEditText(QStringLiteral("三(2)班"));
        child<QLineEdit>(&w, "Edit5")->setText(QStringLiteral("O'Neil \"路\""));
        // A photo over 2 MB is refused; a PNG is taken and stored as a bitmap.
        const QString big = writePicture(m_dir, "BMP", 2097153);
        PhotoPicker::setChooser([big] { return big; });
        child<QPushButton>(&w, "Button4")->click();
        QVERIFY(messages.last().startsWith(QStringLiteral("添加失败:图片文件不能超过2MB")));
        const QString png = writePicture(m_dir, "PNG");
        PhotoPicker::setChooser([png] { return png; });
        child<QPushButton>(&w, "Button4")->click();
        messages.clear();
        child<QPushButton>(&w, "Button1")->click();
        QCOMPARE(messages.texts, QStringList{QStringLiteral("保存完毕")});
        QCOMPARE(child<QLineEdit>(&w, "Edit1")->text(), QString()); // cleared for the next one

        QSqlQuery q = db.exec(QStringLiteral("select 读者姓名, py, 班级, 住址, pic, 登记人 from 读者库"));
        QVERIFY(q.next());
        QCOMPARE(q.value(1).toString(), QStringLiteral("ZSF"));
        QCOMPARE(q.value(2).toString(), QStringLiteral("三(2)班"));
        QCOMPARE(q.value(3).toString(), QStringLiteral("O'Neil \"路\""));
        QVERIFY(q.value(4).toByteArray().startsWith("BM"));
        QCOMPARE(q.value(5).toString(), QStringLiteral("王五"));
        q.finish();
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 收入 where 项目='开户费'")).toInt(), 1);

        // Kept values: the second save of the same number is the database's refusal.
        child<QCheckBox>(&w, "CheckBox1")->setChecked(false);
        child<QLineEdit>(&w, "Edit1")->setText(QStringLiteral("R2"));
        child<QLineEdit>(&w, "Edit2")->setText(QStringLiteral("李四"));
        messages.clear();
        child<QPushButton>(&w, "Button1")->click();
        child<QPushButton>(&w, "Button1")->click();
        QCOMPARE(messages.texts.size(), 2);
        QCOMPARE(messages.texts.first(), QStringLiteral("保存完毕"));
        QVERIFY(messages.texts.last() != QStringLiteral("保存完毕") && !messages.texts.last().isEmpty());
        QCOMPARE(child<QLineEdit>(&w, "Edit2")->text(), QStringLiteral("李四"));
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 读者库")).toInt(), 2);
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 收入")).toInt(), 2);
        QVERIFY(w.savedAny());
    }

    // The list on opening, rights, the hidden class column, and the search box.
    void managementSearch_data() { TestDatabase::addEngines(); }
    void managementSearch()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        MessageRecorder messages;
        LoginSession session = signedIn();
        session.rights.qxdel = false;
        {
            TRdSearchFm empty(db, session);
            QVERIFY(!child<QToolButton>(&empty, "ToolButton11")->isEnabled());
        }
        addReader(db, QStringLiteral("R2"), QStringLiteral("张三"), QStringLiteral("C-0002"));
        addReader(db, QStringLiteral("R1"), QStringLiteral("张三丰"), QStringLiteral("C-0001"));
        addReader(db, QStringLiteral("R3"), QStringLiteral("O'Neil"));
        TRdSearchFm w(db, session);
        w.show();
        GridWidget *grid = w.grid();
        QCOMPARE(listed(grid), (QStringList{"R1", "R2", "R3"}));
        QVERIFY(child<QToolButton>(&w, "ToolButton11")->isEnabled());
        QVERIFY(!child<QToolButton>(&w, "ToolButton3")->isEnabled());
        QVERIFY(child<QToolButton>(&w, "ToolButton1")->isEnabled());
        QVERIFY(!child<QDateEdit>(&w, "DTP1")->isEnabled());
        QCOMPARE(child<QDateEdit>(&w, "DTP2")->date(), DayClock::today().addDays(1));
        QCOMPARE(grid->footerText(QStringLiteral("读者编号")), QStringLiteral("3"));
        QVERIFY(!grid->visibleFields().contains(QStringLiteral("班级")));

        auto *field = child<QComboBox>(&w, "ComboBox1");
        auto *value = child<QLineEdit>(&w, "Edit1");
        // A swiped card lists its reader and leaves the box empty for the next card.
        field->setCurrentText(QStringLiteral("读者卡号"));
        value->setText(QStringLiteral("  C-0002 "));
        QTest::keyClick(value, Qt::Key_Return);
        QCOMPARE(listed(grid), QStringList{"R2"});
        QCOMPARE(value->text(), QString());
        // The hidden class column can still be searched.
        field->setCurrentText(QStringLiteral("班级"));
        value->setText(QStringLiteral("一"));
        child<QPushButton>(&w, "Button1")->click();
        QCOMPARE(listed(grid).size(), 3);
        field->setCurrentText(QStringLiteral("读者姓名"));
        child<QRadioButton>(&w, "RadioButton1")->setChecked(true);
        value->setText(QStringLiteral("张三"));
        child<QToolButton>(&w, "ToolButton8")->click();
        QCOMPARE(listed(grid), QStringList{"R2"});
        QVERIFY(messages.texts.isEmpty());

        // Refusals leave the list as it was.
        field->setEditText(QStringLiteral("名字"));
        child<QPushButton>(&w, "Button1")->click();
        QCOMPARE(messages.last(), QStringLiteral("读者库中没有字段\"名字\"!"));
        value->setText(QStringLiteral("   "));
        child<QPushButton>(&w, "Button1")->click();
        QCOMPARE(messages.last(), QStringLiteral("请填写好查询条件!"));
        QCOMPARE(value->text(), QString());
        QCOMPARE(listed(grid), QStringList{"R2"});

        // Blanks with the date range: everyone registered in it (today is inside).
        child<QCheckBox>(&w, "CheckBox1")->setChecked(true);
        QVERIFY(child<QDateEdit>(&w, "DTP1")->isEnabled());
        child<QPushButton>(&w, "Button1")->click();
        QStringList all = listed(grid);
        all.sort();
        QCOMPARE(all, (QStringList{"R1", "R2", "R3"}));
        child<QToolButton>(&w, "ToolButton5")->click();
        QCOMPARE(grid->rowCount(), 3);
    }

    // Delete asks with the reader's name and removes the row even with loans open.
    void managementDelete_data() { TestDatabase::addEngines(); }
    void managementDelete()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        MessageRecorder messages;
        LoginSession session = signedIn();
        addReader(db, QStringLiteral("R1"), QStringLiteral("张三"));
        addReader(db, QStringLiteral("R2"), QStringLiteral("李四"));
        db.exec(QStringLiteral("update 读者库 set 未还数量=1 where 读者编号='R2'"));
        TRdSearchFm w(db, session);
        w.grid()->locate(QStringLiteral("读者编号"), QStringLiteral("R2"));
        messages.answers.enqueue(false);
        child<QToolButton>(&w, "ToolButton3")->click();
        QCOMPARE(messages.last(), QStringLiteral("您是否要删除\" 李四\""));
        QCOMPARE(w.grid()->rowCount(), 2);
        child<QToolButton>(&w, "ToolButton3")->click();
        QCOMPARE(listed(w.grid()), QStringList{"R1"});
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 读者库")).toInt(), 1);
    }

    // Edit, state and top-up open on the current reader and the list shows the change.
    void windowsOnCurrentReader_data() { TestDatabase::addEngines(); }
    void windowsOnCurrentReader()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        MessageRecorder messages;
        LoginSession session = signedIn();
        addReader(db, QStringLiteral("R1"), QStringLiteral("张三"));
        addReader(db, QStringLiteral("R2"), QStringLiteral("李四"));
        db.exec(QStringLiteral("insert into 借出记录 (读者编号, 已还) values ('R2', '否')"));
        TRdSearchFm w(db, session);
        w.show();
        QVERIFY(w.grid()->locate(QStringLiteral("读者编号"), QStringLiteral("R2")));

        const QString jpeg = writePicture(m_dir, "JPEG");
        PhotoPicker::setChooser([jpeg] { return jpeg; });
        whenModal<TRdEditFm>([](TRdEditFm *e) {
            child<QPushButton>(e, "Button4")->click(); // 更改照片
            QCOMPARE(child<QLineEdit>(e, "DBEdit8")->text(), QStringLiteral("50"));
            QVERIFY(child<QLineEdit>(e, "DBEdit8")->isReadOnly());
            child<QLineEdit>(e, "DBEdit1")->setText(QStringLiteral("R9"));
            child<QLineEdit>(e, "DBEdit2")->setText(QStringLiteral("李思"));
            QCOMPARE(child<QLineEdit>(e, "DBEdit11")->text(), QStringLiteral("LS"));
            child<QPushButton>(e, "Button1")->click();
        });
        child<QToolButton>(&w, "ToolButton2")->click();
        QCOMPARE(listed(w.grid()), (QStringList{"R1", "R9"}));
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 借出记录 where 读者编号='R2'")).toInt(), 1);
        QVERIFY(db.scalar(QStringLiteral("select pic from 读者库 where 读者编号='R9'")).toByteArray().startsWith("BM"));

        QVERIFY(w.grid()->locate(QStringLiteral("读者编号"), QStringLiteral("R9")));
        whenModal<TChangeRdStateFm>([](TChangeRdStateFm *s) {
            QCOMPARE(child<QLineEdit>(s, "DBEdit2")->text(), QStringLiteral("李思"));
            child<QComboBox>(s, "DBComboBox1")->setCurrentText(QStringLiteral("停用"));
            child<QPlainTextEdit>(s, "Memo1")->setPlainText(QStringLiteral("挂失"));
            child<QPushButton>(s, "Button1")->click();
        });
        child<QToolButton>(&w, "ToolButton12")->click();
        QCOMPARE(w.grid()->value(QStringLiteral("状态")).toString(), QStringLiteral("停用"));
        QCOMPARE(db.scalar(QStringLiteral("select 说明 from 管理员日志")).toString(),
                 QStringLiteral("读者编号:R9,姓名:李思,状态改为:[停用],挂失"));

        whenModal<TRdChongZhiFm>([](TRdChongZhiFm *c) {
            QCOMPARE(child<QLineEdit>(c, "DBEdit1")->text(), QStringLiteral("R9"));
            auto *amount = child<QLineEdit>(c, "Edit1");
            amount->clear();
            QTest::keyClicks(amount, QStringLiteral("2x0-"));
            QCOMPARE(amount->text(), QStringLiteral("20"));
            child<QCheckBox>(c, "CheckBox1")->setChecked(true);
            QTest::keyClick(amount, Qt::Key_Return);
        });
        child<QToolButton>(&w, "ToolButton11")->click();
        QCOMPARE(messages.texts, QStringList{QStringLiteral("充值成功!")});
        QCOMPARE(Money::fromVariant(w.grid()->value(QStringLiteral("卡内金额"))).toString(), QStringLiteral("30"));
        QCOMPARE(Money::fromVariant(db.scalar(QStringLiteral("select 金额 from 收入"))).toString(), QStringLiteral("-20"));
    }

    // Library cards from the listed readers, with the library name and the back text.
    void cardsFromTheList()
    {
        if (!ExternalTools::available(QStringLiteral("pdftotext")))
            QSKIP("poppler-utils is not installed");
        OPEN_TEST_DATABASE(t, QStringLiteral("sqlite"));
        SharedConnection &db = t.db();
        MessageRecorder messages;
        LoginSession session = signedIn();
        db.exec(QStringLiteral("update 系统设置 set 借阅证背面文字=?"), {QStringLiteral("遗失请及时挂失")});
        addReader(db, QStringLiteral("R1"), QStringLiteral("张三"));
        addReader(db, QStringLiteral("R2"), QStringLiteral("李四"));
        TRdSearchFm w(db, session);
        w.show();
        const QString file = m_dir.filePath(QStringLiteral("cards.pdf"));
        whenModal<ReportPreviewDialog>([file](ReportPreviewDialog *p) {
            p->saveAsPdf(file);
            p->reject();
        });
        child<QToolButton>(&w, "ToolButton9")->click();
        QCOMPARE(ExternalTools::pdfPageCount(file), 2);
        const QString front = ExternalTools::pdfPageText(file, 1);
        QCOMPARE(front.count(QStringLiteral("城东图书馆")), 2);
        QVERIFY(front.contains(QStringLiteral("姓名:李四")));
        QCOMPARE(ExternalTools::pdfPageText(file, 2).count(QStringLiteral("遗失请及时挂失")), 2);
        QVERIFY(messages.texts.isEmpty());
    }

    // The export writes every field of the listed rows; a second reader reads them back.
    void exportList_data() { TestDatabase::addEngines(); }
    void exportList()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        MessageRecorder messages;
        LoginSession session = signedIn();
        addReader(db, QStringLiteral("R1"), QStringLiteral("张\"三'"));
        addReader(db, QStringLiteral("R2"), QStringLiteral("李四"));
        QTemporaryDir out;
        QString opened;
        ExcelExportUi::setFolder(out.path());
        ExcelExportUi::setOpener([&opened](const QString &f) {
            opened = f;
            return true;
        });
        TRdSearchFm w(db, session);
        child<QComboBox>(&w, "ComboBox1")->setCurrentText(QStringLiteral("读者姓名"));
        child<QLineEdit>(&w, "Edit1")->setText(QStringLiteral("张"));
        child<QPushButton>(&w, "Button1")->click();
        child<QToolButton>(&w, "ToolButton10")->click();
        ExcelExportUi::setFolder(QString());
        ExcelExportUi::setOpener({});
        QVERIFY(messages.texts.isEmpty());
        QVERIFY(QFile::exists(opened));

        const QString python = PythonScripts::interpreterWith(QStringLiteral("openpyxl"));
        if (python.isEmpty())
            QSKIP("no Python 3 with openpyxl to read the file back");
        QByteArray output;
        QString error;
        QVERIFY2(PythonScripts::run(python,
                                    {QStringLiteral("-c"),
                                     QStringLiteral("import sys,openpyxl\nws=openpyxl.load_workbook(sys.argv[1]).active\n"
                                                    "rows=list(ws.iter_rows(values_only=True))\n"
                                                    "print(len(rows)); print(rows[0][0], rows[0][19]); print(rows[1][1], rows[1][17])"),
                                     opened},
                                    &output, &error),
                 qPrintable(error));
        const QStringList lines = QString::fromUtf8(output).trimmed().split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), QStringLiteral("2"));
        QCOMPARE(lines.value(1), QStringLiteral("读者编号 CardId"));
        QCOMPARE(lines.value(2), QStringLiteral("张\"三' 50"));
    }
};

QTEST_MAIN(TestReaderWindows)
#include "tst_reader_windows.moc"
