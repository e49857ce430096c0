// SPDX-License-Identifier: MIT
#include "statistics/LoanRecordQuery.h"
#include "foundation/SharedConnection.h"
#include "foundation/SqlDialect.h"
#include "statistics/MoneySum.h"

bool LoanConditions::isEmpty() const
{
    return item.isEmpty() && title.isEmpty() && barcode.isEmpty() && reader.isEmpty() && name.isEmpty()
           && !lentRange && !returnedRange && !returnedFlag;
}

QString LoanStatement::sql() const
{
    // An index chosen for a condition would give its own order: id order is asked for.
    return QStringLiteral("select * from 借出记录 where ") + where + QStringLiteral(" order by id");
}

namespace LoanRecords {

const QStringList &gridColumns()
{
    static const QStringList columns{
        QStringLiteral("读者编号"), QStringLiteral("读者姓名"), QStringLiteral("条形码"), QStringLiteral("编号"),
        QStringLiteral("名称"), QStringLiteral("类别"), QStringLiteral("价格"), QStringLiteral("附件"),
        QStringLiteral("借阅日期"), QStringLiteral("归还日期"), QStringLiteral("应还日期"), QStringLiteral("已还"),
        QStringLiteral("租金"), QStringLiteral("押金"), QStringLiteral("借阅经手人"), QStringLiteral("归还经手人"),
        QStringLiteral("物品状况"), QStringLiteral("赔偿金额"), QStringLiteral("归还备注"), QStringLiteral("实际租期"),
        QStringLiteral("实际租金"), QStringLiteral("罚金"), QStringLiteral("id")};
    return columns;
}

QString allRowsSql(const SqlDialect &dialect)
{
    return QStringLiteral("select * from 借出记录") + (dialect.isServer() ? QStringLiteral(" order by id") : QString());
}

LoanStatement build(const LoanConditions &c)
{
    LoanStatement s;
    if (c.isEmpty()) {
        s.message = QStringLiteral("请设置查询条件.");
        return s;
    }
    if (c.lentRange && c.lentTo < c.lentFrom) {
        s.message = QStringLiteral("借阅时间条件不符合正常逻辑!");
        return s;
    }
    if (c.returnedRange && c.returnedTo < c.returnedFrom) {
        s.message = QStringLiteral("归还时间条件不符合正常逻辑!");
        return s;
    }
    auto add = [&s](const QString &condition, const QVariant &value) {
        if (!s.where.isEmpty())
            s.where += QStringLiteral(" and ");
        s.where += condition;
        s.values << value;
    };
    // Each text is bound as typed: exact matches, a quote in a name is just a character.
    if (!c.item.isEmpty())
        add(QStringLiteral(" 编号=?  "), c.item);
    if (!c.title.isEmpty())
        add(QStringLiteral(" 名称=?  "), c.title);
    if (!c.barcode.isEmpty())
        add(QStringLiteral(" 条形码=?  "), c.barcode);
    if (!c.reader.isEmpty())
        add(QStringLiteral(" 读者编号=?  "), c.reader);
    if (!c.name.isEmpty())
        add(QStringLiteral(" 读者姓名=?  "), c.name);
    // The loan dates are whole days; the literals carry no time of day.
    if (c.lentRange) {
        add(QStringLiteral(" 借阅日期 >=? "), c.lentFrom);
        add(QStringLiteral(" 借阅日期 <=? "), c.lentTo);
    }
    if (c.returnedRange) {
        add(QStringLiteral(" 归还日期 >=? "), c.returnedFrom);
        add(QStringLiteral(" 归还日期 <=? "), c.returnedTo);
    }
    if (c.returnedFlag)
        add(QStringLiteral(" 已还=?"), c.returned.trimmed());
    s.ok = true;
    return s;
}

QSqlQuery open(const SharedConnection &db, const LoanStatement &statement)
{
    return db.exec(statement.sql(), statement.values);
}

QSqlQuery openAll(const SharedConnection &db)
{
    return db.exec(allRowsSql(db.dialect()));
}

namespace {
LoanSums runSums(const SharedConnection &db, const QString &where, const QVariantList &values)
{
    const QString sql = QStringLiteral("select count(id), %1, %2, %3, %4, %5 from 借出记录")
                            .arg(MoneySum::sql(QStringLiteral("价格")), MoneySum::sql(QStringLiteral("租金")),
                                 MoneySum::sql(QStringLiteral("赔偿金额")), MoneySum::sql(QStringLiteral("实际租金")),
                                 MoneySum::sql(QStringLiteral("罚金")))
                        + (where.isEmpty() ? QString() : QStringLiteral(" where ") + where);
    QSqlQuery q = db.exec(sql, values);
    LoanSums sums;
    if (q.next()) {
        sums.count = q.value(0).toLongLong();
        sums.价格 = MoneySum::value(q.value(1));
        sums.租金 = MoneySum::value(q.value(2));
        sums.赔偿金额 = MoneySum::value(q.value(3));
        sums.实际租金 = MoneySum::value(q.value(4));
        sums.罚金 = MoneySum::value(q.value(5));
    }
    return sums;
}
} // namespace

LoanSums sums(const SharedConnection &db, const LoanStatement &statement)
{
    return runSums(db, statement.where, statement.values);
}

LoanSums sumsOfAll(const SharedConnection &db)
{
    return runSums(db, QString(), {});
}

} // namespace LoanRecords
