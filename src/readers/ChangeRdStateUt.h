// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class LoginSession;
class SharedConnection;

// "更改状态": switches a reader between "正常" and "停用" and writes the operator-log row.
class TChangeRdStateFm : public QDialog
{
    Q_OBJECT
public:
    TChangeRdStateFm(SharedConnection &db, LoginSession &session, const QString &readerNumber, QWidget *parent = nullptr);

private:
    void Button1Click(); // 保存

    SharedConnection &m_db;
    LoginSession &m_session;
    QString m_number;
    QLineEdit *DBEdit1, *DBEdit2, *DBEdit3;
    QComboBox *DBComboBox1;
    QPlainTextEdit *Memo1;
    QPushButton *Button1, *Button2;
};
