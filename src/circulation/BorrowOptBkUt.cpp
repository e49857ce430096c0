// SPDX-License-Identifier: MIT
#include "circulation/BorrowOptBkUt.h"
#include "circulation/LendingPickers.h"
#include "foundation/GridWidget.h"
#include "foundation/SharedConnection.h"

#include <QLineEdit>

TBorrowOptBkFm::TBorrowOptBkFm(SharedConnection &db, ItemTable table, ItemKey key, QWidget *parent)
    : TBorrowPickerBase(db, QStringLiteral("名称或者首拼(&N):"), QStringLiteral("编号(&B):"), parent),
      m_table(table), m_key(key)
{
    setObjectName(QStringLiteral("BorrowOptBkFm"));
    DBGrid1->setColumns(GridColumn::fromFields({QStringLiteral("编号"), QStringLiteral("名称"), QStringLiteral("分类"),
                                                QStringLiteral("条形码"), QStringLiteral("存放位置"),
                                                QStringLiteral("出版社")}));
    DBGrid1->setKeyField(QStringLiteral("编号"));
    list(LendingPickers::items(m_db.dialect(), m_table, LendingPickers::By::First200, {}));
    Edit1->setFocus();
}

void TBorrowOptBkFm::Edit1Enter()
{
    list(LendingPickers::items(m_db.dialect(), m_table, LendingPickers::By::NameOrInitials, Edit1->text()));
}

void TBorrowOptBkFm::Edit2Enter()
{
    list(LendingPickers::items(m_db.dialect(), m_table, LendingPickers::By::Number, Edit2->text()));
}
