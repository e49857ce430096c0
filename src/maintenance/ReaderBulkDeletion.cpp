// SPDX-License-Identifier: MIT
#include "maintenance/ReaderBulkDeletion.h"
#include "foundation/SharedConnection.h"
#include "foundation/SqlDialect.h"

#include <QSqlQuery>

namespace {
QStringList firstColumn(const SharedConnection &db, const QString &table)
{
    QStringList names;
    QSqlQuery q = db.exec(QStringLiteral("select * from ") + table);
    while (q.next())
        names << q.value(0).toString();
    return names;
}
} // namespace

QStringList ReaderBulkDeletion::faculties(const SharedConnection &db)
{
    return firstColumn(db, QStringLiteral("院系"));
}

QStringList ReaderBulkDeletion::classes(const SharedConnection &db)
{
    return firstColumn(db, QStringLiteral("班级"));
}

QStringList ReaderBulkDeletion::units(const SharedConnection &db)
{
    return firstColumn(db, QStringLiteral("单位名称"));
}

bool ReaderBulkDeletion::complete(const ReaderChoice &c)
{
    return !(c.byFaculty && c.院系.trimmed().isEmpty()) && !(c.byClass && c.班级.trimmed().isEmpty())
        && !(c.byUnit && c.单位部门.trimmed().isEmpty());
}

QString ReaderBulkDeletion::condition(const ReaderChoice &c, QVariantList *values, const QString &quote,
                                      bool bound)
{
    QStringList parts;
    auto add = [&](bool ticked, const QString &column, const QString &value) {
        if (!ticked)
            return;
        if (bound) {
            parts << column + QStringLiteral("=?");
            values->append(value);
        } else {
            parts << column + QLatin1Char('=') + quote + value + quote;
        }
    };
    add(c.byFaculty, QStringLiteral("院系"), c.院系);
    add(c.byClass, QStringLiteral("班级"), c.班级);
    add(c.byUnit, QStringLiteral("单位部门"), c.单位部门);
    return parts.isEmpty() ? QString() : QStringLiteral(" where ") + parts.join(QStringLiteral(" and "));
}

QString ReaderBulkDeletion::statementText(const SqlDialect &dialect, const ReaderChoice &choice)
{
    return QStringLiteral("delete from 读者库") + condition(choice, nullptr, dialect.textQuote(), false);
}

int ReaderBulkDeletion::count(const SharedConnection &db, const ReaderChoice &choice)
{
    QVariantList values;
    const QString where = condition(choice, &values, QString(), true);
    return db.scalar(QStringLiteral("select count(*) from 读者库") + where, values).toInt();
}

int ReaderBulkDeletion::run(const SharedConnection &db, const ReaderChoice &choice)
{
    QVariantList values;
    const QString where = condition(choice, &values, QString(), true);
    Transaction t(db);
    QSqlQuery q = db.exec(QStringLiteral("delete from 读者库") + where, values);
    const int deleted = q.numRowsAffected();
    t.commit();
    return deleted;
}

QString ReaderBulkDeletion::question(const QString &statement, int count)
{
    return statement + QStringLiteral("\n\n将删除 %1 位读者, 确定要删除吗?").arg(count);
}
