// SPDX-License-Identifier: MIT
#include "reftables/CodeTables.h"

namespace CodeTables {
namespace {
CodeTable single(const QString &table, const QString &nameColumn)
{
    return {table, {nameColumn}, {}};
}
} // namespace

CodeTable bkKind() { return single(QStringLiteral("分类"), QStringLiteral("名称")); }
CodeTable bk2Kind() { return single(QStringLiteral("二级分类"), QStringLiteral("名称")); }
CodeTable publisher()
{
    return {QStringLiteral("出版社名"),
            {QStringLiteral("出版社名"), QStringLiteral("ISBN"), QStringLiteral("出版地")},
            {QStringLiteral("ISBN"), QStringLiteral("出版社名"), QStringLiteral("出版地")}};
}
CodeTable department() { return single(QStringLiteral("单位名称"), QStringLiteral("单位名称")); }
CodeTable place() { return single(QStringLiteral("存放位置"), QStringLiteral("存放位置名")); }
CodeTable paper() { return single(QStringLiteral("证件名"), QStringLiteral("证件名")); }
CodeTable moneyKind() { return single(QStringLiteral("币种"), QStringLiteral("币种")); }
CodeTable a1() { return single(QStringLiteral("a1"), QStringLiteral("名称")); }
CodeTable a2() { return single(QStringLiteral("a2"), QStringLiteral("名称")); }
CodeTable a3() { return single(QStringLiteral("a3"), QStringLiteral("名称")); }

} // namespace CodeTables
