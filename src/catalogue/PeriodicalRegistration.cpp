// SPDX-License-Identifier: MIT
#include "catalogue/PeriodicalRegistration.h"
#include "foundation/DayClock.h"
#include "foundation/Money.h"
#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"

PeriodicalRegistration::PeriodicalRegistration(const SharedConnection &db, QString operatorName)
    : m_db(db), m_operator(std::move(operatorName))
{
}

const QStringList &PeriodicalRegistration::boxColumns()
{
    static const QStringList columns{
        QStringLiteral("编号"),   QStringLiteral("名称"),   QStringLiteral("条形码"), QStringLiteral("物品级别"),
        QStringLiteral("出版社"), QStringLiteral("存放位置"), QStringLiteral("分类"),  QStringLiteral("二级分类"),
        QStringLiteral("状态"),   QStringLiteral("ISSN"),   QStringLiteral("国内统一刊号"), QStringLiteral("邮发代号"),
        QStringLiteral("第几期"), QStringLiteral("总第几期"), QStringLiteral("价格"),  QStringLiteral("数量"),
        QStringLiteral("py"),     QStringLiteral("简介")};
    return columns;
}

QString PeriodicalRegistration::boxColumn(const QString &name)
{
    for (const QString &c : boxColumns())
        if (c.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return c;
    return {};
}

PeriodicalEntry PeriodicalRegistration::defaults()
{
    PeriodicalEntry e;
    e.setValue(QStringLiteral("数量"), QStringLiteral("1"));
    e.setValue(QStringLiteral("价格"), QStringLiteral("0"));
    e.setValue(QStringLiteral("物品级别"), QStringLiteral("普通"));
    e.setValue(QStringLiteral("状态"), QStringLiteral("正常"));
    return e;
}

QString PeriodicalRegistration::check(const PeriodicalEntry &entry)
{
    for (const char *column : {"编号", "名称", "条形码", "数量", "价格", "物品级别"})
        if (entry.value(QString::fromUtf8(column)).isEmpty())
            return QStringLiteral("字体加重的项目必须填写完整!");
    return {};
}

QString PeriodicalRegistration::save(const PeriodicalEntry &entry) const
{
    QStringList columns;
    QVariantList values;
    for (const QString &column : boxColumns()) {
        // An empty box is Null, as in book registration.
        const QString text = entry.value(column).trimmed();
        columns << column;
        values << (text.isEmpty() ? QVariant() : QVariant(text));
    }
    columns << QStringLiteral("出版时间") << QStringLiteral("借出次数") << QStringLiteral("入库时间")
            << QStringLiteral("登记人");
    values << entry.published.toString(QStringLiteral("yyyy-MM-dd")) << 0
           << QDateTime(DayClock::today(), QTime(0, 0)) << m_operator;
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    try {
        Transaction tx(m_db);
        m_db.exec(QStringLiteral("insert into 期刊(%1) \nvalues(%2)")
                      .arg(columns.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
                  values);
        tx.commit();
    } catch (const DatabaseError &e) {
        return e.message();
    }
    return {};
}

QList<QPair<QString, QString>> PeriodicalRegistration::fromStoredBarcode(const QString &barcode) const
{
    QList<QPair<QString, QString>> copied;
    QSqlQuery q = m_db.exec(QStringLiteral("select * from 期刊 where 条形码=?"), {barcode.trimmed()});
    if (!q.next())
        return copied;
    for (const char *c : {"名称", "物品级别", "出版社", "存放位置", "分类", "二级分类", "ISSN", "国内统一刊号",
                          "邮发代号", "第几期", "总第几期", "价格", "py", "简介"}) {
        const QString column = QString::fromUtf8(c);
        const QVariant v = q.value(column);
        if (v.isNull())
            continue;
        QString text = v.toString();
        if (column == QStringLiteral("物品级别"))
            text = text.trimmed();
        else if (column == QStringLiteral("价格"))
            text = Money::fromVariant(v).toString();
        copied.append({column, text});
    }
    return copied;
}
