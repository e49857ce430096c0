// SPDX-License-Identifier: MIT
#pragma once
#include <QHash>
#include <QString>
#include <QStringList>

// The texts of the book registration boxes, keyed by the 图书 column each box fills
// (图片地址 stands for the 电子文档 box, which fills 绝对地址 as well). Names are
// matched without regard to case and kept in the schema's spelling.
class BookEntry
{
public:
    // The values after the reset of the registration window.
    static BookEntry defaults();
    // The columns that have a box, in the window's order.
    static const QStringList &boxColumns();
    // The schema spelling of a box column, or empty when no box fills that column.
    static QString boxColumn(const QString &name);

    QString value(const QString &column) const;
    void setValue(const QString &column, const QString &text);

    // True when every required box (编号, 名称, 条形码, 数量, 物品级别, 价格) holds a text,
    // blanks counting as text.
    bool requiredFilled() const;

private:
    QHash<QString, QString> m_values;
};
