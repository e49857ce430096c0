// SPDX-License-Identifier: MIT
#pragma once
#include "circulation/BorrowPickerUt.h"

// "选择": a reader by name, pinyin initials or number, for the lending counter.
class TBorrowOptRdFm : public TBorrowPickerBase
{
    Q_OBJECT
public:
    TBorrowOptRdFm(SharedConnection &db, QWidget *parent = nullptr);

protected:
    QString chosenField() const override { return QStringLiteral("读者编号"); }
    void Edit1Enter() override;
    void Edit2Enter() override;
};
