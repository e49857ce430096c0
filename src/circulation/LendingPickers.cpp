// SPDX-License-Identifier: MIT
#include "circulation/LendingPickers.h"
#include "foundation/SqlDialect.h"
#include "foundation/SqlValues.h"

namespace LendingPickers {

namespace {
QString contains(const QString &text)
{
    return SqlValues::containsPattern(text);
}

// "F like ? escape ...", the form that matches a backslash as itself on both engines.
QString like(const char *column)
{
    return QString::fromUtf8(column) + SqlValues::likeContains();
}
} // namespace

BoundQuery readers(const SqlDialect &dialect, By by, const QString &text)
{
    switch (by) {
    case By::First200:
        return {dialect.selectTop(200, QStringLiteral("*"), QStringLiteral("from 读者库")), {}};
    case By::NameOrInitials:
        return {QStringLiteral("select * from 读者库 where %1 or %2").arg(like("读者姓名"), like("py")),
                {contains(text), contains(text)}};
    case By::Number:
        break;
    }
    return {QStringLiteral("select * from 读者库 where ") + like("读者编号"), {contains(text)}};
}

BoundQuery items(const SqlDialect &dialect, ItemTable table, By by, const QString &text)
{
    const QString columns = QStringLiteral("名称,编号,条形码,分类,存放位置,出版社,py");
    const QString from = QStringLiteral("from ") + ItemTables::name(table);
    switch (by) {
    case By::First200:
        return {dialect.selectTop(200, columns, from), {}};
    case By::NameOrInitials:
        return {QStringLiteral("select %1 %2 where %3 or %4").arg(columns, from, like("名称"), like("py")),
                {contains(text), contains(text)}};
    case By::Number:
        break;
    }
    return {QStringLiteral("select %1 %2 where ").arg(columns, from) + like("编号"), {contains(text)}};
}

} // namespace LendingPickers
