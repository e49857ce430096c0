// SPDX-License-Identifier: MIT
#include "StressWorker.h"
#include "StressWorld.h"

#include "circulation/LendingDesk.h"
#include "circulation/RenewalDesk.h"
#include "circulation/ReturnDesk.h"
#include "foundation/DayClock.h"
#include "foundation/LoginSession.h"
#include "foundation/SharedConnection.h"
#include "readers/CardAccount.h"
#include "session/SignIn.h"

#include <QJsonArray>
#include <QMap>
#include <random>

namespace StressWorker {

namespace {
struct Tally {
    QMap<QString, int> done, refused;
    QMap<QString, int> reasons; // refusal texts, counted
    int lentItems = 0;
    Money topUps, debits;
    QJsonArray returnedIds;

    void refuse(const QString &op, const QString &why)
    {
        ++refused[op];
        ++reasons[op + QStringLiteral(": ") + why.left(60)];
    }
};

class Workstation
{
public:
    Workstation(const SharedConnection &db, const LoginSession &session, quint32 seed)
        : m_db(db), m_session(session), m_random(seed), m_items(StressWorld::itemKeys()),
          m_readers(StressWorld::readerNumbers())
    {
    }

    void step(Tally &t)
    {
        const int roll = int(m_random() % 100);
        const QString op = roll < 35 ? QStringLiteral("lend")
                           : roll < 65 ? QStringLiteral("return")
                           : roll < 80 ? QStringLiteral("renew")
                                       : QStringLiteral("top-up");
        try {
            if (op == QLatin1String("lend"))
                lend(t);
            else if (op == QLatin1String("return"))
                giveBack(t);
            else if (op == QLatin1String("renew"))
                renew(t);
            else
                topUp(t);
        } catch (const DatabaseError &e) {
            t.refuse(op, QStringLiteral("database: ") + e.message());
        }
    }

private:
    QString any(const QStringList &list) { return list.at(int(m_random() % quint32(list.size()))); }

    void lend(Tally &t)
    {
        LendingDesk desk(m_db, m_session);
        const QString message = desk.lookUpReader(any(m_readers));
        if (!message.isEmpty())
            return t.refuse(QStringLiteral("lend"), message);
        const int wanted = 1 + int(m_random() % 2);
        QString why;
        for (int i = 0; i < wanted; ++i) {
            const QString key = any(m_items);
            const ItemTable table = key.startsWith(QStringLiteral("期刊")) ? ItemTable::Periodical : ItemTable::Book;
            const LendingDesk::Found f = desk.findItems(table, ItemKey::Number, key.section(QLatin1Char('/'), 1));
            if (f.rows.isEmpty()) {
                why = f.message;
                continue;
            }
            const LendingDesk::Admission a = desk.admit(f.rows.first());
            if (a.outcome == LendingDesk::Outcome::Refused)
                why = a.message;
        }
        if (desk.pending().isEmpty())
            return t.refuse(QStringLiteral("lend"), why);
        const int items = int(desk.pending().size());
        const LendingDesk::LendResult r = desk.lend(false);
        if (!r.ok) {
            // The last copy went to another workstation between the check and 借出.
            const bool race = r.message.startsWith(QStringLiteral("数量不足. 编号"));
            return t.refuse(QStringLiteral("lend"), race ? QStringLiteral("数量不足. (at 借出: taken meanwhile)") : r.message);
        }
        ++t.done[QStringLiteral("lend")];
        t.lentItems += items;
    }

    // An open loan of a random item, or of a random reader.
    bool pickLoan(const ReturnDesk &desk, LoanRow *loan)
    {
        const bool byReader = m_random() % 2;
        const ReturnDesk::Found f = byReader ? desk.search(QString(), QString(), any(m_readers))
                                             : desk.search(any(m_items).section(QLatin1Char('/'), 1), QString(), QString());
        if (f.rows.isEmpty())
            return false;
        *loan = f.rows.at(int(m_random() % quint32(f.rows.size())));
        return true;
    }

    void giveBack(Tally &t)
    {
        ReturnDesk desk(m_db, m_session);
        LoanRow loan;
        if (!pickLoan(desk, &loan))
            return t.refuse(QStringLiteral("return"), QStringLiteral("no open loan found"));
        const ReturnDesk::Input in = desk.proposal(loan);
        const ReturnDesk::Outcome o = desk.returnLoan(loan, in);
        if (!o.ok)
            return t.refuse(QStringLiteral("return"), o.message == QStringLiteral("没有找到未还的借阅记录")
                                                          ? o.message + QStringLiteral(" (returned meanwhile)")
                                                          : o.message);
        ++t.done[QStringLiteral("return")];
        t.debits += Money::fromText(in.rent) + in.fine;
        t.returnedIds.append(loan.id);
    }

    void renew(Tally &t)
    {
        ReturnDesk desk(m_db, m_session);
        LoanRow loan;
        if (!pickLoan(desk, &loan))
            return t.refuse(QStringLiteral("renew"), QStringLiteral("no open loan found"));
        const RenewalDesk::Found f = RenewalDesk::find(m_db, loan.读者编号, loan.编号);
        if (!f.ok)
            return t.refuse(QStringLiteral("renew"), f.message);
        QString message;
        if (!RenewalDesk::renew(m_db, f.loan.id, DayClock::today().addDays(30), &message))
            return t.refuse(QStringLiteral("renew"), message);
        ++t.done[QStringLiteral("renew")];
    }

    void topUp(Tally &t)
    {
        // Amounts in tenths, a refund now and then: 12.3, -4.7, ...
        Money amount = Money::fromUnits(qint64(1 + m_random() % 500) * 1000);
        if (m_random() % 10 == 0)
            amount = -amount;
        const CardAccount::Outcome o =
            CardAccount::topUp(m_db, any(m_readers), amount, QStringLiteral("并发测试"), m_session.OperatorName);
        if (!o.ok)
            return t.refuse(QStringLiteral("top-up"), o.message);
        ++t.done[QStringLiteral("top-up")];
        t.topUps += amount;
    }

    const SharedConnection &m_db;
    const LoginSession &m_session;
    std::mt19937 m_random;
    QStringList m_items, m_readers;
};

QJsonObject counts(const QMap<QString, int> &map)
{
    QJsonObject o;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        o.insert(it.key(), it.value());
    return o;
}
} // namespace

QJsonObject run(const QString &connection, quint32 seed, int operations)
{
    QJsonObject report;
    SharedConnection db(QStringLiteral("stress-worker"));
    QString error;
    if (!db.open(ConnectionSettings::parse(connection), &error)) {
        report.insert(QStringLiteral("error"), error);
        return report;
    }
    LoginSession session;
    try {
        SignIn::loadSwitches(db, session);
        if (!SignIn::signIn(db, session, QStringLiteral("超级管理员"), QStringLiteral("8316")).ok) {
            report.insert(QStringLiteral("error"), QStringLiteral("sign-in refused"));
            return report;
        }
    } catch (const DatabaseError &e) {
        report.insert(QStringLiteral("error"), e.message());
        return report;
    }
    Workstation w(db, session, seed);
    Tally t;
    for (int i = 0; i < operations; ++i)
        w.step(t);
    report.insert(QStringLiteral("done"), counts(t.done));
    report.insert(QStringLiteral("refused"), counts(t.refused));
    report.insert(QStringLiteral("reasons"), counts(t.reasons));
    report.insert(QStringLiteral("lentItems"), t.lentItems);
    report.insert(QStringLiteral("topUps"), t.topUps.toString());
    report.insert(QStringLiteral("debits"), t.debits.toString());
    report.insert(QStringLiteral("returnedIds"), t.returnedIds);
    return report;
}

} // namespace StressWorker
