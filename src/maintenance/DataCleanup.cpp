// SPDX-License-Identifier: MIT
#include "maintenance/DataCleanup.h"
#include "foundation/SharedConnection.h"

const QList<DataCleanup::Step> &DataCleanup::steps()
{
    static const QList<Step> list{
        {Part::Books, QStringLiteral("删除图书信息"), QStringLiteral("图书"), QStringLiteral("delete from 图书"), {},
         QStringLiteral("删除图书数据完毕!")},
        {Part::Periodicals, QStringLiteral("删除期刊信息"), QStringLiteral("期刊"), QStringLiteral("delete from 期刊"),
         {}, QStringLiteral("删除期刊数据完毕!")},
        {Part::Readers, QStringLiteral("删除读者信息"), QStringLiteral("读者"), QStringLiteral("delete from 读者库"),
         {}, QStringLiteral("删除读者数据完毕!")},
        {Part::AllLoans, QStringLiteral("删除全部借阅记录"), QStringLiteral("借阅"),
         QStringLiteral("delete from 借出记录"), {}, QStringLiteral("删除借阅记录数据完毕!")},
        {Part::Income, QStringLiteral("删除资金记录"), QStringLiteral("资金"), QStringLiteral("delete from 收入"), {},
         QStringLiteral("删除资金记录数据完毕!")},
        {Part::ReturnedLoans, QStringLiteral("删除已还借阅记录"), QStringLiteral("已还借阅"),
         QStringLiteral("delete from 借出记录 where 已还=?"), {QStringLiteral("是")},
         QStringLiteral("删除已还借阅记录数据完毕!")},
        {Part::AdminLog, QStringLiteral("删除管理员日志"), QStringLiteral("日志"),
         QStringLiteral("delete from 管理员日志"), {}, QStringLiteral("删除管理员日志完毕!")},
        {Part::Publishers, QStringLiteral("出版社"), QStringLiteral("出版社"), QStringLiteral("delete from 出版社名"),
         {}, QStringLiteral("删除出版社名完毕!")},
    };
    return list;
}

bool DataCleanup::partNamed(const QString &name, Part *part)
{
    for (const Step &s : steps())
        if (s.name == name.trimmed()) {
            *part = s.part;
            return true;
        }
    return false;
}

bool DataCleanup::passwordAccepted(const QString &typed)
{
    return typed == QLatin1String("qwpz");
}

DataCleanup::Result DataCleanup::run(const SharedConnection &db, const QString &password,
                                     const QList<Part> &chosen)
{
    Result result;
    if (!passwordAccepted(password)) {
        result.error = wrongPassword();
        return result;
    }
    QStringList messages;
    try {
        Transaction t(db);
        for (const Step &s : steps())
            if (chosen.contains(s.part)) {
                db.exec(s.statement, s.values);
                messages << s.message;
            }
        t.commit();
    } catch (const DatabaseError &e) {
        result.error = e.message();
        return result;
    }
    result.ok = true;
    result.messages = messages;
    return result;
}
