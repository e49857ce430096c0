// SPDX-License-Identifier: MIT
#include "readers/LendingRuleTable.h"
#include "foundation/Money.h"
#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"

#include <QSqlQuery>
#include <QSqlRecord>

LendingRuleTable LendingRuleTable::readerCategories()
{
    LendingRuleTable t;
    t.m_table = QStringLiteral("读者类别");
    t.m_nameColumn = QStringLiteral("类别名");
    t.m_nameCaption = QStringLiteral("读者类别名");
    t.m_fields = {{QStringLiteral("借阅天数"), QStringLiteral("借阅天数"), Kind::Number},
                  {QStringLiteral("借阅数量限制"), QStringLiteral("数量限制"), Kind::Number},
                  {QStringLiteral("租金"), QStringLiteral("租金"), Kind::Money}};
    t.m_keepMessage = QStringLiteral("(普通)不能删除！");
    return t;
}

LendingRuleTable LendingRuleTable::itemLevels()
{
    LendingRuleTable t;
    t.m_table = QStringLiteral("物品级别");
    t.m_nameColumn = QStringLiteral("名称");
    t.m_nameCaption = QStringLiteral("名称");
    t.m_fields = {{QStringLiteral("租金"), QStringLiteral("租金(元)"), Kind::Money},
                  {QStringLiteral("可借数量"), QStringLiteral("可借数量"), Kind::Number,
                   QStringLiteral("(0 就是不限制)")}};
    t.m_keepMessage = QStringLiteral("\"普通\"类型必须保留!");
    return t;
}

QStringList LendingRuleTable::columns() const
{
    QStringList names;
    if (const Schema::Table *t = Schema::findTable(m_table))
        for (const Schema::Column &c : t->columns)
            names << c.name;
    return names;
}

QString LendingRuleTable::selectStatement() const
{
    return QStringLiteral("select * from ") + m_table;
}

QString LendingRuleTable::check(const QString &name, const QStringList &values) const
{
    const QString incomplete = QStringLiteral("请填写完整！");
    if (name.isEmpty())
        return incomplete;
    for (int i = 0; i < m_fields.size(); ++i) {
        const QString v = values.value(i).trimmed();
        bool ok = false;
        if (m_fields[i].kind == Kind::Number) {
            v.toInt(&ok);
        } else {
            Money m;
            ok = Money::parse(v, &m);
        }
        if (!ok)
            return incomplete;
    }
    return {};
}

QList<QStringList> LendingRuleTable::rows(const SharedConnection &db) const
{
    QList<QStringList> rows;
    const QStringList cols = columns();
    QSqlQuery q = db.exec(selectStatement());
    while (q.next()) {
        QStringList row;
        for (const QString &c : cols) {
            const QVariant v = q.value(c);
            if (Schema::typeOf(m_table, c) == Schema::Type::Money && !v.isNull())
                row << Money::fromVariant(v).toString();
            else
                row << v.toString();
        }
        rows << row;
    }
    return rows;
}

QVariantList LendingRuleTable::bound(const QString &name, const QStringList &values) const
{
    QVariantList v{name};
    for (int i = 0; i < m_fields.size(); ++i) {
        const QString text = values.value(i).trimmed();
        if (m_fields[i].kind == Kind::Money)
            v << Money::fromText(text).toSql();
        else
            v << text.toInt();
    }
    return v;
}

void LendingRuleTable::insert(const SharedConnection &db, const QString &name, const QStringList &values) const
{
    QStringList cols{m_nameColumn};
    QStringList marks{QStringLiteral("?")};
    for (const Field &f : m_fields) {
        cols << f.column;
        marks << QStringLiteral("?");
    }
    Transaction t(db);
    db.exec(QStringLiteral("insert into %1 (%2) values (%3)")
                .arg(m_table, cols.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
            bound(name, values));
    t.commit();
}

void LendingRuleTable::update(const SharedConnection &db, const QString &oldName, const QString &name,
                              const QStringList &values) const
{
    QStringList sets{m_nameColumn + QStringLiteral("=?")};
    for (const Field &f : m_fields)
        sets << f.column + QStringLiteral("=?");
    QVariantList v = bound(name, values);
    v << oldName;
    Transaction t(db);
    db.exec(QStringLiteral("update %1 set %2 where %3=?").arg(m_table, sets.join(QLatin1Char(',')), m_nameColumn), v);
    t.commit();
}

QString LendingRuleTable::removalRefusal(const QString &name) const
{
    return name == QStringLiteral("普通") ? m_keepMessage : QString();
}

void LendingRuleTable::remove(const SharedConnection &db, const QString &name) const
{
    Transaction t(db);
    db.exec(QStringLiteral("delete from %1 where %2=?").arg(m_table, m_nameColumn), {name});
    t.commit();
}

QString LendingRuleTable::deleteQuestion(const QString &firstColumnValue)
{
    return QStringLiteral("您是否要删除\" ") + firstColumnValue + QStringLiteral("\"");
}
