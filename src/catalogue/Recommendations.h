// SPDX-License-Identifier: MIT
#pragma once
#include "catalogue/ListStatement.h"

#include <QString>

class SharedConnection;
struct Rights;

// The list of recommended books b_tuiJian.
class Recommendations
{
public:
    explicit Recommendations(const SharedConnection &db) : m_db(db) {}

    // A reason may hold at most 50 bytes in GBK (25 Chinese characters).
    static bool reasonFits(const QString &reason);
    static QString tooLongMessage() { return QStringLiteral("不能大于25个汉字或50个字符!"); }

    // "推荐" of the current book (its 编号): "没有权限!" without qxadmin; an empty reason
    // ends silently (false, no message); a reason over 50 bytes is refused; otherwise the
    // book's 编号, 名称, 作者, 分类 and 存放位置 are copied with the operator and reason.
    // True when a row was written; *message holds a refusal. Throws DatabaseError.
    bool recommend(const QString &bookNumber, const QString &reason, const Rights &rights,
                   const QString &operatorName, QString *message) const;

    static ListStatement list() { return {QStringLiteral("select * from B_tuiJian"), {}}; }
    // Throws DatabaseError.
    void remove(qlonglong id) const;
    void removeAll() const;

private:
    const SharedConnection &m_db;
};
