// SPDX-License-Identifier: MIT
#include "session/SignIn.h"
#include "foundation/LoginSession.h"
#include "foundation/SharedConnection.h"
#include "foundation/SqlValues.h"

#include <QSqlRecord>

namespace SignIn {

QStringList versionWarnings(const SharedConnection &db)
{
    QStringList warnings;
    try {
        db.exec(QStringLiteral("select * from 管理员"));
    } catch (const DatabaseError &) {
        warnings << QStringLiteral("请使用对应的版本@!aaa");
        // Without the table the column check fails as well.
        warnings << QStringLiteral("请使用对应的版本@!bbb");
        return warnings;
    }
    QSqlQuery q = db.exec(QStringLiteral("select * from 管理员"));
    if (q.record().indexOf(QStringLiteral("qxDjXg")) < 0)
        warnings << QStringLiteral("请使用对应的版本@!bbb");
    return warnings;
}

QStringList operatorNames(const SharedConnection &db)
{
    QStringList names;
    QSqlQuery q = db.exec(QStringLiteral("select * from 管理员"));
    while (q.next())
        names << q.value(QStringLiteral("adminname")).toString();
    return names;
}

bool hasFactoryPassword(const SharedConnection &db)
{
    QSqlQuery q = db.exec(QStringLiteral("select * from 管理员 where AdminName=?"),
                          {QStringLiteral("超级管理员")});
    return q.next() && q.value(QStringLiteral("pwd")).toString() == QLatin1String("8316");
}

void loadSwitches(const SharedConnection &db, LoginSession &session)
{
    QSqlQuery q = db.exec(QStringLiteral("select * from 系统设置"));
    if (!q.next())
        throw DatabaseError(QStringLiteral("系统设置表中没有记录"));
    auto flag = [&](const char *column) {
        return SqlValues::toBool(q.value(QString::fromUtf8(column)));
    };
    LibrarySwitches &s = session.switches;
    s.启用租金功能 = flag("启用租金功能");
    s.启用读者租金 = flag("启用读者租金");
    s.启用读者有效期 = flag("启用读者有效期");
    s.启用超期罚金 = flag("启用超期罚金");
    s.借阅数量限制功能 = flag("借阅数量限制功能");
    s.启用押金功能 = flag("启用押金功能");
    s.图书馆名 = q.value(QStringLiteral("图书馆名")).toString();
    s.超期每日罚金 = Money::fromVariant(q.value(QStringLiteral("超期每日罚金")));
    s.押金倍数 = q.value(QStringLiteral("押金倍数")).toDouble();
    s.赔损金额倍数 = q.value(QStringLiteral("赔损金额倍数")).toDouble();
    s.开户费 = Money::fromVariant(q.value(QStringLiteral("开户费")));
    s.显示班级 = flag("显示班级");
    s.显示院系 = flag("显示院系");
    s.启用预定功能 = flag("启用预定功能");
    s.a1Caption = QStringLiteral("密级");
    s.a2Caption = QStringLiteral("a2");
    s.a3Caption = QStringLiteral("a3");
    const QVariant a1 = q.value(QStringLiteral("a1"));
    const QVariant a2 = q.value(QStringLiteral("a2"));
    const QVariant a3 = q.value(QStringLiteral("a3"));
    if (!a1.isNull())
        s.a1Caption = a1.toString();
    if (!a2.isNull())
        s.a2Caption = a2.toString();
    if (!a3.isNull())
        s.a3Caption = a3.toString();
}

namespace {
// The rights of the operator's row; the super administrator gets all but qxModifyStock.
void loadRights(const QSqlQuery &q, LoginSession &session, const QString &typedName)
{
    const QStringList &names = Rights::names();
    for (int i = 0; i < names.size(); ++i)
        session.rights.setValue(i, SqlValues::toBool(q.value(names[i])));
    const QString name = typedName.trimmed();
    if (name == QStringLiteral("超级管理员")) {
        for (int i = 0; i < names.size() - 1; ++i) // all but qxModifyStock
            session.rights.setValue(i, true);
    }
    session.OperatorName = name;
    session.signedIn = true;
}
} // namespace

Result signIn(const SharedConnection &db, LoginSession &session, const QString &typedName,
              const QString &password)
{
    loadSwitches(db, session);
    QSqlQuery q = db.exec(QStringLiteral("select * from 管理员 where adminname =?"), {typedName});
    bool found = false;
    while (!found && q.next())
        found = q.value(QStringLiteral("pwd")).toString() == password;
    if (!found)
        return {false, QStringLiteral("密码不正确!")};
    loadRights(q, session, typedName);
    return {true, {}};
}

QString actAs(const SharedConnection &db, LoginSession &session, const QString &name)
{
    loadSwitches(db, session);
    QSqlQuery q = db.exec(QStringLiteral("select * from 管理员 where AdminName=?"), {name});
    if (!q.next())
        return QStringLiteral("没有这个管理员: ") + name;
    loadRights(q, session, name);
    return {};
}

} // namespace SignIn
