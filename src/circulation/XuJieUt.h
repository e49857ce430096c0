// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class QDateEdit;
class QLineEdit;
class QPushButton;
class SharedConnection;

// "续借": a new due date, chosen by the operator, for an open loan of a reader.
class TXuJieFm : public QDialog
{
    Q_OBJECT
public:
    explicit TXuJieFm(SharedConnection &db, QWidget *parent = nullptr);

    void Button1Click(); // 确定: find the loan
    void Button2Click(); // 续借
    void Button3Click(); // 取消

private:
    void enableRenewal(bool on);

    SharedConnection &m_db;
    qint64 m_loan = 0;
    QLineEdit *Edit1, *Edit2;
    QPushButton *Button1;
    QDateEdit *DateTimePicker1;
    QPushButton *Button2, *Button3, *Button4;
};
