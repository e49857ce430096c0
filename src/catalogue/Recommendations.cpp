// SPDX-License-Identifier: MIT
#include "catalogue/Recommendations.h"
#include "foundation/Gbk.h"
#include "foundation/LoginSession.h"
#include "foundation/SharedConnection.h"

bool Recommendations::reasonFits(const QString &reason)
{
    return Gbk::encode(reason).size() <= 50;
}

bool Recommendations::recommend(const QString &bookNumber, const QString &reason, const Rights &rights,
                                const QString &operatorName, QString *message) const
{
    message->clear();
    if (!rights.qxadmin) {
        *message = QStringLiteral("没有权限!");
        return false;
    }
    if (reason.isEmpty())
        return false;
    if (!reasonFits(reason)) {
        *message = tooLongMessage();
        return false;
    }
    Transaction tx(m_db);
    QSqlQuery book = m_db.exec(QStringLiteral("select 编号,名称,作者,分类,存放位置 from 图书 where 编号=?"), {bookNumber});
    if (!book.next()) {
        *message = QStringLiteral("没有找到编号为%1的图书.").arg(bookNumber);
        return false;
    }
    QVariantList values;
    for (int i = 0; i < 5; ++i)
        values << book.value(i).toString();
    book.finish();
    values << operatorName << reason;
    m_db.exec(QStringLiteral("insert into b_tuiJian(编号,名称,作者,分类,存放位置,推荐人,memo) \n"
                             "values(?,?,?,?,?,?,?)"),
              values);
    tx.commit();
    return true;
}

void Recommendations::remove(qlonglong id) const
{
    Transaction tx(m_db);
    m_db.exec(QStringLiteral("delete from b_tuiJian where id=?"), {id});
    tx.commit();
}

void Recommendations::removeAll() const
{
    Transaction tx(m_db);
    m_db.exec(QStringLiteral("delete from b_tuiJian"));
    tx.commit();
}
