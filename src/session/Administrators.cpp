// SPDX-License-Identifier: MIT
#include "session/Administrators.h"
#include "foundation/SharedConnection.h"
#include "foundation/SqlValues.h"

#include <QSqlQuery>

namespace Administrators {

QString superName()
{
    return QStringLiteral("超级管理员");
}

QString factoryPassword()
{
    return QStringLiteral("8316");
}

const QList<RightBox> &rightBoxes()
{
    static const QList<RightBox> boxes{
        {QStringLiteral("qxborrow"), QStringLiteral("借阅")},
        {QStringLiteral("qxReturn"), QStringLiteral("归还")},
        {QStringLiteral("qxRd"), QStringLiteral("读者资料管理")},
        {QStringLiteral("qxQk"), QStringLiteral("期刊资料管理")},
        {QStringLiteral("qxDel"), QStringLiteral("删除数据功能")},
        {QStringLiteral("qxBk"), QStringLiteral("图书资料管理")},
        {QStringLiteral("qxRdXg"), QStringLiteral("修改读者资料")},
        {QStringLiteral("qxQkXg"), QStringLiteral("修改期刊资料")},
        {QStringLiteral("qxBkXg"), QStringLiteral("修改图书资料")},
        {QStringLiteral("qxAdmin"), QStringLiteral("管理员设置管理")},
        {QStringLiteral("qxSysSet"), QStringLiteral("系统设置")},
        {QStringLiteral("qxAddData"), QStringLiteral("添加数据")},
        {QStringLiteral("qxModifyStock"), QStringLiteral("修改库存")},
    };
    return boxes;
}

const QStringList &rightColumns()
{
    static const QStringList columns{
        QStringLiteral("qxadmin"), QStringLiteral("qxdel"),    QStringLiteral("qxbk"),
        QStringLiteral("qxrd"),    QStringLiteral("qxqk"),     QStringLiteral("qxwp"),
        QStringLiteral("qxbkxg"),  QStringLiteral("qxrdxg"),   QStringLiteral("qxqkxg"),
        QStringLiteral("qxDjXg"),  QStringLiteral("qxwpxg"),   QStringLiteral("qxborrow"),
        QStringLiteral("qxReturn"), QStringLiteral("qxSysSet"), QStringLiteral("qxAddData"),
        QStringLiteral("qxModifyStock")};
    return columns;
}

QList<Administrator> list(const SharedConnection &db)
{
    QList<Administrator> admins;
    QSqlQuery q = db.exec(QStringLiteral("select * from 管理员"));
    while (q.next()) {
        Administrator a;
        a.name = q.value(QStringLiteral("AdminName")).toString();
        for (const RightBox &box : rightBoxes())
            a.rights.insert(box.column, SqlValues::toBool(q.value(box.column)));
        admins << a;
    }
    return admins;
}

QString saveRefusal(const Administrator &admin)
{
    return admin.name.isEmpty() ? QStringLiteral("用户名必须填写！") : QString();
}

QString insert(const SharedConnection &db, const Administrator &admin)
{
    const QString refusal = saveRefusal(admin);
    if (!refusal.isEmpty())
        return refusal;
    QStringList columns{QStringLiteral("AdminName"), QStringLiteral("pwd")};
    QVariantList values{admin.name, factoryPassword()};
    for (const QString &column : rightColumns()) {
        columns << column;
        bool on = false;
        for (auto it = admin.rights.cbegin(); it != admin.rights.cend(); ++it)
            if (it.key().compare(column, Qt::CaseInsensitive) == 0)
                on = it.value();
        values << QVariant(on);
    }
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    db.exec(QStringLiteral("insert into 管理员 (%1) values (%2)")
                .arg(columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
            values);
    return QString();
}

QString update(const SharedConnection &db, const QString &oldName, const Administrator &admin)
{
    Administrator row = admin;
    if (oldName == superName())
        row.name = oldName; // the super administrator keeps its name
    const QString refusal = saveRefusal(row);
    if (!refusal.isEmpty())
        return refusal;
    QStringList sets{QStringLiteral("AdminName = ?")};
    QVariantList values{row.name};
    for (const RightBox &box : rightBoxes()) {
        sets << box.column + QStringLiteral(" = ?");
        values << QVariant(row.rights.value(box.column, false));
    }
    values << oldName;
    db.exec(QStringLiteral("update 管理员 set %1 where AdminName = ?").arg(sets.join(QStringLiteral(", "))),
            values);
    return QString();
}

QString deleteRefusal(const QString &name)
{
    return name == superName() ? QStringLiteral("超级管理员 不能删除！") : QString();
}

QString deleteQuestion(const QString &name)
{
    return QStringLiteral("您是否要删除\" ") + name + QStringLiteral("\"");
}

QString remove(const SharedConnection &db, const QString &name)
{
    const QString refusal = deleteRefusal(name);
    if (!refusal.isEmpty())
        return refusal;
    db.exec(QStringLiteral("delete from 管理员 where AdminName = ?"), {name});
    return QString();
}

PasswordChange changePassword(const SharedConnection &db, const QString &operatorName,
                              const QString &oldPassword, const QString &newPassword,
                              const QString &confirmation)
{
    // The name matches as names do; the password exactly, letter case included.
    QSqlQuery q = db.exec(QStringLiteral("select * from 管理员 where adminname = ?"), {operatorName});
    QString storedName;
    bool found = false;
    while (!found && q.next()) {
        if (q.value(QStringLiteral("pwd")).toString() == oldPassword) {
            found = true;
            storedName = q.value(QStringLiteral("AdminName")).toString();
        }
    }
    if (!found)
        return {false, QStringLiteral("旧密码输入错误！")};
    if (newPassword != confirmation)
        return {false, QStringLiteral("两次输入的新密码不一致！")};
    // An empty new password is stored as empty text, not Null.
    const QString stored = newPassword.isNull() ? QStringLiteral("") : newPassword;
    db.exec(QStringLiteral("update 管理员 set pwd = ? where AdminName = ?"), {stored, storedName});
    return {true, QStringLiteral("修改成功！")};
}

} // namespace Administrators
