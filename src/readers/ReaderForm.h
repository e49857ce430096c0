// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

class QSqlQuery;

// The values of a reader's boxes in the registration and editing windows, one member per
// 读者库 column. The editing window also shows the counters, state and balance, which it
// never writes; they are read with the row for display only.
struct ReaderForm {
    QString number;         // 读者编号
    QString cardId;         // CardId
    QString name;           // 读者姓名
    QString sex = QStringLiteral("男");      // 性别
    QString category = QStringLiteral("普通"); // 类别
    QString document;       // 有效证件
    QString documentNumber; // 证件号码
    QString phone;          // 联系电话
    QString className;      // 班级
    QString department;     // 院系
    QString unit;           // 单位部门
    QString address;        // 住址
    QString remark;         // 备注
    QDate validUntil;       // 有效期
    QDateTime registered;   // 登记日期 (the editing window's box; registration stamps now)
    QByteArray photo;       // pic, BMP bytes; empty for none

    // Shown only by the editing window.
    QString state;          // 状态
    int loans = 0;          // 累计借阅次数
    QString balance;        // 卡内金额 as its shortest text

    // The 读者库 columns that have a text box on the registration window, in window
    // order (bookctl's --set accepts these and 有效期).
    static const QStringList &textColumns();
    // The text of a box by its column; empty for an unknown column.
    QString text(const QString &column) const;
    // Sets a box by its column (without regard to case); false for an unknown column.
    bool setText(const QString &column, const QString &value);

    // Reads the current row of a select over 读者库 (either engine).
    static ReaderForm fromRow(const QSqlQuery &row);
};

// The py value of a reader's name: the name's GBK bytes read as pairs, each pair's
// initial letter, trimmed. A Latin letter shifts the pairing of what follows.
QString ReaderPinyin(const QString &name);
