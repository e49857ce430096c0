// SPDX-License-Identifier: MIT
// The library settings window: the boxes show the row, 保存 writes it with one true
// column per radio group and the two ini switches, the required 开户费 stops it, and
// 取消 writes nothing.
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "foundation/IniFile.h"
#include "foundation/LoginSession.h"
#include "foundation/SqlValues.h"
#include "maintenance/SysInfoSetUt.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
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

QVariant column(const SharedConnection &db, const QString &name)
{
    return db.scalar(QStringLiteral("select %1 from 系统设置").arg(name));
}

QByteArray fileText(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
} // namespace

class TestSettingsWindow : public QObject
{
    Q_OBJECT
private slots:
    void opensWithTheRow_data() { TestDatabase::addEngines(); }
    void opensWithTheRow()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        t.db().exec(QStringLiteral("update 系统设置 set 归还焦点条形码=?, 归还焦点读者编号=?, 开户费=?"), {true, true, QStringLiteral("2.5")});
        LoginSession s;
        s.config.bcCc = QStringLiteral("1");
        s.config.remindYN = QStringLiteral("0");
        QTemporaryDir dir;
        TSysInfoSetFm w(t.db(), s, nullptr, dir.filePath(QStringLiteral("de.ini")));
        QCOMPARE(w.windowTitle(), QStringLiteral("系统设置"));
        QCOMPARE(child<QLineEdit>(w, "LibraryNameEdit")->text(), QStringLiteral("图书馆"));
        QCOMPARE(child<QLineEdit>(w, "FineEdit")->text(), QStringLiteral("0.1"));
        QCOMPARE(child<QLineEdit>(w, "FeeEdit")->text(), QStringLiteral("2.5"));
        QCOMPARE(child<QLineEdit>(w, "A1Edit")->text(), QStringLiteral("密级"));
        // Of several true columns the last in reading order is checked.
        QVERIFY(child<QRadioButton>(w, "ReturnReaderNumberRadio")->isChecked());
        QVERIFY(!child<QRadioButton>(w, "ReturnBarcodeRadio")->isChecked());
        QVERIFY(child<QRadioButton>(w, "LendNumberRadio")->isChecked());
        QVERIFY(child<QCheckBox>(w, "ReservationCheck")->isChecked());
        QVERIFY(!child<QCheckBox>(w, "ShowClassCheck")->isChecked());
        QVERIFY(child<QCheckBox>(w, "BarcodeRepeatCheck")->isChecked());
        QVERIFY(!child<QCheckBox>(w, "RemindCheck")->isChecked());
        QVERIFY(child<QCheckBox>(w, "DepositCheck")->isHidden());
    }

    void saveWritesRowAndIni_data() { TestDatabase::addEngines(); }
    void saveWritesRowAndIni()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        MessageRecorder messages;
        LoginSession s;
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("de.ini"));
        QFile f(ini);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[part1]\nabc=a\n");
        f.close();
        TSysInfoSetFm w(t.db(), s, nullptr, ini);
        child<QLineEdit>(w, "LibraryNameEdit")->setText(QStringLiteral("星光 \"图书\" 馆"));
        child<QLineEdit>(w, "FeeEdit")->setText(QStringLiteral("10"));
        child<QLineEdit>(w, "A1Edit")->setText(QString());
        child<QRadioButton>(w, "ReturnBarcodeRadio")->setChecked(true);
        child<QRadioButton>(w, "LendBarcodeRadio")->setChecked(true);
        child<QCheckBox>(w, "ShowClassCheck")->setChecked(true);
        child<QCheckBox>(w, "RemindCheck")->setChecked(true);
        child<QPlainTextEdit>(w, "CardBackMemo")->setPlainText(QStringLiteral("爱护图书"));
        QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);

        QCOMPARE(messages.texts, QStringList{QStringLiteral("新的设置重启软件后生效!")});
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(column(t.db(), QStringLiteral("图书馆名")).toString(), QStringLiteral("星光 \"图书\" 馆"));
        QCOMPARE(column(t.db(), QStringLiteral("a1")).toString(), QStringLiteral("密级"));
        QCOMPARE(column(t.db(), QStringLiteral("借阅证背面文字")).toString(), QStringLiteral("爱护图书"));
        QVERIFY(SqlValues::toBool(column(t.db(), QStringLiteral("显示班级"))));
        QVERIFY(SqlValues::toBool(column(t.db(), QStringLiteral("归还焦点条形码"))));
        QVERIFY(!SqlValues::toBool(column(t.db(), QStringLiteral("归还焦点图书编号"))));
        QVERIFY(!SqlValues::toBool(column(t.db(), QStringLiteral("借阅焦点编号"))));
        QVERIFY(SqlValues::toBool(column(t.db(), QStringLiteral("借阅焦点条形码"))));
        const IniFile back(ini);
        QCOMPARE(back.read(QStringLiteral("part1"), QStringLiteral("RemindYN"), QString()), QStringLiteral("1"));
        QCOMPARE(back.read(QStringLiteral("part1"), QStringLiteral("BcCc"), QString()), QStringLiteral("0"));
        QCOMPARE(back.read(QStringLiteral("part1"), QStringLiteral("abc"), QString()), QStringLiteral("a"));
    }

    void feeRequired_data() { TestDatabase::addEngines(); }
    void feeRequired()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        MessageRecorder messages;
        LoginSession s;
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("de.ini"));
        TSysInfoSetFm w(t.db(), s, nullptr, ini);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        child<QLineEdit>(w, "LibraryNameEdit")->setText(QStringLiteral("改了"));
        child<QLineEdit>(w, "FeeEdit")->clear();
        QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("开户费必须填写, \" 0 \" 代表不收取.")});
        QVERIFY(w.isVisible());
        QCOMPARE(w.focusWidget(), child<QLineEdit>(w, "FeeEdit"));
        QCOMPARE(column(t.db(), QStringLiteral("图书馆名")).toString(), QStringLiteral("图书馆"));
        QVERIFY(!QFile::exists(ini));
    }

    void cancelWritesNothing()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        QVERIFY(t.ok());
        MessageRecorder messages;
        LoginSession s;
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("de.ini"));
        QFile f(ini);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[part1]\nRemindYN=0\n");
        f.close();
        TSysInfoSetFm w(t.db(), s, nullptr, ini);
        child<QLineEdit>(w, "LibraryNameEdit")->setText(QStringLiteral("改了"));
        child<QCheckBox>(w, "RemindCheck")->setChecked(true);
        QTest::mouseClick(child<QPushButton>(w, "Button2"), Qt::LeftButton);
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QVERIFY(messages.texts.isEmpty());
        QCOMPARE(column(t.db(), QStringLiteral("图书馆名")).toString(), QStringLiteral("图书馆"));
        QCOMPARE(fileText(ini), QByteArray("[part1]\nRemindYN=0\n"));
    }
};

QTEST_MAIN(TestSettingsWindow)
#include "tst_settings_window.moc"
