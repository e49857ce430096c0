// SPDX-License-Identifier: MIT
#pragma once
#include "catalogue/CatalogueEditDialog.h"

// Book editing "图书编辑": the current book of book management, its boxes bound to the
// row in edit mode. 数量 changes only through the stock correction.
class TBkEditFm : public CatalogueEditDialog
{
    Q_OBJECT
public:
    TBkEditFm(SharedConnection &db, LoginSession &session, const QString &bookNumber, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    QPushButton *buttonBeside(const QString &field) override; // 数量's 修改, 绝对地址's Run

private:
    void fillBoxes();  // row → boxes
    void writeBoxes(); // boxes → row
    void SaveClick();
    void StockClick();
    void RunClick();
    void BarcodeEnter();
    void ClassNumberEnter();
    void SourceChange();

    QPushButton *m_stock = nullptr, *m_run = nullptr;
};
