// SPDX-License-Identifier: MIT
// The main window keeps its one charge window: hidden after use, never destroyed, so the
// next use shows the entries of the previous one.
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "foundation/LoginSession.h"
#include "readers/ShouFeiUt.h"
#include "session/MainUt.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestMainChargeWindow : public QObject
{
    Q_OBJECT

    // Acts on the charge window once the command has opened it modally.
    static void onChargeWindow(const std::function<void(TShouFeiFm *)> &act)
    {
        QTimer::singleShot(0, [act] {
            auto *w = qobject_cast<TShouFeiFm *>(QApplication::activeModalWidget());
            QVERIFY(w);
            act(w);
        });
    }

private slots:
    void keptBetweenUses()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        MessageRecorder messages;
        LoginSession s;
        s.OperatorName = QStringLiteral("小王");
        TMainFm window(t.db(), s);
        QAction *charge = window.command(QStringLiteral("收费"));
        QVERIFY(charge && charge->isEnabled());

        TShouFeiFm *first = nullptr;
        onChargeWindow([&first](TShouFeiFm *w) {
            first = w;
            w->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("7"));
            w->findChild<QPushButton *>(QStringLiteral("Button2"))->click(); // 取消
        });
        charge->trigger();
        QVERIFY(first);
        TShouFeiFm *second = nullptr;
        QString kept;
        onChargeWindow([&second, &kept](TShouFeiFm *w) {
            second = w;
            kept = w->findChild<QLineEdit *>(QStringLiteral("Edit1"))->text();
            w->findChild<QPushButton *>(QStringLiteral("Button1"))->click(); // 确定
        });
        charge->trigger();
        QCOMPARE(second, first);
        QCOMPARE(kept, QStringLiteral("7"));
        QCOMPARE(window.findChildren<TShouFeiFm *>().size(), 1);
        QCOMPARE(t.db().scalar(QStringLiteral("select 金额 from 收入")).toInt(), 7);
    }
};

QTEST_MAIN(TestMainChargeWindow)
#include "tst_main_charge_window.moc"
