// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class LoginSession;
class SharedConnection;

// "卡内充值": top-up or refund of one reader's card, preset to the reader management
// window's current reader. Closes with Accepted after a top-up, so that the list is
// read again.
class TRdChongZhiFm : public QDialog
{
    Q_OBJECT
public:
    TRdChongZhiFm(SharedConnection &db, LoginSession &session, const QString &readerNumber, QWidget *parent = nullptr);

private:
    void Button3Click(); // ok: look the reader up
    void Button1Click(); // 确定

    SharedConnection &m_db;
    LoginSession &m_session;
    QString m_found; // the reader found by the last lookup; empty when none
    QLineEdit *DBEdit1, *DBEdit2, *DBEdit3, *DBEdit4;
    QGroupBox *GroupBox1, *GroupBox2;
    QLineEdit *Edit2;
    QPushButton *Button3;
    QLineEdit *Edit1;
    QPlainTextEdit *Memo1;
    QCheckBox *CheckBox1;
    QPushButton *Button1, *Button2;
};
