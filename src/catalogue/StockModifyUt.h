// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;
class LoginSession;
class RowEdit;
class SharedConnection;

// Stock correction "销售库存修改" of the book in the editing window: "确定" posts the new
// 数量 with every other change of the row and writes the operator-log row; "取消" throws
// all the row's changes away. Only its two buttons close it.
class TStockModifyFm : public QDialog
{
    Q_OBJECT
public:
    TStockModifyFm(SharedConnection &db, LoginSession &session, RowEdit &row, QWidget *parent = nullptr);

    void reject() override; // Escape and the close box do nothing

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Button1Click(); // 确定
    void Button2Click(); // 取消

    SharedConnection &m_db;
    LoginSession &m_session;
    RowEdit &m_row;
    bool m_closing = false;
    QLineEdit *Edit1;
    QPushButton *Button1, *Button2;
};
