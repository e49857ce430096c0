// SPDX-License-Identifier: MIT
#include "StressWorld.h"

#include "foundation/DayClock.h"
#include "foundation/SharedConnection.h"

#include <QSet>
#include <QSqlQuery>

namespace StressWorld {

namespace {
const int kBooks = 8;
const int kPeriodicals = 2;
const int kReaders = 6;

QString bookNumber(int i) { return QStringLiteral("S%1").arg(i + 1, 2, 10, QLatin1Char('0')); }
QString periodicalNumber(int i) { return QStringLiteral("Q%1").arg(i + 1, 2, 10, QLatin1Char('0')); }
QString readerNumber(int i) { return QStringLiteral("R%1").arg(i + 1, 2, 10, QLatin1Char('0')); }
} // namespace

QStringList itemKeys()
{
    QStringList keys;
    for (int i = 0; i < kBooks; ++i)
        keys << QStringLiteral("图书/") + bookNumber(i);
    for (int i = 0; i < kPeriodicals; ++i)
        keys << QStringLiteral("期刊/") + periodicalNumber(i);
    return keys;
}

QStringList readerNumbers()
{
    QStringList list;
    for (int i = 0; i < kReaders; ++i)
        list << readerNumber(i);
    return list;
}

Start seed(const SharedConnection &db)
{
    const QDate today = DayClock::today();
    Start start;
    Transaction t(db);
    db.exec(QStringLiteral("update 系统设置 set 启用租金功能=?, 启用超期罚金=?, 启用读者租金=?"), {true, true, false});
    db.exec(QStringLiteral("update 物品级别 set 租金=? where 名称=?"), {QStringLiteral("0.5"), QStringLiteral("普通")});
    for (int i = 0; i < kBooks; ++i) {
        const int copies = 1 + i % 3;
        db.exec(QStringLiteral("insert into 图书 (编号, 条形码, 名称, 数量, 价格, 状态, 物品级别, 借出次数) "
                               "values (?, ?, ?, ?, ?, ?, ?, 0)"),
                {bookNumber(i), QStringLiteral("6900%1").arg(i), QStringLiteral("并发测试图书%1").arg(i + 1), copies,
                 QStringLiteral("25.5"), QStringLiteral("正常"), QStringLiteral("普通")});
        start.stock[QStringLiteral("图书/") + bookNumber(i)] = copies;
    }
    for (int i = 0; i < kPeriodicals; ++i) {
        db.exec(QStringLiteral("insert into 期刊 (编号, 条形码, 名称, 数量, 价格, 状态, 物品级别, 借出次数) "
                               "values (?, ?, ?, 2, ?, ?, ?, 0)"),
                {periodicalNumber(i), QStringLiteral("6910%1").arg(i), QStringLiteral("并发测试期刊%1").arg(i + 1),
                 QStringLiteral("8"), QStringLiteral("正常"), QStringLiteral("普通")});
        start.stock[QStringLiteral("期刊/") + periodicalNumber(i)] = 2;
    }
    for (int i = 0; i < kReaders; ++i) {
        const Money balance = Money::fromUnits(500000 + i * 12345);
        db.exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名, 类别, 状态, 有效期, 卡内金额, 未还数量, 累计借阅次数) "
                               "values (?, ?, ?, ?, ?, ?, 0, 0)"),
                {readerNumber(i), QStringLiteral("读者%1").arg(i + 1), QStringLiteral("普通"), QStringLiteral("正常"),
                 today.addYears(1), balance.toSql()});
        start.balance[readerNumber(i)] = balance;
    }
    // Overdue loans from before: their return charges a fine.
    for (int i = 0; i < 4; ++i) {
        const QString book = bookNumber(i + 2);
        const QString reader = readerNumber(i);
        db.exec(QStringLiteral("insert into 借出记录 (读者编号, 读者姓名, 编号, 名称, 条形码, 类别, 物品级别, 价格, 租金, "
                               "借阅日期, 应还日期, 借阅经手人, 已还, 物品状况) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {reader, QStringLiteral("读者%1").arg(i + 1), book, QStringLiteral("并发测试图书%1").arg(i + 3),
                 QStringLiteral("6900%1").arg(i + 2), QStringLiteral("图书"), QStringLiteral("普通"),
                 QStringLiteral("25.5"), QStringLiteral("0.5"), today.addDays(-40 - i), today.addDays(-10 - i),
                 QStringLiteral("超级管理员"), QStringLiteral("否"), QStringLiteral("完好")});
        db.exec(QStringLiteral("update 图书 set 数量=数量-1, 借出次数=借出次数+1 where 编号=?"), {book});
        db.exec(QStringLiteral("update 读者库 set 未还数量=未还数量+1, 累计借阅次数=累计借阅次数+1 where 读者编号=?"),
                {reader});
    }
    t.commit();
    start.loans = db.scalar(QStringLiteral("select count(*) from 借出记录")).toInt();
    return start;
}

QStringList check(const SharedConnection &db, const Start &start, const Reported &reported)
{
    QStringList broken;
    const QString open = QStringLiteral("否");
    for (auto it = start.stock.cbegin(); it != start.stock.cend(); ++it) {
        const QString table = it.key().section(QLatin1Char('/'), 0, 0);
        const QString number = it.key().section(QLatin1Char('/'), 1);
        const int shelf = db.scalar(QStringLiteral("select 数量 from %1 where 编号=?").arg(table), {number}).toInt();
        const int lent = db.scalar(QStringLiteral("select count(*) from 借出记录 where 编号=? and 类别=? and 已还=?"),
                                   {number, table, open})
                             .toInt();
        if (shelf + lent != it.value())
            broken << QStringLiteral("%1: 数量 %2 + open loans %3 != starting stock %4")
                          .arg(it.key()).arg(shelf).arg(lent).arg(it.value());
        if (shelf < 0)
            broken << QStringLiteral("%1: 数量 below zero (%2)").arg(it.key()).arg(shelf);
    }

    Money journalTotal, debitTotal;
    for (auto it = start.balance.cbegin(); it != start.balance.cend(); ++it) {
        QSqlQuery r = db.exec(QStringLiteral("select 未还数量, 卡内金额 from 读者库 where 读者编号=?"), {it.key()});
        if (!r.next()) {
            broken << it.key() + QStringLiteral(": reader row gone");
            continue;
        }
        const int count = r.value(0).toInt();
        const Money balance = Money::fromVariant(r.value(1));
        const int lent = db.scalar(QStringLiteral("select count(*) from 借出记录 where 读者编号=? and 已还=?"),
                                   {it.key(), open})
                             .toInt();
        if (count != lent)
            broken << QStringLiteral("%1: 未还数量 %2 != open loans %3").arg(it.key()).arg(count).arg(lent);
        Money topUps, charged;
        QSqlQuery j = db.exec(QStringLiteral("select 金额 from 收入 where 项目=? and 读者编号=?"),
                              {QStringLiteral("充值"), it.key()});
        while (j.next())
            topUps += Money::fromVariant(j.value(0));
        QSqlQuery l = db.exec(QStringLiteral("select 实际租金, 罚金 from 借出记录 where 读者编号=? and 已还=?"),
                              {it.key(), QStringLiteral("是")});
        while (l.next())
            charged += Money::fromVariant(l.value(0)) + Money::fromVariant(l.value(1));
        journalTotal += topUps;
        debitTotal += charged;
        const Money expected = it.value() + topUps - charged;
        if (balance != expected)
            broken << QStringLiteral("%1: 卡内金额 %2 != start %3 + top-ups %4 - rent and fines %5 = %6")
                          .arg(it.key(), balance.toString(), it.value().toString(), topUps.toString(),
                               charged.toString(), expected.toString());
    }
    if (journalTotal != reported.topUps)
        broken << QStringLiteral("收入 holds top-ups of %1, the workers did %2")
                      .arg(journalTotal.toString(), reported.topUps.toString());
    if (debitTotal != reported.debits)
        broken << QStringLiteral("returned loans charged %1, the workers' returns charged %2")
                      .arg(debitTotal.toString(), reported.debits.toString());

    // Every loan lent once and returned at most once.
    const int loans = db.scalar(QStringLiteral("select count(*) from 借出记录")).toInt();
    if (loans != start.loans + reported.lentItems)
        broken << QStringLiteral("借出记录 has %1 rows, expected %2 + %3 lent")
                      .arg(loans).arg(start.loans).arg(reported.lentItems);
    const int returned = db.scalar(QStringLiteral("select count(*) from 借出记录 where 已还=?"), {QStringLiteral("是")}).toInt();
    if (returned != reported.returns)
        broken << QStringLiteral("%1 loans are returned, the workers returned %2").arg(returned).arg(reported.returns);
    QSet<qint64> seen;
    for (qint64 id : reported.returnedIds) {
        if (seen.contains(id))
            broken << QStringLiteral("loan %1 returned twice").arg(id);
        seen.insert(id);
    }
    return broken;
}

} // namespace StressWorld
