// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QStringList>

// One code table as its editor window sees it: the table, the columns the edit boxes
// hold (the first is the name, the one required box) and the columns the list shows.
struct CodeTable {
    QString table;
    QStringList columns;     // edited columns, name first
    QStringList listColumns; // the list's columns in order; empty: every column
};

// The ten code tables that the reference-table windows edit.
namespace CodeTables {
CodeTable bkKind();     // 分类
CodeTable bk2Kind();    // 二级分类
CodeTable publisher();  // 出版社名, shown as ISBN, 出版社名, 出版地
CodeTable department(); // 单位名称
CodeTable place();      // 存放位置
CodeTable paper();      // 证件名
CodeTable moneyKind();  // 币种
CodeTable a1();
CodeTable a2();
CodeTable a3();
} // namespace CodeTables
