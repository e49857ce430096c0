// SPDX-License-Identifier: MIT
#pragma once
#include <QMap>
#include <QString>
#include <QStringList>

class IniFile;
class SharedConnection;

// The one row of 系统设置 as the library settings window shows it: texts as in their
// boxes, the two radio groups as one choice each, the switches by column name.
struct LibrarySettingsRow {
    QString 图书馆名, 地址, 电话, 负责人;
    QString 超期每日罚金, 押金倍数, 开户费; // as typed; empty is Null
    enum class ReturnFocus { None, BookNumber, ReaderNumber, Barcode };
    enum class LendFocus { None, Number, Barcode };
    ReturnFocus returnFocus = ReturnFocus::None;
    LendFocus lendFocus = LendFocus::None;
    QMap<QString, bool> switches; // 借出时打印清单 … 启用押金功能
    QString 借阅证背面文字, WebNotice;
    QString a1, a2, a3;
};

// Reading and writing the library settings: the row of 系统设置 and the two ini
// switches BcCc and RemindYN of part1.
class LibrarySettings
{
public:
    // The yes/no columns with a check box, in the window's order; 启用押金功能 last
    // (its box is hidden).
    static const QStringList &switchColumns();

    // The first row of "select * from 系统设置". Throws DatabaseError (also when the
    // table holds no row).
    static LibrarySettingsRow load(const SharedConnection &db);

    struct SaveResult {
        bool ok = false;
        QString message;  // the refusal or the database's message
        QString field;    // the column whose box should take the focus, if any
    };
    // 保存: a1 trimmed ("密级" when empty); 开户费 required and every number readable,
    // else nothing is written; then BcCc and RemindYN go to the ini, then the row with
    // at most one true column per radio group.
    static SaveResult save(const SharedConnection &db, LibrarySettingsRow row, IniFile &ini, bool bcCc,
                           bool remindYN);

    // The message for an empty 开户费 box.
    static QString feeRequiredMessage();
};
