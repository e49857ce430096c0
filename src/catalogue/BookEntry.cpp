// SPDX-License-Identifier: MIT
#include "catalogue/BookEntry.h"

const QStringList &BookEntry::boxColumns()
{
    static const QStringList columns{
        QStringLiteral("编号"),   QStringLiteral("条形码"), QStringLiteral("名称"),   QStringLiteral("存放位置"),
        QStringLiteral("索书号"), QStringLiteral("出版社"), QStringLiteral("zch"),    QStringLiteral("分类"),
        QStringLiteral("isbn"),   QStringLiteral("二级分类"), QStringLiteral("出版时间"), QStringLiteral("分类号"),
        QStringLiteral("a1"),     QStringLiteral("数量"),   QStringLiteral("页数"),   QStringLiteral("附件"),
        QStringLiteral("作者"),   QStringLiteral("版次"),   QStringLiteral("译者"),   QStringLiteral("图片地址"),
        QStringLiteral("价格"),   QStringLiteral("状态"),   QStringLiteral("py"),     QStringLiteral("物品级别"),
        QStringLiteral("来源"),   QStringLiteral("币种"),   QStringLiteral("捐赠人"), QStringLiteral("a2"),
        QStringLiteral("a3"),     QStringLiteral("简介")};
    return columns;
}

QString BookEntry::boxColumn(const QString &name)
{
    const QString n = name.trimmed();
    if (n.compare(QStringLiteral("绝对地址"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("图片地址");
    for (const QString &c : boxColumns())
        if (c.compare(n, Qt::CaseInsensitive) == 0)
            return c;
    return {};
}

BookEntry BookEntry::defaults()
{
    BookEntry e;
    e.setValue(QStringLiteral("条形码"), QStringLiteral("n"));
    e.setValue(QStringLiteral("图片地址"), QStringLiteral("n"));
    e.setValue(QStringLiteral("数量"), QStringLiteral("1"));
    e.setValue(QStringLiteral("页数"), QStringLiteral("0"));
    e.setValue(QStringLiteral("价格"), QStringLiteral("0"));
    e.setValue(QStringLiteral("币种"), QStringLiteral("人民币"));
    e.setValue(QStringLiteral("物品级别"), QStringLiteral("普通"));
    e.setValue(QStringLiteral("状态"), QStringLiteral("正常"));
    e.setValue(QStringLiteral("来源"), QStringLiteral("购买"));
    return e;
}

QString BookEntry::value(const QString &column) const
{
    const QString c = boxColumn(column);
    return m_values.value(c.isEmpty() ? column : c);
}

void BookEntry::setValue(const QString &column, const QString &text)
{
    const QString c = boxColumn(column);
    m_values.insert(c.isEmpty() ? column : c, text);
}

bool BookEntry::requiredFilled() const
{
    for (const char *column : {"编号", "名称", "条形码", "数量", "物品级别", "价格"})
        if (value(QString::fromUtf8(column)).isEmpty())
            return false;
    return true;
}
