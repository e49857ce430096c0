// SPDX-License-Identifier: MIT
#include "readers/ReaderRegistry.h"
#include "foundation/AdminLog.h"
#include "foundation/DayClock.h"
#include "foundation/SharedConnection.h"
#include "readers/IncomeJournal.h"

#include <QSqlQuery>

namespace ReaderRegistry {
namespace {

// A box's value as stored: trimmed; an empty box is Null, so that an empty card
// number never matches another empty one.
QVariant stored(const QString &text)
{
    const QString t = text.trimmed();
    return t.isEmpty() ? QVariant() : QVariant(t);
}

QVariant storedDate(const QDate &d)
{
    return d.isValid() ? QVariant(d) : QVariant();
}

QStringList firstColumn(const SharedConnection &db, const QString &sql)
{
    QStringList names;
    QSqlQuery q = db.exec(sql);
    while (q.next())
        names << q.value(0).toString();
    return names;
}

// Runs one optional statement in a savepoint of its own; an error there is dropped.
void optional(const SharedConnection &db, const QString &name, const QString &sql,
              const QVariantList &values)
{
    db.savepoint(name);
    try {
        db.exec(sql, values);
        db.releaseSavepoint(name);
    } catch (const DatabaseError &) {
        db.rollbackToSavepoint(name);
        db.releaseSavepoint(name);
    }
}

} // namespace

QDate defaultValidUntil()
{
    return DayClock::today().addDays(14600);
}

QString missingRequired(const ReaderForm &form)
{
    if (form.number.isEmpty() || form.name.isEmpty() || form.category.isEmpty())
        return QStringLiteral("字体加重的项目必须填写!");
    return {};
}

Registration registerReader(const SharedConnection &db, const ReaderForm &form, Money openingFee,
                            const QString &operatorName)
{
    const QDateTime now = DayClock::now();
    Registration r;
    r.number = form.number.trimmed();
    r.py = ReaderPinyin(form.name);

    Transaction t(db);
    db.exec(QStringLiteral("insert into 读者库 (读者编号,CardId,读者姓名,性别,类别,有效证件,证件号码,联系电话,"
                           "登记日期,有效期,班级,院系,单位部门,住址,备注,py,登记人,状态,密码,未还数量,累计借阅次数) "
                           "values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
            {stored(form.number), stored(form.cardId), stored(form.name), stored(form.sex),
             stored(form.category), stored(form.document), stored(form.documentNumber), stored(form.phone),
             now, storedDate(form.validUntil), stored(form.className), stored(form.department),
             stored(form.unit), stored(form.address), stored(form.remark), stored(r.py), operatorName,
             QStringLiteral("正常"), QStringLiteral("8316"), 0, 0});
    if (!form.photo.isEmpty())
        optional(db, QStringLiteral("reader_photo"), QStringLiteral("update 读者库 set pic=? where 读者编号=?"),
                 {form.photo, r.number});
    optional(db, QStringLiteral("reader_tmpa"), QStringLiteral("update 读者库 set TmpA=? where 读者编号=?"),
             {now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) + QStringLiteral("+A"), r.number});
    if (openingFee > Money()) {
        IncomeJournal::Entry fee;
        fee.item = QStringLiteral("开户费");
        fee.time = QDateTime(DayClock::today(), QTime(0, 0));
        fee.readerNumber = form.number; // as typed
        fee.readerName = form.name;
        fee.amount = openingFee;
        fee.operatorName = operatorName;
        fee.remark = QString();
        IncomeJournal::append(db, fee);
        r.feeJournalled = true;
    }
    t.commit();
    return r;
}

bool load(const SharedConnection &db, const QString &number, ReaderForm *form)
{
    QSqlQuery q = db.exec(QStringLiteral("select * from 读者库 where 读者编号=?"), {number});
    if (!q.next())
        return false;
    *form = ReaderForm::fromRow(q);
    return true;
}

bool update(const SharedConnection &db, const QString &oldNumber, const ReaderForm &form)
{
    Transaction t(db);
    QSqlQuery q = db.exec(QStringLiteral("update 读者库 set 读者编号=?,CardId=?,读者姓名=?,性别=?,类别=?,有效证件=?,"
                                         "证件号码=?,联系电话=?,登记日期=?,有效期=?,班级=?,院系=?,单位部门=?,"
                                         "住址=?,备注=?,py=?,pic=? where 读者编号=?"),
                          {stored(form.number), stored(form.cardId), stored(form.name), stored(form.sex),
                           stored(form.category), stored(form.document), stored(form.documentNumber),
                           stored(form.phone),
                           form.registered.isValid() ? QVariant(form.registered) : QVariant(),
                           storedDate(form.validUntil), stored(form.className), stored(form.department),
                           stored(form.unit), stored(form.address), stored(form.remark),
                           stored(ReaderPinyin(form.name)),
                           form.photo.isEmpty() ? QVariant(QMetaType(QMetaType::QByteArray)) : QVariant(form.photo),
                           oldNumber});
    const bool found = q.numRowsAffected() > 0;
    t.commit();
    return found;
}

QString stateLogDetail(const QString &number, const QString &name, const QString &state,
                       const QString &remark)
{
    return QStringLiteral("读者编号:") + number + QStringLiteral(",姓名:") + name + QStringLiteral(",状态改为:[") +
           state + QStringLiteral("],") + remark;
}

void changeState(const SharedConnection &db, const QString &number, const QString &name,
                 const QString &state, const QString &remark, const QString &operatorName)
{
    Transaction t(db);
    db.exec(QStringLiteral("update 读者库 set 状态=? where 读者编号=?"), {state, number});
    AdminLog(db, QStringLiteral("修改状态"), stateLogDetail(number, name, state, remark), operatorName);
    t.commit();
}

int remove(const SharedConnection &db, const QString &number)
{
    Transaction t(db);
    QSqlQuery q = db.exec(QStringLiteral("delete from 读者库 where 读者编号=?"), {number});
    const int n = q.numRowsAffected();
    t.commit();
    return n;
}

QStringList categoryNames(const SharedConnection &db)
{
    return firstColumn(db, QStringLiteral("select 类别名 from 读者类别"));
}

QStringList unitNames(const SharedConnection &db)
{
    return firstColumn(db, QStringLiteral("select 单位名称 from 单位名称"));
}

QStringList documentNames(const SharedConnection &db)
{
    return firstColumn(db, QStringLiteral("select 证件名 from 证件名"));
}

} // namespace ReaderRegistry
