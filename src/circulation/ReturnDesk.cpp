// SPDX-License-Identifier: MIT
#include "circulation/ReturnDesk.h"
#include "circulation/ItemTable.h"
#include "foundation/DayClock.h"
#include "foundation/LoginSession.h"
#include "foundation/SharedConnection.h"

#include <QSqlQuery>

ReturnDesk::ReturnDesk(const SharedConnection &db, const LoginSession &session) : m_db(db), m_session(session)
{
}

BoundQuery ReturnDesk::searchQuery(const QString &item, const QString &barcode, const QString &reader)
{
    if (item.isEmpty() && barcode.isEmpty() && reader.isEmpty())
        return {};
    BoundQuery q{QStringLiteral("select * from 借出记录 where 已还=?  "), {QStringLiteral("否")}};
    if (!item.isEmpty()) {
        q.sql += QStringLiteral(" and 编号=?");
        q.values << item;
    }
    if (!barcode.isEmpty()) {
        q.sql += QStringLiteral(" and 条形码=?");
        q.values << barcode;
    }
    if (!reader.isEmpty()) {
        q.sql += QStringLiteral(" and 读者编号=?");
        q.values << reader;
    }
    q.sql += QStringLiteral(" order by id");
    return q;
}

ReturnDesk::Found ReturnDesk::search(const QString &item, const QString &barcode, const QString &reader) const
{
    Found found;
    const BoundQuery query = searchQuery(item, barcode, reader);
    if (query.sql.isEmpty()) {
        found.message = QStringLiteral("请输入搜索条件!");
        return found;
    }
    QSqlQuery q = m_db.exec(query.sql, query.values);
    while (q.next())
        found.rows << LoanRow::fromRow(q);
    found.ok = true;
    return found;
}

bool ReturnDesk::loan(qint64 id, LoanRow *row) const
{
    QSqlQuery q = m_db.exec(QStringLiteral("select * from 借出记录 where id=?"), {id});
    if (!q.next())
        return false;
    *row = LoanRow::fromRow(q);
    return true;
}

bool ReturnDesk::readerOfCard(const QString &card, QString *reader) const
{
    try {
        QSqlQuery q = m_db.exec(QStringLiteral("select 读者编号,CardId from 读者库 where CardId=?"), {card});
        if (!q.next())
            return false;
        *reader = q.value(0).toString();
        return true;
    } catch (const DatabaseError &) {
        return false;
    }
}

ReturnFigures ReturnDesk::figures(const LoanRow &loan) const
{
    return ReturnFigures::compute(loan.借阅日期, loan.应还日期, loan.租金, m_session.switches.超期每日罚金,
                                  DayClock::today());
}

QString ReturnDesk::fineNotice(const ReturnFigures &figures) const
{
    if (!m_session.switches.启用超期罚金 || figures.罚金.isZero())
        return {};
    return QStringLiteral("超期罚金是:%1 元.").arg(figures.罚金.toString());
}

QString ReturnDesk::shelfOf(const LoanRow &loan) const
{
    bool known = false;
    const ItemTable table = ItemTables::fromLoanKind(loan.类别, &known);
    if (!known)
        return {};
    return m_db.scalar(QStringLiteral("select 存放位置 from %1 where 编号=?").arg(ItemTables::name(table)), {loan.编号})
        .toString();
}

ReturnDesk::Input ReturnDesk::proposal(const LoanRow &loan) const
{
    const ReturnFigures f = figures(loan);
    Input in;
    in.days = QString::number(f.实际租期);
    in.rent = f.实际租金.toString();
    in.fine = f.罚金;
    in.condition = loan.物品状况.isEmpty() ? QStringLiteral("完好") : loan.物品状况;
    in.compensation = loan.赔偿金额.toString();
    in.remark = loan.归还备注;
    return in;
}

ReturnDesk::Outcome ReturnDesk::returnLoan(const LoanRow &loan, const Input &input) const
{
    Outcome out;
    bool isNumber = false;
    const int days = input.days.trimmed().toInt(&isNumber);
    if (!isNumber) {
        out.message = QStringLiteral("\"%1\"不是有效的整数值").arg(input.days);
        return out;
    }
    Money compensation;
    if (!input.compensation.trimmed().isEmpty() && !Money::parse(input.compensation, &compensation)) {
        out.message = QStringLiteral("\"%1\"不是有效的赔偿金额").arg(input.compensation);
        return out;
    }
    const LibrarySwitches &s = m_session.switches;
    const Money rent = Money::fromText(input.rent);
    Money debit;
    QString sql = QStringLiteral("update 借出记录 set 已还=?, 归还日期=?, 归还经手人=?, 实际租期=?");
    QVariantList values{QStringLiteral("是"), DayClock::today(), m_session.OperatorName, days};
    if (s.启用租金功能) {
        sql += QStringLiteral(", 实际租金=?");
        values << rent.toSql();
        debit += rent;
    }
    if (s.启用超期罚金) {
        sql += QStringLiteral(", 罚金=?");
        values << input.fine.toSql();
        debit += input.fine;
    }
    sql += QStringLiteral(", 物品状况=?, 赔偿金额=?, 归还备注=? where id=? and 已还=?");
    values << input.condition << compensation.toSql() << input.remark << loan.id << QStringLiteral("否");

    try {
        Transaction tx(m_db);
        if (m_db.exec(sql, values).numRowsAffected() < 1) {
            out.message = QStringLiteral("没有找到未还的借阅记录");
            return out;
        }
        QSqlQuery r = m_db.exec(QStringLiteral("select 编号, 类别, 读者编号 from 借出记录 where id=?"), {loan.id});
        r.next();
        const QString number = r.value(0).toString();
        const QString kind = r.value(1).toString();
        const QString reader = r.value(2).toString();
        r.finish();

        // The copy goes back on the shelf unless it was lost; a loan whose item is gone
        // or whose 类别 names no item table still closes.
        bool known = false;
        const ItemTable table = ItemTables::fromLoanKind(kind, &known);
        if (known && input.condition != QStringLiteral("丢失"))
            m_db.exec(QStringLiteral("update %1 set 数量=coalesce(数量,0)+1 where 编号=?").arg(ItemTables::name(table)),
                      {number});
        // Rounding keeps SQLite's stored balance at four decimals.
        const QSqlQuery p = m_db.exec(
            QStringLiteral("update 读者库  set 未还数量=case when coalesce(未还数量,0)>1 then 未还数量-1 else 0 end, "
                           "卡内金额=round(coalesce(卡内金额,0)-?, 4) where 读者编号=?"),
            {debit.toSql(), reader});
        out.readerFound = p.numRowsAffected() > 0;
        tx.commit();
        if (out.readerFound)
            out.balance = Money::fromVariant(
                m_db.scalar(QStringLiteral("select 卡内金额 from 读者库 where 读者编号=?"), {reader}));
    } catch (const DatabaseError &e) {
        out.message = e.message();
        return out;
    }
    out.ok = true;
    out.message = QStringLiteral("归还完毕!");
    return out;
}
