// SPDX-License-Identifier: MIT
#pragma once
#include "readers/ReaderForm.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class LoginSession;
class SharedConnection;

// "读者编辑": edits a copy of the reader management window's current reader; "保存"
// writes it over that row in one transaction and closes, "取消" drops the copy.
class TRdEditFm : public QDialog
{
    Q_OBJECT
public:
    TRdEditFm(SharedConnection &db, LoginSession &session, const QString &readerNumber, QWidget *parent = nullptr);

    bool found() const { return m_found; }

private:
    void fill();
    void Button1Click(); // 保存
    void Button3Click(); // 放大
    void Button4Click(); // 更改照片

    SharedConnection &m_db;
    QString m_number; // the row's number when the window opened
    ReaderForm m_form;
    bool m_found = false;
    QLineEdit *DBEdit1, *DBEdit2, *DBEdit3, *DBEdit4, *DBEdit5, *DBEdit6, *DBEdit7, *DBEdit8, *DBEdit9, *DBEdit10,
        *DBEdit11, *DBEdit12;
    QComboBox *DBComboBox1, *DBComboBox2, *DBComboBox3, *DBComboBox4;
    QPlainTextEdit *DBMemo1;
    QDateTimeEdit *dxDBDateEdit1;
    QDateEdit *dxDBDateEdit2;
    QLabel *DBImage1;
    QPushButton *Button1, *Button2, *Button3, *Button4;
};
