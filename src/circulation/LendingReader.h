// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/Money.h"

#include <QDate>
#include <QString>

class LoginSession;
class SharedConnection;

// The reader loaded at the lending counter with the values of the reader's category
// that lending needs.
struct LendingReader {
    QString 读者编号;
    QString 读者姓名;
    QString 性别;
    QString 类别;
    QString 状态;
    int 未还数量 = 0;
    int 累计借阅次数 = 0;
    Money 卡内金额;
    QDate 有效期;
    // Of the category (读者类别): loan limit, loan days, daily rent.
    int 借阅数量限制 = 0;
    int 借阅天数 = 0;
    Money 租金;

    bool isValid() const { return !读者编号.isEmpty(); }
};

// The reader lookup of the lending counter: by reader number or card number, refusing
// a reader who is not "正常", whose card has expired (when validity is switched on) or
// whose category is missing.
namespace LendingReaderLookup {
struct Result {
    bool ok = false;
    QString message; // the refusal, empty when ok
    LendingReader reader;
};
// typed is trimmed here. Throws DatabaseError.
Result find(const SharedConnection &db, const LoginSession &session, const QString &typed);
} // namespace LendingReaderLookup
