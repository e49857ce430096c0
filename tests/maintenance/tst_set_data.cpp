// SPDX-License-Identifier: MIT
// The database settings window: the two choices, the connection test on a connection
// of its own with the password masked, and what 保存 writes to de.ini.
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "foundation/AppConfig.h"
#include "foundation/IniFile.h"
#include "foundation/LoginSession.h"
#include "maintenance/SetDataUt.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

class TestSetData : public QObject
{
    Q_OBJECT

    static QPushButton *button(QWidget &w, const char *name) { return w.findChild<QPushButton *>(QString::fromLatin1(name)); }
    static QLineEdit *edit(QWidget &w, const char *name) { return w.findChild<QLineEdit *>(QString::fromLatin1(name)); }

private slots:
    void embeddedChoiceSavesAtOnce()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("de.ini"));
        IniFile(ini).write(QStringLiteral("part1"), QStringLiteral("ServerName"), QStringLiteral(" db1 "));
        MessageRecorder messages;
        LoginSession s; // dialect "a"
        TSetDataFm w(s, nullptr, ini);
        w.show();
        QVERIFY(w.findChild<QRadioButton *>(QStringLiteral("RadioButton1"))->isChecked());
        QVERIFY(!w.findChild<QGroupBox *>(QStringLiteral("GroupBox1"))->isVisible());
        QVERIFY(button(w, "Button1")->isEnabled());
        QCOMPARE(w.findChild<QComboBox *>(QStringLiteral("ComboBox1"))->currentText(), QStringLiteral("db1"));
        QCOMPARE(edit(w, "Edit2")->text(), QStringLiteral("0"));
        button(w, "Button1")->click();
        QCOMPARE(messages.texts, QStringList{QStringLiteral("软件重启后生效!")});
        const AppConfig c = AppConfig::read(ini);
        QCOMPARE(c.abc, QStringLiteral("a"));
        QCOMPARE(c.serverName, QStringLiteral("db1"));
        QCOMPARE(c.dataBaseName, QStringLiteral("0"));
        // Saved without a test: the window's initial server string.
        QVERIFY(c.cs.startsWith(QStringLiteral("Provider=PostgreSQL;Password=;")));
    }

    void serverChoiceNeedsASuccessfulTest()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("de.ini"));
        MessageRecorder messages;
        LoginSession s;
        s.config.abc = QStringLiteral("s");
        TSetDataFm w(s, nullptr, ini);
        w.show();
        QVERIFY(w.findChild<QRadioButton *>(QStringLiteral("RadioButton2"))->isChecked());
        QVERIFY(w.findChild<QGroupBox *>(QStringLiteral("GroupBox1"))->isVisible());
        QVERIFY(!button(w, "Button1")->isEnabled());
        // A server that is not there.
        w.findChild<QComboBox *>(QStringLiteral("ComboBox1"))->setEditText(QStringLiteral("127.0.0.1:1"));
        edit(w, "Edit2")->setText(QStringLiteral("book"));
        edit(w, "Edit3")->setText(QStringLiteral("lib"));
        edit(w, "Edit4")->setText(QStringLiteral("secret-pw"));
        button(w, "Button2")->click();
        QCOMPARE(messages.texts.size(), 2);
        QVERIFY(messages.texts[0].startsWith(QStringLiteral("Provider=PostgreSQL;Password=******;")));
        QVERIFY(!messages.texts[0].contains(QStringLiteral("secret-pw")));
        QVERIFY(messages.texts[1].startsWith(QStringLiteral("连接失败")));
        QVERIFY(!button(w, "Button1")->isEnabled());
        // Switching to the embedded file enables 保存 at once.
        w.findChild<QRadioButton *>(QStringLiteral("RadioButton1"))->setChecked(true);
        QVERIFY(button(w, "Button1")->isEnabled());
    }

    void successfulTestIsSaved()
    {
        const QString admin = qEnvironmentVariable("BOOK_TEST_PG");
        if (admin.isEmpty())
            QSKIP("BOOK_TEST_PG is not set");
        const ConnectionSettings a = ConnectionSettings::parse(admin);
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("de.ini"));
        MessageRecorder messages;
        LoginSession s;
        s.config.abc = QStringLiteral("s");
        TSetDataFm w(s, nullptr, ini);
        w.findChild<QComboBox *>(QStringLiteral("ComboBox1"))->setEditText(a.value(QStringLiteral("Data Source")));
        edit(w, "Edit2")->setText(a.databaseName());
        edit(w, "Edit3")->setText(a.user());
        edit(w, "Edit4")->setText(a.password());
        button(w, "Button2")->click();
        QCOMPARE(messages.texts.value(1), QStringLiteral("连接成功!"));
        QVERIFY(button(w, "Button1")->isEnabled());
        button(w, "Button1")->click();
        const AppConfig c = AppConfig::read(ini);
        QCOMPARE(c.abc, QStringLiteral("s"));
        QCOMPARE(c.cs, ConnectionSettings::serverString(a.password(), a.user(), a.databaseName(),
                                                        a.value(QStringLiteral("Data Source"))));
        QCOMPARE(c.connectionString(), c.cs);
    }

    void exitSaysRestart()
    {
        QTemporaryDir dir;
        MessageRecorder messages;
        LoginSession s;
        TSetDataFm w(s, nullptr, dir.filePath(QStringLiteral("de.ini")));
        button(w, "Button3")->click();
        QCOMPARE(messages.texts, QStringList{QStringLiteral("软件重启后生效!")});
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("de.ini"))));
    }
};

QTEST_MAIN(TestSetData)
#include "tst_set_data.moc"
