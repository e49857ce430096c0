// SPDX-License-Identifier: MIT
#include "circulation/LendingDesk.h"
#include "circulation/Receipt.h"
#include "circulation/ReceiptPrinter.h"
#include "foundation/DayClock.h"
#include "foundation/LoginSession.h"
#include "foundation/PausePoint.h"
#include "foundation/SharedConnection.h"

#include <QSqlQuery>
#include <algorithm>

namespace {
const QString kNoReader = QStringLiteral("请输入读者编号后按回车!");

QString levelMessage(const QString &level)
{
    return QStringLiteral("已经超出物品级别中规定的（ %1 ）的物品级别的可借数量，不能再借了!").arg(level);
}
} // namespace

LendingDesk::LendingDesk(const SharedConnection &db, const LoginSession &session)
    : m_db(db), m_session(session)
{
}

QString LendingDesk::lookUpReader(const QString &typed)
{
    m_reader = LendingReader();
    const LendingReaderLookup::Result r = LendingReaderLookup::find(m_db, m_session, typed);
    if (r.ok)
        m_reader = r.reader;
    return r.message;
}

LendingDesk::Found LendingDesk::findItems(ItemTable table, ItemKey key, const QString &value)
{
    Found found;
    // Every rule below is a rule about the reader who borrows.
    if (!hasReader()) {
        found.message = kNoReader;
        return found;
    }
    if (m_session.switches.启用预定功能)
        LendingItems::expireReservations(m_db, DayClock::now());
    found.rows = LendingItems::find(m_db, table, key, value);
    if (found.rows.isEmpty())
        found.message = QStringLiteral("没有找到该%1的数据,请重新输入.").arg(ItemTables::name(table));
    return found;
}

Money LendingDesk::dailyRent(Money levelRent) const
{
    const LibrarySwitches &s = m_session.switches;
    if (!s.启用租金功能)
        return Money();
    return s.启用读者租金 ? m_reader.租金 : levelRent;
}

LendingDesk::Admission LendingDesk::admit(const LendingItem &item)
{
    Admission a;
    if (!hasReader()) {
        a.message = kNoReader;
        return a;
    }
    if (item.数量 <= 0) {
        a.message = QStringLiteral("数量不足.");
        return a;
    }
    if (item.状态 == QStringLiteral("不外借")) {
        a.message = QStringLiteral("该资料不外借,请与图书馆管理员联系!");
        return a;
    }
    if (m_session.switches.启用预定功能 && !item.预定状况.isNull()
        && item.预定状况.toString() != m_reader.读者编号) {
        a.message = QStringLiteral("该图书已经被读者编号为: (%1) 的读者预定了，您不能借.").arg(item.预定状况.toString());
        return a;
    }

    // The level: its rent, its limit L and the reader's open loans n of that level.
    int limit = 0;
    int open = 0;
    if (!item.物品级别.isNull()) {
        const QString level = item.levelText();
        QSqlQuery q = m_db.exec(QStringLiteral("select * from 物品级别 where 名称=?"), {level});
        if (q.next()) {
            a.levelRent = Money::fromVariant(q.value(QStringLiteral("租金")));
            limit = q.value(QStringLiteral("可借数量")).toInt();
        }
        open = m_db.scalar(QStringLiteral("select count(*) from 借出记录 where 已还=? and 读者编号=? and 物品级别=?"),
                           {QStringLiteral("否"), m_reader.读者编号, level})
                   .toInt();
        if (limit > 0 && open >= limit) {
            a.message = levelMessage(level);
            return a;
        }
    }

    // The pending lines: the same item is never listed twice; the lines of the same
    // level count against the limit together with the open loans.
    const QString level = item.levelText().trimmed();
    int same = 0;
    for (const PendingLine &line : std::as_const(m_pending)) {
        if (line.物品级别.trimmed() == level)
            ++same;
        if (line.编号 == item.编号 && line.table == item.table) {
            a.outcome = Outcome::AlreadyListed;
            return a;
        }
        if (limit > 0 && limit - same <= open) {
            a.message = levelMessage(item.levelText());
            return a;
        }
    }

    PendingLine line;
    line.编号 = item.编号;
    line.条形码 = item.条形码;
    line.名称 = item.名称;
    line.table = item.table;
    line.天数 = m_reader.借阅天数;
    line.租金 = dailyRent(a.levelRent);
    line.物品级别 = item.levelText();
    m_pending.append(line);
    a.outcome = Outcome::Listed;

    if (m_session.switches.借阅数量限制功能
        && m_pending.size() > m_reader.借阅数量限制 - m_reader.未还数量)
        a.warning = QStringLiteral("提示:该读者超过借阅数量!");
    return a;
}

void LendingDesk::removeLine(int index)
{
    if (index >= 0 && index < m_pending.size())
        m_pending.removeAt(index);
}

void LendingDesk::clear()
{
    m_pending.clear();
    dropReader();
}

LendingDesk::LendResult LendingDesk::lend(bool print)
{
    LendResult result;
    if (!hasReader()) {
        result.message = kNoReader;
        return result;
    }
    if (m_pending.isEmpty())
        return result;

    const QDate today = DayClock::today();
    const QString no = QStringLiteral("否");
    QStringList titles;
    try {
        Transaction tx(m_db);
        // The shelf counts first, in one fixed order so that two server transactions
        // never wait for each other in a circle. The guard 数量 > 0 makes the second of
        // two counters lending the last copy find none left.
        QList<int> order;
        for (int i = 0; i < m_pending.size(); ++i)
            order << i;
        std::sort(order.begin(), order.end(), [this](int a, int b) {
            const PendingLine &x = m_pending[a], &y = m_pending[b];
            if (x.table != y.table)
                return x.table < y.table;
            return x.编号 < y.编号;
        });
        for (int i : std::as_const(order)) {
            const PendingLine &line = m_pending[i];
            QSqlQuery u = m_db.exec(QStringLiteral("update %1 set 数量=数量-1, 借出次数=coalesce(借出次数,0)+1, "
                                                   "预定状况=null, 预定到期时间=null where 编号=? and 数量>0")
                                        .arg(line.类别()),
                                    {line.编号});
            if (u.numRowsAffected() < 1) {
                result.message = QStringLiteral("数量不足. 编号: %1, 名称: %2").arg(line.编号, line.名称);
                return result;
            }
        }

        for (const PendingLine &line : std::as_const(m_pending)) {
            QSqlQuery item = m_db.exec(QStringLiteral("select * from %1 where 编号=?").arg(line.类别()), {line.编号});
            if (!item.next()) {
                result.loans.clear();
                result.message = QStringLiteral("数量不足. 编号: %1, 名称: %2").arg(line.编号, line.名称);
                return result;
            }
            const LendingItem row = LendingItem::fromRow(item, line.table);
            item.finish();
            LentLoan loan;
            loan.编号 = row.编号;
            loan.名称 = row.名称;
            loan.类别 = line.类别();
            loan.应还日期 = today.addDays(m_reader.借阅天数); // the borrower's category
            loan.租金 = line.租金;
            QSqlQuery ins = m_db.exec(
                QStringLiteral("insert into 借出记录 (读者编号, 读者姓名, 编号, 名称, 条形码, 类别, 物品级别, 价格, "
                               "租金, 借阅日期, 应还日期, 借阅经手人, 已还, 物品状况) "
                               "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {m_reader.读者编号, m_reader.读者姓名, row.编号, row.名称, row.条形码, loan.类别,
                 row.物品级别, row.价格.toSql(), loan.租金.toSql(), today, loan.应还日期,
                 m_session.OperatorName, no, QStringLiteral("完好")});
            loan.id = ins.lastInsertId().toLongLong();
            result.loans << loan;
            titles << row.名称;
        }

        PausePoint("lend"); // crash tests: the loans are written, the reader not yet
        const int n = int(m_pending.size());
        QSqlQuery r = m_db.exec(QStringLiteral("update 读者库 set 未还数量=coalesce(未还数量,0)+?, "
                                               "累计借阅次数=coalesce(累计借阅次数,0)+? where 读者编号=?"),
                                {n, n, m_reader.读者编号});
        if (r.numRowsAffected() < 1) {
            result.loans.clear();
            result.message = QStringLiteral("没有该编号/卡号的读者资料,请检查输入的是否正确!");
            return result;
        }
        tx.commit();
    } catch (const DatabaseError &e) {
        result.loans.clear();
        result.message = e.message();
        return result;
    }

    // The receipt follows the commit; the printer never holds up the counter.
    if (print)
        ReceiptPrinter::send(m_session.config.posPort,
                             Receipt::lending(m_session.switches.图书馆名, titles, DayClock::now(),
                                              m_session.OperatorName));
    result.ok = true;
    result.message = QStringLiteral("借阅完毕!");
    clear();
    return result;
}
