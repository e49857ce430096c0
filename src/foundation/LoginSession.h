// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/AppConfig.h"
#include "foundation/Money.h"
#include "foundation/SqlDialect.h"

#include <QString>

// The operator's rights, loaded from the 管理员 row at sign-in.
struct Rights {
    bool qxadmin = false, qxdel = false, qxbk = false, qxrd = false, qxqk = false, qxwp = false,
         qxbkxg = false, qxrdxg = false, qxqkxg = false, qxwpxg = false, qxborrow = false,
         qxreturn = false, qxsysset = false, qxadddata = false, qxModifyStock = false;

    // The fifteen rights in their sign-in order with their names.
    static const QStringList &names();
    bool value(int index) const;
    void setValue(int index, bool on);
};

// The library switches of 系统设置, loaded at every sign-in attempt.
struct LibrarySwitches {
    bool 启用租金功能 = false;
    bool 启用读者租金 = false;
    bool 启用读者有效期 = false;
    bool 启用超期罚金 = false;
    bool 借阅数量限制功能 = false;
    bool 启用押金功能 = false;
    QString 图书馆名;
    Money 超期每日罚金;
    double 押金倍数 = 0;
    double 赔损金额倍数 = 0;
    Money 开户费;
    bool 显示班级 = false;
    bool 显示院系 = false;
    bool 启用预定功能 = false;
    QString a1Caption = QStringLiteral("密级");
    QString a2Caption = QStringLiteral("a2");
    QString a3Caption = QStringLiteral("a3");
};

// The one process-wide record: the ini part filled at start, the switches at every
// sign-in attempt, the rights and OperatorName at the successful sign-in.
class LoginSession
{
public:
    static LoginSession &current();

    AppConfig config;
    LibrarySwitches switches;
    Rights rights;
    QString OperatorName;
    bool signedIn = false;

    SqlDialect dialect() const { return SqlDialect(config.abc); }
};
