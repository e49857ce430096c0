// SPDX-License-Identifier: MIT
#pragma once
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class SharedConnection;

// The operators in 管理员: their rows, the rules of the super administrator, the factory
// password of new operators and the change of one's own password. Rows are addressed by
// AdminName, the table's key. Passwords compare exactly, letter case included.
namespace Administrators {

QString superName();       // "超级管理员"
QString factoryPassword(); // "8316"

// A right with a check box in the administrators window: its column and caption, in
// the order of the window.
struct RightBox {
    QString column;
    QString caption;
};
const QList<RightBox> &rightBoxes();
// Every right column of 管理员 (the boxes' and qxwp, qxwpxg, qxDjXg).
const QStringList &rightColumns();

struct Administrator {
    QString name;
    QMap<QString, bool> rights; // by the columns of rightBoxes()
};

// Every row of "select * from 管理员", in table order.
QList<Administrator> list(const SharedConnection &db);

// Saving: "用户名必须填写！" when the name is empty, else empty.
QString saveRefusal(const Administrator &admin);
// A new operator: the password "8316", the boxes' rights as given, the rights without a
// box false. Returns the refusal, or empty when written. Throws DatabaseError.
QString insert(const SharedConnection &db, const Administrator &admin);
// Writes the name and the boxes' rights of the row named oldName; the super
// administrator keeps its name whatever is given. Throws DatabaseError.
QString update(const SharedConnection &db, const QString &oldName, const Administrator &admin);

// Deleting: "超级管理员 不能删除！" for the super administrator, else empty.
QString deleteRefusal(const QString &name);
// The confirmation: 您是否要删除" <name>".
QString deleteQuestion(const QString &name);
// Deletes the row by its name; returns the refusal for the super administrator.
QString remove(const SharedConnection &db, const QString &name);

struct PasswordChange {
    bool ok = false;
    QString message; // "旧密码输入错误！", "两次输入的新密码不一致！" or "修改成功！"
};
// The signed-in operator's own password: the old one must match exactly, the new one
// and its confirmation must agree (an empty new password is accepted).
PasswordChange changePassword(const SharedConnection &db, const QString &operatorName,
                              const QString &oldPassword, const QString &newPassword,
                              const QString &confirmation);

} // namespace Administrators
