// SPDX-License-Identifier: MIT
#include "catalogue/BookEditing.h"
#include "catalogue/RowEdit.h"
#include "foundation/AdminLog.h"
#include "foundation/LoginSession.h"
#include "foundation/SharedConnection.h"

namespace BookEditing {

const QStringList &editColumns()
{
    static const QStringList columns{
        QStringLiteral("编号"),   QStringLiteral("条形码"), QStringLiteral("名称"),   QStringLiteral("出版社"),
        QStringLiteral("分类"),   QStringLiteral("二级分类"), QStringLiteral("存放位置"), QStringLiteral("a1"),
        QStringLiteral("a2"),     QStringLiteral("a3"),     QStringLiteral("附件"),   QStringLiteral("币种"),
        QStringLiteral("物品级别"), QStringLiteral("状态"),  QStringLiteral("来源"),   QStringLiteral("捐赠人"),
        QStringLiteral("作者"),   QStringLiteral("译者"),   QStringLiteral("页数"),   QStringLiteral("版次"),
        QStringLiteral("isbn"),   QStringLiteral("出版时间"), QStringLiteral("价格"),  QStringLiteral("分类号"),
        QStringLiteral("索书号"), QStringLiteral("zch"),    QStringLiteral("入库时间"), QStringLiteral("绝对地址"),
        QStringLiteral("简介")};
    return columns;
}

QString save(RowEdit &row, const Rights &rights)
{
    if (!rights.qxbkxg)
        return QStringLiteral("没有权限!");
    if (row.value(QStringLiteral("物品级别")).toString().isEmpty())
        row.setValue(QStringLiteral("物品级别"), QStringLiteral("普通"));
    try {
        row.post();
    } catch (const DatabaseError &e) {
        return e.message();
    }
    return {};
}

QString mayCorrectStock(const Rights &rights)
{
    return rights.qxModifyStock ? QString() : QStringLiteral("没有权限!");
}

QString correctStock(const SharedConnection &db, RowEdit &row, const QString &stockText,
                     const QString &operatorName)
{
    if (stockText.isEmpty())
        return QStringLiteral("填写数量!");
    row.setText(QStringLiteral("数量"), stockText);
    const QString barcode = row.value(QStringLiteral("条形码")).toString();
    try {
        row.post([&] {
            AdminLog(db, QStringLiteral("修改库存"), QStringLiteral("条形码:") + barcode, operatorName);
        });
    } catch (const DatabaseError &e) {
        return e.message();
    }
    return {};
}

} // namespace BookEditing
