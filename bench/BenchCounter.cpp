// SPDX-License-Identifier: MIT
// The counter: sign-in, reader and item lookups, lending, returning, renewal, top-up
// and the overdue list, through the same cores the windows call.
#include "BenchContext.h"

#include "circulation/LendingDesk.h"
#include "circulation/OpenLoans.h"
#include "circulation/RenewalDesk.h"
#include "circulation/ReturnDesk.h"
#include "foundation/DayClock.h"
#include "foundation/GridModel.h"
#include "readers/CardAccount.h"
#include "session/SignIn.h"

#include <QSqlQuery>
#include <random>

void BenchContext::guarded(const QString &operation, const std::function<void()> &work)
{
    try {
        work();
    } catch (const DatabaseError &e) {
        table.missing(operation, engine, QStringLiteral("failed: ") + e.message());
    } catch (const std::exception &e) {
        table.missing(operation, engine, QStringLiteral("failed: ") + QString::fromLocal8Bit(e.what()));
    }
}

namespace {
QStringList column(const SharedConnection &db, const QString &sql, const QVariantList &values = {})
{
    QStringList list;
    QSqlQuery q = db.exec(sql, values);
    while (q.next())
        list << q.value(0).toString();
    return list;
}

std::mt19937 &rng()
{
    static std::mt19937 r(7);
    return r;
}

QString any(const QStringList &list)
{
    return list.at(int(rng()() % quint32(list.size())));
}

struct Lent {
    QString reader;
    QStringList items;
};
} // namespace

void benchSignIn(BenchContext &c)
{
    const QString op = QStringLiteral("sign-in (switches, name, password)");
    c.guarded(op, [&] {
        c.table.measure(op, c.engine, c.runs * 2, 0, [&](const BenchTable::Stopwatch &time) {
            LoginSession s;
            time([&] {
                SignIn::loadSwitches(c.db, s);
                if (!SignIn::signIn(c.db, s, QStringLiteral("超级管理员"), QStringLiteral("8316")).ok)
                    throw DatabaseError(QStringLiteral("sign-in refused"));
            });
        });
    });
}

void benchCounter(BenchContext &c)
{
    const QDate today = DayClock::today();
    const QStringList readers =
        column(c.db, QStringLiteral("select 读者编号 from 读者库 where 状态=? and 未还数量=0 and 有效期>?"),
               {QStringLiteral("正常"), today});
    const QStringList books = column(
        c.db, QStringLiteral("select 编号 from 图书 where 数量>=1 and 状态=? and 预定状况 is null"), {QStringLiteral("正常")});
    if (readers.size() < 2 * c.runs + 10 || books.size() < 10) {
        c.table.missing(QStringLiteral("counter"), c.engine, QStringLiteral("too few readers or books to lend"));
        return;
    }

    const QString lookup = QStringLiteral("reader lookup (读者编号)");
    c.guarded(lookup, [&] {
        c.table.measure(lookup, c.engine, c.runs * 5, 0, [&](const BenchTable::Stopwatch &time) {
            const QString r = any(readers);
            time([&] {
                if (!LendingReaderLookup::find(c.db, c.session, r).ok)
                    throw DatabaseError(QStringLiteral("reader refused: ") + r);
            });
        });
    });

    const QString item = QStringLiteral("item lookup (编号, checks)");
    c.guarded(item, [&] {
        LendingDesk desk(c.db, c.session);
        desk.lookUpReader(readers.first());
        c.table.measure(item, c.engine, c.runs * 5, 0, [&](const BenchTable::Stopwatch &time) {
            const QString b = any(books);
            time([&] {
                const LendingDesk::Found f = desk.findItems(ItemTable::Book, ItemKey::Number, b);
                if (f.rows.isEmpty())
                    throw DatabaseError(QStringLiteral("no book ") + b);
                desk.admit(f.rows.first());
            });
            for (int i = int(desk.pending().size()) - 1; i >= 0; --i)
                desk.removeLine(i);
        });
    });

    const QString barcode = QStringLiteral("item lookup (条形码)");
    c.guarded(barcode, [&] {
        c.table.measure(barcode, c.engine, c.runs * 5, 0, [&](const BenchTable::Stopwatch &time) {
            const QString code = QString::number(80000000 + (any(books).toInt() - 1000000));
            time([&] { LendingItems::find(c.db, ItemTable::Book, ItemKey::Barcode, code); });
        });
    });

    // Lending: a reader and two items typed, then 借出; the time is per item.
    QList<Lent> lent;
    int readerIndex = 0;
    int refused = 0;
    const QString lend = QStringLiteral("lend: reader + 2 items + 借出, per item");
    c.guarded(lend, [&] {
        Measurement &m = c.table.measure(lend, c.engine, c.runs * 2, 0, [&](const BenchTable::Stopwatch &time) {
            LendingDesk desk(c.db, c.session);
            Lent l{readers.at(readerIndex++ % readers.size()), {any(books), any(books)}};
            while (l.items.at(1) == l.items.at(0))
                l.items[1] = any(books);
            LendingDesk::LendResult r;
            time([&] {
                desk.lookUpReader(l.reader);
                for (const QString &b : std::as_const(l.items)) {
                    const LendingDesk::Found f = desk.findItems(ItemTable::Book, ItemKey::Number, b);
                    if (!f.rows.isEmpty())
                        desk.admit(f.rows.first());
                }
                r = desk.lend(false);
            });
            // An item whose last copy an earlier run took is refused at its check.
            l.items.clear();
            for (const LentLoan &loan : std::as_const(r.loans))
                l.items << loan.编号;
            if (r.ok && r.loans.size() == 2)
                lent << l;
            else
                ++refused;
        }, 0);
        for (double &v : m.ms)
            v /= 2; // per item
        if (refused)
            m.note = QStringLiteral("%1 of %2 lends not of two items").arg(refused).arg(m.ms.size());
    });

    const QString renew = QStringLiteral("renewal (find loan, new due date)");
    c.guarded(renew, [&] {
        int i = 0;
        c.table.measure(renew, c.engine, std::min<int>(c.runs, int(lent.size())), 0,
                        [&](const BenchTable::Stopwatch &time) {
                            const Lent &l = lent.at(i++ % lent.size());
                            time([&] {
                                const RenewalDesk::Found f = RenewalDesk::find(c.db, l.reader, l.items.first());
                                QString message;
                                if (!f.ok || !RenewalDesk::renew(c.db, f.loan.id, today.addDays(45), &message))
                                    throw DatabaseError(QStringLiteral("renewal refused"));
                            });
                        }, 0);
    });

    const QString back = QStringLiteral("return: find loan + 归还, per item");
    c.guarded(back, [&] {
        QList<QPair<QString, QString>> loans;
        for (const Lent &l : std::as_const(lent))
            for (const QString &b : l.items)
                loans << qMakePair(l.reader, b);
        int i = 0;
        ReturnDesk desk(c.db, c.session);
        c.table.measure(back, c.engine, int(loans.size()), 0, [&](const BenchTable::Stopwatch &time) {
            const auto &loan = loans.at(i++);
            time([&] {
                const ReturnDesk::Found f = desk.search(loan.second, QString(), loan.first);
                if (f.rows.isEmpty())
                    throw DatabaseError(QStringLiteral("no open loan of ") + loan.second);
                const LoanRow &row = f.rows.first();
                if (!desk.returnLoan(row, desk.proposal(row)).ok)
                    throw DatabaseError(QStringLiteral("return refused"));
            });
        }, 0);
    });

    const QString topUp = QStringLiteral("top-up (balance + 收入 row)");
    c.guarded(topUp, [&] {
        c.table.measure(topUp, c.engine, c.runs * 2, 0, [&](const BenchTable::Stopwatch &time) {
            const QString r = any(readers);
            time([&] {
                if (!CardAccount::topUp(c.db, r, Money::fromYuan(20), QString(), c.session.OperatorName).ok)
                    throw DatabaseError(QStringLiteral("top-up refused"));
            });
        });
    });

    const QString overdue = QStringLiteral("overdue list open (grid, count)");
    c.guarded(overdue, [&] {
        const BoundQuery q = OpenLoans::overdue(today);
        c.table.measure(overdue, c.engine, c.runs, 0, [&](const BenchTable::Stopwatch &time) {
            GridModel model;
            model.setColumns({GridColumn("id").count(), GridColumn("读者编号"), GridColumn("读者姓名"),
                              GridColumn("名称"), GridColumn("借阅日期"), GridColumn("应还日期")});
            GridQuery g;
            g.setStatement(q.sql, q.values);
            time([&] {
                model.open(c.db, g);
                model.data(model.index(0, 0));
            });
        });
    });
}
