// SPDX-License-Identifier: MIT
#pragma once
#include <QDate>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class SharedConnection;

// The texts of the periodical registration boxes keyed by the 期刊 column each fills
// (schema spelling); 出版时间 is the picked date.
struct PeriodicalEntry {
    QHash<QString, QString> values;
    QDate published;

    QString value(const QString &column) const { return values.value(column); }
    void setValue(const QString &column, const QString &text) { values.insert(column, text); }
};

// Registration of periodical issues, one row of 期刊 each.
class PeriodicalRegistration
{
public:
    PeriodicalRegistration(const SharedConnection &db, QString operatorName);

    // The columns that have a box, in the window's order.
    static const QStringList &boxColumns();
    // The schema spelling of a box column, or empty when no box fills it.
    static QString boxColumn(const QString &name);
    // The values after the reset: 数量 "1", 价格 "0", 物品级别 "普通", 状态 "正常".
    static PeriodicalEntry defaults();

    // "字体加重的项目必须填写完整!" when 编号, 名称, 条形码, 数量, 价格 or 物品级别 is empty
    // (blanks counting as text); else empty.
    static QString check(const PeriodicalEntry &entry);

    // Writes the issue (every text trimmed, 出版时间 "yyyy-MM-dd", 入库时间 today without a
    // time of day, 借出次数 0, 登记人 the operator). Empty when stored, else the
    // database's message (a 编号 already held, a value that does not fit).
    QString save(const PeriodicalEntry &entry) const;

    // The description of an issue stored under this barcode (trimmed), for the next issue
    // of the title: 名称, 物品级别 (trimmed), 出版社, 存放位置, 分类, 二级分类, ISSN,
    // 国内统一刊号, 邮发代号, 第几期, 总第几期, 价格, py, 简介 in this order, each only when
    // not Null. Empty when no issue has the barcode. Throws DatabaseError.
    QList<QPair<QString, QString>> fromStoredBarcode(const QString &barcode) const;

private:
    const SharedConnection &m_db;
    QString m_operator;
};
