// SPDX-License-Identifier: MIT
#include "readers/ReaderSearch.h"
#include "foundation/Schema.h"
#include "foundation/SqlValues.h"

#include <QDateTime>

namespace ReaderSearch {
namespace {
const QString kTable = QStringLiteral("读者库");

QString dateCondition()
{
    return QStringLiteral("登记日期 >=? and 登记日期<=?");
}

void addDates(const Request &r, QVariantList *values)
{
    // Date-time column against midnight of the picked days.
    *values << QDateTime(r.from, QTime(0, 0)) << QDateTime(r.to, QTime(0, 0));
}
} // namespace

QStringList fieldItems()
{
    return {QStringLiteral("读者编号"), QStringLiteral("读者姓名"), QStringLiteral("读者卡号"),
            QStringLiteral("类别"),     QStringLiteral("单位部门"), QStringLiteral("院系"),
            QStringLiteral("班级"),     QStringLiteral("住址"),     QStringLiteral("联系电话"),
            QStringLiteral("证件号码"), QStringLiteral("有效证件"), QStringLiteral("性别"),
            QStringLiteral("备注")};
}

QString allStatement()
{
    return QStringLiteral("select * from 读者库  order by 1,2");
}

Statement build(const Request &request)
{
    Statement s;
    const QString value = request.value.trimmed();
    const QString field = request.field;
    if (!((!field.isEmpty() && !value.isEmpty()) || request.byDate)) {
        s.refusal = QStringLiteral("请填写好查询条件!");
        return s;
    }
    if (value.isEmpty()) {
        s.sql = QStringLiteral("select * from 读者库 where ") + dateCondition();
        addDates(request, &s.values);
        return s;
    }
    QString column = field == QStringLiteral("读者卡号") ? QStringLiteral("CardId") : field.trimmed();
    const Schema::Table *table = Schema::findTable(kTable);
    const Schema::Column *c = table ? Schema::findColumn(*table, column) : nullptr;
    if (!c || c->type == Schema::Type::Picture) {
        s.refusal = QStringLiteral("读者库中没有字段\"%1\"!").arg(field);
        return s;
    }
    column = c->name; // the schema's spelling; never the typed text
    if (request.exact) {
        s.sql = QStringLiteral("select * from 读者库 where ") + column + QStringLiteral(" = ?");
        s.values << value;
    } else {
        // A number or date column is matched by its text on both engines.
        const bool text = c->type == Schema::Type::Text || c->type == Schema::Type::Memo;
        const QString operand = text ? column : QStringLiteral("cast(%1 as text)").arg(column);
        s.sql = QStringLiteral("select * from 读者库 where ") + operand + SqlValues::likeContains();
        s.values << SqlValues::containsPattern(value);
    }
    if (request.byDate) {
        s.sql += QStringLiteral(" and ") + dateCondition();
        addDates(request, &s.values);
    }
    s.sql += QStringLiteral(" order by 1,2");
    return s;
}

} // namespace ReaderSearch
