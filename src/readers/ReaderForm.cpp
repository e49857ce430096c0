// SPDX-License-Identifier: MIT
#include "readers/ReaderForm.h"
#include "foundation/Money.h"
#include "foundation/Pinyin.h"
#include "foundation/SqlValues.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {
struct Box {
    const char *column;
    QString ReaderForm::*member;
};

const QList<Box> &boxes()
{
    static const QList<Box> all = {
        {"读者编号", &ReaderForm::number},     {"CardId", &ReaderForm::cardId},
        {"读者姓名", &ReaderForm::name},       {"性别", &ReaderForm::sex},
        {"类别", &ReaderForm::category},       {"有效证件", &ReaderForm::document},
        {"证件号码", &ReaderForm::documentNumber}, {"联系电话", &ReaderForm::phone},
        {"班级", &ReaderForm::className},      {"院系", &ReaderForm::department},
        {"单位部门", &ReaderForm::unit},       {"住址", &ReaderForm::address},
        {"备注", &ReaderForm::remark},
    };
    return all;
}

QString field(const QSqlQuery &row, const QString &column)
{
    // PostgreSQL reports unquoted names folded to lower case; QSqlRecord matches
    // without regard to case.
    return row.value(column).toString();
}
} // namespace

const QStringList &ReaderForm::textColumns()
{
    static const QStringList columns = [] {
        QStringList c;
        for (const Box &b : boxes())
            c << QString::fromUtf8(b.column);
        return c;
    }();
    return columns;
}

QString ReaderForm::text(const QString &column) const
{
    for (const Box &b : boxes())
        if (column.compare(QString::fromUtf8(b.column), Qt::CaseInsensitive) == 0)
            return this->*b.member;
    return {};
}

bool ReaderForm::setText(const QString &column, const QString &value)
{
    for (const Box &b : boxes()) {
        if (column.compare(QString::fromUtf8(b.column), Qt::CaseInsensitive) == 0) {
            this->*b.member = value;
            return true;
        }
    }
    return false;
}

ReaderForm ReaderForm::fromRow(const QSqlQuery &row)
{
    ReaderForm f;
    for (const Box &b : boxes())
        f.*b.member = field(row, QString::fromUtf8(b.column));
    f.validUntil = SqlValues::toDate(row.value(QStringLiteral("有效期")));
    f.registered = SqlValues::toDateTime(row.value(QStringLiteral("登记日期")));
    f.photo = row.value(QStringLiteral("pic")).toByteArray();
    f.state = field(row, QStringLiteral("状态"));
    f.loans = row.value(QStringLiteral("累计借阅次数")).toInt();
    f.balance = Money::fromVariant(row.value(QStringLiteral("卡内金额"))).toString();
    return f;
}

QString ReaderPinyin(const QString &name)
{
    return PinyinOf(name).trimmed();
}
