// SPDX-License-Identifier: MIT
// The clean-up, backup and batch windows: their boxes, buttons, rows and messages.
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "maintenance/BackUpAccessUt.h"
#include "maintenance/BatchDataUt.h"
#include "maintenance/CleandataUt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {
template <typename W>
W *child(QWidget &window, const char *name)
{
    W *w = window.findChild<W *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

int count(const SharedConnection &db, const QString &sql)
{
    return db.scalar(sql).toInt();
}

// Shown offscreen, so that clicks land on laid-out controls.
template <typename W>
void showWindow(W &w)
{
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        qFatal("window not shown");
}

// A click on the check box's indicator.
void tick(QWidget &window, const char *box)
{
    QCheckBox *b = child<QCheckBox>(window, box);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

void click(QWidget &window, const char *button)
{
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

const char *const kCleanBoxes[] = {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4",
                                   "CheckBox5", "CheckBox6", "CheckBox7", "CheckBox9"};
} // namespace

class TestMaintenanceWindows : public QObject
{
    Q_OBJECT
private slots:
    void cleanSelectAll()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        QVERIFY(t.ok());
        TCleanDataFm w(t.db());
        showWindow(w);
        QCOMPARE(w.windowTitle(), QStringLiteral("清理数据"));
        for (const char *name : kCleanBoxes)
            QVERIFY(!child<QCheckBox>(w, name)->isChecked());
        tick(w, "CheckBox8");
        tick(w, "CheckBox4");
        int checked = 0;
        for (const char *name : kCleanBoxes)
            checked += child<QCheckBox>(w, name)->isChecked();
        QCOMPARE(checked, 7);
        QVERIFY(!child<QCheckBox>(w, "CheckBox4")->isChecked());
        tick(w, "CheckBox8");
        for (const char *name : kCleanBoxes)
            QVERIFY(!child<QCheckBox>(w, name)->isChecked());
    }

    void cleanPassword_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("typed");
        for (const char *e : {"sqlite", "postgresql"}) {
            const QString engine = QString::fromLatin1(e);
            QTest::newRow(qPrintable(engine + QStringLiteral(" wrong"))) << engine << false << QStringLiteral("qwpz1");
            QTest::newRow(qPrintable(engine + QStringLiteral(" cancelled"))) << engine << true << QString();
        }
    }
    void cleanPassword()
    {
        QFETCH(QString, engine);
        QFETCH(bool, cancel);
        QFETCH(QString, typed);
        OPEN_TEST_DATABASE(t, engine);
        t.db().exec(QStringLiteral("insert into 图书 (编号, 名称) values ('B1', '书')"));
        MessageRecorder messages;
        if (!cancel)
            messages.passwords.enqueue(typed);
        TCleanDataFm w(t.db());
        child<QCheckBox>(w, "CheckBox1")->setChecked(true);
        click(w, "Button1");
        QCOMPARE(messages.texts, (QStringList{QStringLiteral("请输入正确的密码"), QStringLiteral("密码错误!")}));
        QCOMPARE(w.result(), int(QDialog::Rejected)); // not closed by 确定
        QCOMPARE(count(t.db(), QStringLiteral("select count(*) from 图书")), 1);
    }

    void cleanRuns_data() { TestDatabase::addEngines(); }
    void cleanRuns()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        db.exec(QStringLiteral("insert into 图书 (编号, 名称) values ('B1', '书')"));
        db.exec(QStringLiteral("insert into 借出记录 (读者编号, 编号, 已还) values ('R1', 'B1', '是')"));
        db.exec(QStringLiteral("insert into 借出记录 (读者编号, 编号, 已还) values ('R1', 'B2', '否')"));
        MessageRecorder messages;
        messages.passwords.enqueue(QStringLiteral("qwpz"));
        TCleanDataFm w(db);
        child<QCheckBox>(w, "CheckBox6")->setChecked(true);
        child<QCheckBox>(w, "CheckBox9")->setChecked(true);
        child<QCheckBox>(w, "CheckBox1")->setChecked(true);
        click(w, "Button1");
        QCOMPARE(messages.texts, (QStringList{QStringLiteral("请输入正确的密码"), QStringLiteral("删除图书数据完毕!"),
                                              QStringLiteral("删除已还借阅记录数据完毕!"), QStringLiteral("删除出版社名完毕!")}));
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(count(db, QStringLiteral("select count(*) from 图书")), 0);
        QCOMPARE(count(db, QStringLiteral("select count(*) from 出版社名")), 0);
        QCOMPARE(count(db, QStringLiteral("select count(*) from 借出记录 where 已还='否'")), 1);
        QCOMPARE(count(db, QStringLiteral("select count(*) from 借出记录")), 1);
    }

    void backupWindow()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        QVERIFY(t.ok());
        t.db().exec(QStringLiteral("insert into 图书 (编号, 名称) values ('B1', '书')"));
        MessageRecorder messages;
        QTemporaryDir dir;
        TBackUpAccessFm w(t.db());
        QCOMPARE(w.windowTitle(), QStringLiteral("备份数据"));
        auto *folder = child<QLineEdit>(w, "FolderEdit");
        folder->setText(dir.path());
        emit folder->editingFinished();
        QCOMPARE(child<QListWidget>(w, "FileListBox1")->count(), 0);
        click(w, "Button1");
        QCOMPARE(messages.texts, QStringList{QStringLiteral("备份成功!")});
        const QStringList files = QDir(dir.path()).entryList({QStringLiteral("*备份.db")}, QDir::Files);
        QCOMPARE(files.size(), 1);
        QCOMPARE(child<QListWidget>(w, "FileListBox1")->count(), 1);
        QCOMPARE(child<QListWidget>(w, "FileListBox1")->item(0)->text(), files.first());
        QCOMPARE(w.windowTitle(), QStringLiteral("备份数据 ") + QDir::toNativeSeparators(QDir(dir.path()).filePath(files.first())));
        QVERIFY(t.db().isOpen());
        QCOMPARE(count(t.db(), QStringLiteral("select count(*) from 图书")), 1);

        messages.clear();
        folder->setText(dir.filePath(QStringLiteral("nosuch")));
        emit folder->editingFinished();
        click(w, "Button1");
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.last().startsWith(QStringLiteral("备份失败: ")), qPrintable(messages.last()));
    }

    void batchMove_data() { TestDatabase::addEngines(); }
    void batchMove()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        db.exec(QStringLiteral("insert into 存放位置 (存放位置名) values ('阅览室')"));
        db.exec(QStringLiteral("insert into 期刊 (编号, 名称, 存放位置) values ('Q1', '刊', '书库')"));
        db.exec(QStringLiteral("insert into 图书 (编号, 名称, 存放位置) values ('B1', '书', '书库')"));
        MessageRecorder messages;
        TBatchDataFm w(db);
        showWindow(w);
        QCOMPARE(w.windowTitle(), QStringLiteral("批处理"));
        auto *table = child<QComboBox>(w, "ComboBox1");
        auto *from = child<QComboBox>(w, "ComboBox2");
        auto *to = child<QComboBox>(w, "ComboBox3");
        QCOMPARE(table->currentText(), QStringLiteral("图书"));
        QVERIFY(!from->isEditable());
        QCOMPARE(from->count(), 2);
        QCOMPARE(from->currentIndex(), -1);

        click(w, "Button1");
        QCOMPARE(messages.texts, QStringList{QStringLiteral("请选择好再执行!")});

        messages.clear();
        table->setCurrentText(QStringLiteral("期刊"));
        from->setCurrentText(QStringLiteral("书库"));
        to->setCurrentText(QStringLiteral("阅览室"));
        click(w, "Button1");
        const QString q = engine == QLatin1String("sqlite") ? QStringLiteral("\"") : QStringLiteral("'");
        QCOMPARE(messages.texts, (QStringList{QStringLiteral("update 期刊 set 存放位置=%1阅览室%1 where 存放位置=%1书库%1").arg(q),
                                              QStringLiteral("完成!")}));
        QCOMPARE(count(db, QStringLiteral("select count(*) from 期刊 where 存放位置='阅览室'")), 1);
        QCOMPARE(count(db, QStringLiteral("select count(*) from 图书 where 存放位置='书库'")), 1);
        click(w, "Button3");
        QCOMPARE(w.result(), int(QDialog::Accepted));
    }

    void batchReaders_data() { TestDatabase::addEngines(); }
    void batchReaders()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        db.exec(QStringLiteral("insert into 单位名称 (单位名称) values ('外单位')"));
        db.exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名, 单位部门, CardId) values ('R1', '甲', '本单位', 'C1')"));
        db.exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名, 单位部门) values ('R2', '乙', '本单位')"));
        db.exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名, 单位部门) values ('R3', '丙', '外单位')"));
        MessageRecorder messages;
        TBatchDataFm w(db);
        showWindow(w);
        child<QTabWidget>(w, "PageControl1")->setCurrentIndex(1);
        auto *unitBox = child<QCheckBox>(w, "CheckBox3");
        auto *units = child<QComboBox>(w, "ComboBox6");
        QVERIFY(!units->isEnabled());
        unitBox->setChecked(true);
        QVERIFY(units->isEnabled());
        QCOMPARE(units->count(), 2);

        click(w, "Button2"); // ticked without a choice: nothing happens
        QVERIFY(messages.texts.isEmpty());

        units->setCurrentText(QStringLiteral("本单位"));
        const QString q = engine == QLatin1String("sqlite") ? QStringLiteral("\"") : QStringLiteral("'");
        const QString question = QStringLiteral("delete from 读者库 where 单位部门=%1本单位%1\n\n将删除 2 位读者, 确定要删除吗?").arg(q);
        messages.answers.enqueue(false);
        click(w, "Button2");
        QCOMPARE(messages.texts, QStringList{question});
        QCOMPARE(count(db, QStringLiteral("select count(*) from 读者库")), 3);

        messages.clear();
        click(w, "Button2");
        QCOMPARE(messages.texts, (QStringList{question, QStringLiteral("完成! 删除了 2 位读者.")}));
        QCOMPARE(count(db, QStringLiteral("select count(*) from 读者库")), 1);

        messages.clear();
        click(w, "Button2");
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(messages.last().endsWith(QStringLiteral("没有符合条件的读者.")));
    }
};

QTEST_MAIN(TestMaintenanceWindows)
#include "tst_maintenance_windows.moc"
