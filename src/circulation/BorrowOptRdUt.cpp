// SPDX-License-Identifier: MIT
#include "circulation/BorrowOptRdUt.h"
#include "circulation/LendingPickers.h"
#include "foundation/GridWidget.h"
#include "foundation/SharedConnection.h"

#include <QLineEdit>

TBorrowOptRdFm::TBorrowOptRdFm(SharedConnection &db, QWidget *parent)
    : TBorrowPickerBase(db, QStringLiteral("姓名或者首拼(&N):"), QStringLiteral("读者编号(&B):"), parent)
{
    setObjectName(QStringLiteral("BorrowOptRdFm"));
    QList<GridColumn> columns;
    for (const char *f : {"读者编号", "读者姓名", "性别", "单位部门", "联系电话", "类别", "住址", "有效证件", "证件号码",
                          "累计借阅次数", "未还数量", "登记日期", "有效期", "状态", "备注", "密码", "卡内金额", "登记人"})
        columns << GridColumn(f);
    DBGrid1->setColumns(columns);
    DBGrid1->setKeyField(QStringLiteral("读者编号"));
    list(LendingPickers::readers(m_db.dialect(), LendingPickers::By::First200, {}));
    Edit1->setFocus();
}

void TBorrowOptRdFm::Edit1Enter()
{
    list(LendingPickers::readers(m_db.dialect(), LendingPickers::By::NameOrInitials, Edit1->text()));
}

void TBorrowOptRdFm::Edit2Enter()
{
    list(LendingPickers::readers(m_db.dialect(), LendingPickers::By::Number, Edit2->text()));
}
