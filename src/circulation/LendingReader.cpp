// SPDX-License-Identifier: MIT
#include "circulation/LendingReader.h"
#include "foundation/DayClock.h"
#include "foundation/LoginSession.h"
#include "foundation/SharedConnection.h"
#include "foundation/SqlValues.h"

#include <QSqlQuery>

namespace LendingReaderLookup {

Result find(const SharedConnection &db, const LoginSession &session, const QString &typed)
{
    const QString v = typed.trimmed();
    Result r;
    // A reader whose number is the text typed comes before one whose card number is.
    QSqlQuery q = db.exec(QStringLiteral("select * from 读者库 where 读者编号=? or CardId=? "
                                         "order by case when 读者编号=? then 0 else 1 end, 读者编号"),
                          {v, v, v});
    if (!q.next()) {
        r.message = QStringLiteral("没有该编号/卡号的读者资料,请检查输入的是否正确!");
        return r;
    }
    LendingReader p;
    p.读者编号 = q.value(QStringLiteral("读者编号")).toString();
    p.读者姓名 = q.value(QStringLiteral("读者姓名")).toString();
    p.性别 = q.value(QStringLiteral("性别")).toString();
    p.类别 = q.value(QStringLiteral("类别")).toString();
    p.状态 = q.value(QStringLiteral("状态")).toString();
    p.未还数量 = q.value(QStringLiteral("未还数量")).toInt();
    p.累计借阅次数 = q.value(QStringLiteral("累计借阅次数")).toInt();
    p.卡内金额 = Money::fromVariant(q.value(QStringLiteral("卡内金额")));
    p.有效期 = SqlValues::toDate(q.value(QStringLiteral("有效期")));

    if (p.状态 != QStringLiteral("正常")) {
        r.message = QStringLiteral("该用户状态是\"%1\",所以不能使用,只有状态为\"正常\"的用户才可用!").arg(p.状态);
        return r;
    }
    // A card without an expiry date does not expire; one expiring today still lends.
    if (session.switches.启用读者有效期 && p.有效期.isValid() && p.有效期 < DayClock::today()) {
        r.message = QStringLiteral("该读者有效期是: %1 ,已经超期,不能借阅.")
                        .arg(p.有效期.toString(QStringLiteral("yyyy-MM-dd")));
        return r;
    }
    QSqlQuery k = db.exec(QStringLiteral("select * from 读者类别 where 类别名=?"), {p.类别});
    if (!k.next()) {
        r.message = QStringLiteral("读者类别中没有该读者类别,请先去读者类别中设置好对应的类别及其参数");
        return r;
    }
    const QVariant limit = k.value(QStringLiteral("借阅数量限制"));
    const QVariant days = k.value(QStringLiteral("借阅天数"));
    // Without a loan period no due date can be worked out.
    if (days.isNull() || limit.isNull()) {
        r.message = QStringLiteral("读者类别\"%1\"的借阅天数或借阅数量限制没有设置,"
                                   "请先去读者类别中设置好对应的类别及其参数")
                        .arg(p.类别);
        return r;
    }
    p.借阅数量限制 = limit.toInt();
    p.借阅天数 = days.toInt();
    p.租金 = Money::fromVariant(k.value(QStringLiteral("租金")));
    r.ok = true;
    r.reader = p;
    return r;
}

} // namespace LendingReaderLookup
