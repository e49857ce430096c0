// SPDX-License-Identifier: MIT
#pragma once
#include "circulation/BorrowPickerUt.h"
#include "circulation/ItemTable.h"

// "选择": an item of the lending counter's table by title, pinyin initials or number.
// The choice is the row's 编号, or its 条形码 when the counter looks items up by barcode.
class TBorrowOptBkFm : public TBorrowPickerBase
{
    Q_OBJECT
public:
    TBorrowOptBkFm(SharedConnection &db, ItemTable table, ItemKey key, QWidget *parent = nullptr);

protected:
    QString chosenField() const override { return ItemTables::column(m_key); }
    void Edit1Enter() override;
    void Edit2Enter() override;

private:
    ItemTable m_table;
    ItemKey m_key;
};
