// SPDX-License-Identifier: MIT
// The network lookup window: a lookup served by a local catalogue fills the boxes of
// the window it stands beside and adds a list row; not found, not configured, a
// silent server and the start page give their messages; it closes with its owner.
#include "MessageRecorder.h"
#include "OpacTestServer.h"
#include "TestDatabase.h"
#include "catalogue/BkAddUt.h"
#include "catalogue/CatalogueLookup.h"
#include "catalogue/MyNetTmUt.h"
#include "foundation/LoginSession.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {
// The boxes the registration window offers the lookup, under their names.
class RegistrationBoxes : public QWidget
{
public:
    RegistrationBoxes()
    {
        auto *form = new QFormLayout(this);
        for (const char *name : {"Edit2", "Edit5", "Edit8", "Edit3", "Edit21", "Edit16", "Edit7"}) {
            auto *e = new QLineEdit(this);
            e->setObjectName(QString::fromLatin1(name));
            form->addRow(QString::fromLatin1(name), e);
        }
        auto *publisher = new QComboBox(this);
        publisher->setObjectName(QStringLiteral("ComboBox3"));
        publisher->setEditable(true);
        form->addRow(QStringLiteral("ComboBox3"), publisher);
        auto *memo = new QPlainTextEdit(this);
        memo->setObjectName(QStringLiteral("Memo1"));
        form->addRow(QStringLiteral("Memo1"), memo);
        box("Edit3")->setText(QStringLiteral("n"));
        box("Edit7")->setText(QStringLiteral("0"));
        connect(box("Edit3"), &QLineEdit::textChanged, this, [this] { ++barcodeReactions; });
        connect(box("Edit2"), &QLineEdit::textChanged, this, [this](const QString &t) { pinyinFor = t; });
    }
    QLineEdit *box(const char *name) const { return findChild<QLineEdit *>(QString::fromLatin1(name)); }
    QString publisher() const { return findChild<QComboBox *>(QStringLiteral("ComboBox3"))->currentText(); }
    QString memo() const { return findChild<QPlainTextEdit *>(QStringLiteral("Memo1"))->toPlainText(); }
    int barcodeReactions = 0;
    QString pinyinFor;
};

QPushButton *button(QWidget *w, const char *name)
{
    return w->findChild<QPushButton *>(QString::fromLatin1(name));
}
} // namespace

class TestNetLookupWindow : public QObject
{
    Q_OBJECT
private slots:
    void foundFillsTheBoxes()
    {
        OpacTestServer server;
        MessageRecorder messages;
        RegistrationBoxes reg;
        reg.show();
        auto *w = new TMyNetTmFm(&reg, server.baseUrl());
        w->show();
        QCOMPARE(w->windowTitle(), QStringLiteral("联网录入 2010"));
        auto *isbn = w->findChild<QLineEdit *>(QStringLiteral("BookNum"));
        QCOMPARE(isbn->text(), QStringLiteral("9787506042536"));
        isbn->setText(QStringLiteral("9787302023685 "));
        QTest::keyClick(isbn, Qt::Key_Return);
        auto *list = w->findChild<QTreeWidget *>(QStringLiteral("ListView1"));
        QTRY_COMPARE(list->topLevelItemCount(), 1);
        QVERIFY(button(w, "Button4")->isEnabled());
        QVERIFY(messages.texts.isEmpty());
        QCOMPARE(server.requests.value(0).target,
                 QByteArray("/F?func=find-b&find_code=ISB&request=9787302023685&local_base=NLC01"));

        QCOMPARE(reg.box("Edit2")->text(), QStringLiteral("数据结构"));
        QCOMPARE(reg.pinyinFor, QStringLiteral("数据结构"));
        QCOMPARE(reg.box("Edit5")->text(), QStringLiteral("TP311.12"));
        QCOMPARE(reg.box("Edit8")->text(), QStringLiteral("严蔚敏,吴伟民编著"));
        QCOMPARE(reg.publisher(), QStringLiteral("清华大学出版社"));
        QCOMPARE(reg.box("Edit3")->text(), QStringLiteral("9787302023685 ")); // untrimmed, as typed
        QCOMPARE(reg.barcodeReactions, 0);
        QCOMPARE(reg.memo(), QStringLiteral("本书系统地介绍了各种数据结构, 并用C语言描述了算法."));
        QCOMPARE(reg.box("Edit21")->text(), QStringLiteral("1997"));
        QCOMPARE(reg.box("Edit16")->text(), QStringLiteral("334"));
        QCOMPARE(reg.box("Edit7")->text(), QStringLiteral("25"));
        const QTreeWidgetItem *row = list->topLevelItem(0);
        QStringList cells;
        for (int c = 0; c < row->columnCount(); ++c)
            cells << row->text(c);
        QCOMPARE(cells, (QStringList{QStringLiteral("数据结构"), QStringLiteral("严蔚敏,吴伟民编著"), QStringLiteral("TP311.12"),
                                     QStringLiteral("清华大学出版社"), QStringLiteral("1997"), QStringLiteral("25.00"),
                                     QStringLiteral("334"), QStringLiteral("本书系统地介绍了各种数据结构, 并用C语言描述了算法.")}));
        QCOMPARE(isbn->selectedText(), isbn->text());

        // A second lookup adds a row; a record without "[专著]" leaves the title empty.
        isbn->setText(QStringLiteral("9787505389386"));
        QTest::mouseClick(button(w, "Button4"), Qt::LeftButton);
        QTRY_COMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(reg.box("Edit2")->text(), QString());
        QCOMPARE(reg.box("Edit8")->text(), QStringLiteral("谢希仁编著"));
        QCOMPARE(reg.box("Edit7")->text(), QStringLiteral("32.5"));
    }

    void notFoundChangesNothing_data()
    {
        QTest::addColumn<QString>("isbn");
        QTest::newRow("not held") << "9787000000000";
        QTest::newRow("server never answers") << "9999999999999";
    }
    void notFoundChangesNothing()
    {
        QFETCH(QString, isbn);
        OpacTestServer server;
        MessageRecorder messages;
        RegistrationBoxes reg;
        auto *w = new TMyNetTmFm(&reg, server.baseUrl());
        w->lookup()->setTimeout(700);
        w->findChild<QLineEdit *>(QStringLiteral("BookNum"))->setText(isbn);
        QTest::mouseClick(button(w, "Button4"), Qt::LeftButton);
        QVERIFY(!button(w, "Button4")->isEnabled()); // while the request runs
        QTRY_COMPARE_WITH_TIMEOUT(messages.texts.size(), 1, 5000);
        QCOMPARE(messages.texts.first(), isbn + QStringLiteral(" 查不到,请检查条码是否正确,或网络是否通畅!"));
        QVERIFY(button(w, "Button4")->isEnabled());
        QCOMPARE(reg.box("Edit3")->text(), QStringLiteral("n"));
        QCOMPARE(reg.box("Edit7")->text(), QStringLiteral("0"));
        QCOMPARE(w->findChild<QTreeWidget *>(QStringLiteral("ListView1"))->topLevelItemCount(), 0);
    }

    void startPage()
    {
        OpacTestServer server;
        MessageRecorder messages;
        RegistrationBoxes reg;
        auto *w = new TMyNetTmFm(&reg, server.baseUrl());
        QTest::mouseClick(button(w, "Button1"), Qt::LeftButton);
        QTRY_COMPARE(messages.texts, QStringList{QStringLiteral("连接成功,可以联网获取资料!")});
        QCOMPARE(server.requests.value(0).target, QByteArray("/F"));
        QCOMPARE(server.requests.value(0).userAgent, QByteArray("Internet Explorer 6.0"));
    }

    void notConfigured()
    {
        MessageRecorder messages;
        RegistrationBoxes reg;
        auto *w = new TMyNetTmFm(&reg, QString()); // de.ini beside the test has no OpacUrl
        QVERIFY(w->lookup()->baseUrl().isEmpty());
        QCOMPARE(w->findChild<QLabel *>(QStringLiteral("StatusLabel"))->text(), CatalogueLookup::notConfiguredMessage());
        QTest::mouseClick(button(w, "Button4"), Qt::LeftButton);
        QTest::mouseClick(button(w, "Button1"), Qt::LeftButton);
        QCOMPARE(messages.texts, (QStringList{CatalogueLookup::notConfiguredMessage(), CatalogueLookup::notConfiguredMessage()}));
        QCOMPARE(reg.box("Edit3")->text(), QStringLiteral("n"));
    }

    // From the book registration window: its button opens the one lookup window, whose
    // lookup fills the registration boxes, the pinyin included, without the barcode's
    // reactions (the ISBN-10 box stays as it was).
    void fromBookRegistration()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        QVERIFY(t.ok());
        OpacTestServer server;
        MessageRecorder messages;
        LoginSession session;
        session.OperatorName = QStringLiteral("小王");
        auto *reg = new TBkAddFm(t.db(), session);
        reg->show();
        QPushButton *open = button(reg, "Button4");
        QVERIFY(open->isVisible());
        QCOMPARE(open->text(), QStringLiteral("联网录入"));
        QTest::mouseClick(open, Qt::LeftButton);
        QTest::mouseClick(open, Qt::LeftButton);
        QCOMPARE(reg->findChildren<TMyNetTmFm *>().size(), 1);
        QPointer<TMyNetTmFm> w = reg->findChild<TMyNetTmFm *>();
        QVERIFY(w->isVisible());
        w->lookup()->setBaseUrl(server.baseUrl());
        const QString isbn10Before = reg->findChild<QLineEdit *>(QStringLiteral("Edit10"))->text();
        w->findChild<QLineEdit *>(QStringLiteral("BookNum"))->setText(QStringLiteral("9787302023685"));
        QTest::mouseClick(button(w, "Button4"), Qt::LeftButton);
        QTRY_COMPARE(w->findChild<QTreeWidget *>(QStringLiteral("ListView1"))->topLevelItemCount(), 1);
        QCOMPARE(reg->findChild<QPlainTextEdit *>(QStringLiteral("Edit2"))->toPlainText(), QStringLiteral("数据结构"));
        QCOMPARE(reg->findChild<QLineEdit *>(QStringLiteral("Edit13"))->text().trimmed(), QStringLiteral("SJJG"));
        QCOMPARE(reg->findChild<QLineEdit *>(QStringLiteral("Edit3"))->text(), QStringLiteral("9787302023685"));
        QCOMPARE(reg->findChild<QLineEdit *>(QStringLiteral("Edit10"))->text(), isbn10Before);
        QCOMPARE(reg->findChild<QLineEdit *>(QStringLiteral("Edit7"))->text(), QStringLiteral("25"));
        QCOMPARE(reg->findChild<QLineEdit *>(QStringLiteral("Edit21"))->text(), QStringLiteral("1997"));
        QCOMPARE(reg->findChild<QComboBox *>(QStringLiteral("ComboBox3"))->currentText(), QStringLiteral("清华大学出版社"));
        delete reg;
        QVERIFY(w.isNull());
    }

    void closesWithItsOwner()
    {
        auto *reg = new RegistrationBoxes;
        QPointer<TMyNetTmFm> w = new TMyNetTmFm(reg, QStringLiteral("http://127.0.0.1:1/F"));
        w->show();
        delete reg;
        QVERIFY(w.isNull());
        // 退出 closes and deletes it.
        RegistrationBoxes other;
        QPointer<TMyNetTmFm> v = new TMyNetTmFm(&other, QStringLiteral("http://127.0.0.1:1/F"));
        v->show();
        QTest::mouseClick(button(v, "Button3"), Qt::LeftButton);
        QTRY_VERIFY(v.isNull());
    }
};

QTEST_MAIN(TestNetLookupWindow)
#include "tst_net_lookup_window.moc"
