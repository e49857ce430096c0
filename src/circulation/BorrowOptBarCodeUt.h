// SPDX-License-Identifier: MIT
#pragma once
#include "circulation/LendingItem.h"

#include <QDialog>

class GridWidget;
class QPushButton;
class SharedConnection;

// "选择": one of several items that share the number or barcode typed at the lending
// counter. A click on a row, Enter on it or "选择(&S)" makes it current and closes.
class TBorrowOptBarCodeFm : public QDialog
{
    Q_OBJECT
public:
    TBorrowOptBarCodeFm(SharedConnection &db, ItemTable table, ItemKey key, const QString &value,
                        QWidget *parent = nullptr);
    // The 编号 of the chosen row; empty when closed without a choice.
    QString chosenNumber() const { return m_chosen; }

private:
    void choose();

    GridWidget *DBGrid1;
    QPushButton *Button1;
    QPushButton *Button2;
    QString m_chosen;
};
