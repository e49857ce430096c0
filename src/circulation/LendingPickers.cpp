// SPDX-License-Identifier: MIT
#include "circulation/LendingPickers.h"
#include "foundation/SqlDialect.h"

namespace LendingPickers {

namespace {
QString contains(const QString &text)
{
    return QLatin1Char('%') + text + QLatin1Char('%');
}
} // namespace

BoundQuery readers(const SqlDialect &dialect, By by, const QString &text)
{
    switch (by) {
    case By::First200:
        return {dialect.selectTop(200, QStringLiteral("*"), QStringLiteral("from 读者库")), {}};
    case By::NameOrInitials:
        return {QStringLiteral("select * from 读者库 where 读者姓名 like ? or py like ?"), {contains(text), contains(text)}};
    case By::Number:
        break;
    }
    return {QStringLiteral("select * from 读者库 where 读者编号 like ?"), {contains(text)}};
}

BoundQuery items(const SqlDialect &dialect, ItemTable table, By by, const QString &text)
{
    const QString columns = QStringLiteral("名称,编号,条形码,分类,存放位置,出版社,py");
    const QString from = QStringLiteral("from ") + ItemTables::name(table);
    switch (by) {
    case By::First200:
        return {dialect.selectTop(200, columns, from), {}};
    case By::NameOrInitials:
        return {QStringLiteral("select %1 %2 where 名称 like ? or py like ?").arg(columns, from),
                {contains(text), contains(text)}};
    case By::Number:
        break;
    }
    return {QStringLiteral("select %1 %2 where 编号 like ?").arg(columns, from), {contains(text)}};
}

} // namespace LendingPickers
