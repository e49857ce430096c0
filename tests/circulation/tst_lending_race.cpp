// SPDX-License-Identifier: MIT
// Several workstations lending the last copy at the same moment, on both engines:
// exactly one loan is written, stock ends at 0, the others hear "数量不足.".
#include "CirculationFixtures.h"
#include "TestDatabase.h"
#include "circulation/LendingDesk.h"

#include <QProcess>
#include <QTest>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

using namespace Fixture;

namespace {
// Lets the threads go at once, after each has loaded its reader and listed the item.
class StartLine
{
public:
    explicit StartLine(int n) : m_waiting(n) {}
    void arriveAndWait()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (--m_waiting == 0)
            m_cv.notify_all();
        else
            m_cv.wait(lock, [this] { return m_waiting == 0; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    int m_waiting;
};

const int kCounters = 4;
const int kRounds = 5;
} // namespace

class TestLendingRace : public QObject
{
    Q_OBJECT

    void prepare(SharedConnection &db, int round)
    {
        for (int i = 0; i < kCounters; ++i)
            reader(db, QStringLiteral("R%1-%2").arg(round).arg(i));
        item(db, QStringLiteral("LAST%1").arg(round), QStringLiteral("名称=孤本"));
    }

    void checkOneLoan(SharedConnection &db, int round)
    {
        const QString number = QStringLiteral("LAST%1").arg(round);
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 借出记录 where 编号=?"), {number}).toInt(), 1);
        QCOMPARE(cell(db, QStringLiteral("图书"), QStringLiteral("数量"), QStringLiteral("编号=?"), {number}), QStringLiteral("0"));
        QCOMPARE(cell(db, QStringLiteral("图书"), QStringLiteral("借出次数"), QStringLiteral("编号=?"), {number}), QStringLiteral("1"));
        QCOMPARE(db.scalar(QStringLiteral("select sum(未还数量) from 读者库 where 读者编号 like ?"),
                           {QStringLiteral("R%1-%").arg(round)})
                     .toInt(),
                 1);
    }

private slots:
    void init() { DayClock::setToday(day()); }
    void cleanup() { DayClock::setToday(QDate()); }

    // Each counter on its own connection in its own thread, as separate workstations.
    void lastCopyFromSeveralConnections_data() { TestDatabase::addEngines(); }
    void lastCopyFromSeveralConnections()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        const LoginSession s = session();
        for (int round = 0; round < kRounds; ++round) {
            prepare(db, round);
            StartLine start(kCounters);
            std::mutex resultsMutex;
            QStringList messages;
            std::vector<std::thread> counters;
            for (int i = 0; i < kCounters; ++i) {
                counters.emplace_back([&, i] {
                    SharedConnection own(QStringLiteral("race-%1-%2").arg(round).arg(i));
                    QString error;
                    QString message;
                    if (!own.open(ConnectionSettings::parse(t.connectionString()), &error)) {
                        message = QStringLiteral("open: ") + error;
                        start.arriveAndWait();
                    } else {
                        LendingDesk desk(own, s);
                        desk.lookUpReader(QStringLiteral("R%1-%2").arg(round).arg(i));
                        const auto found = desk.findItems(ItemTable::Book, ItemKey::Number, QStringLiteral("LAST%1").arg(round));
                        if (!found.rows.isEmpty())
                            desk.admit(found.rows.first());
                        start.arriveAndWait();
                        message = desk.lend(false).message;
                    }
                    std::lock_guard<std::mutex> lock(resultsMutex);
                    messages << message;
                });
            }
            for (std::thread &c : counters)
                c.join();
            messages.sort();
            QCOMPARE(messages.count(QStringLiteral("借阅完毕!")), 1);
            QCOMPARE(messages.count(QStringLiteral("数量不足. 编号: LAST%1, 名称: 孤本").arg(round)), kCounters - 1);
            checkOneLoan(db, round);
        }
    }

    // Separate processes (bookctl), started together.
    void lastCopyFromSeveralProcesses_data() { TestDatabase::addEngines(); }
    void lastCopyFromSeveralProcesses()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        for (int round = 0; round < kRounds; ++round) {
            prepare(db, round);
            std::vector<std::unique_ptr<QProcess>> processes;
            for (int i = 0; i < kCounters; ++i) {
                auto p = std::make_unique<QProcess>();
                p->setProgram(QStringLiteral(BOOKCTL_PATH));
                p->setArguments({QStringLiteral("--connect"), t.connectionString(), QStringLiteral("--today"),
                                 QStringLiteral("2024-03-15"), QStringLiteral("lend"), QStringLiteral("--operator"),
                                 QStringLiteral("超级管理员"), QStringLiteral("--reader"),
                                 QStringLiteral("R%1-%2").arg(round).arg(i), QStringLiteral("LAST%1").arg(round)});
                processes.push_back(std::move(p));
            }
            for (auto &p : processes)
                p->start();
            int lent = 0, refused = 0;
            for (auto &p : processes) {
                QVERIFY(p->waitForFinished(30000));
                const QByteArray out = p->readAllStandardOutput();
                if (p->exitCode() == 0) {
                    ++lent;
                } else {
                    QCOMPARE(p->exitCode(), 1);
                    QVERIFY2(QString::fromUtf8(out).contains(QStringLiteral("数量不足.")), out.constData());
                    ++refused;
                }
            }
            QCOMPARE(lent, 1);
            QCOMPARE(refused, kCounters - 1);
            checkOneLoan(db, round);
        }
    }
};

QTEST_GUILESS_MAIN(TestLendingRace)
#include "tst_lending_race.moc"
