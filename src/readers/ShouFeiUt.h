// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class LoginSession;
class SharedConnection;

// "收费": a charge that is not tied to a reader. The main window keeps one instance
// and only hides it, so a second use shows the entries of the previous one.
class TShouFeiFm : public QDialog
{
    Q_OBJECT
public:
    TShouFeiFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);

private:
    void Button1Click(); // 确定

    SharedConnection &m_db;
    LoginSession &m_session;
    QComboBox *ComboBox1;
    QLineEdit *Edit1;
    QPlainTextEdit *Memo1;
    QPushButton *Button1, *Button2;
};
