// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SharedConnection;
class LoginSession;

// The sign-in window "登录": opens the database, lists the operators, signs one in.
class TLoginFm : public QDialog
{
    Q_OBJECT
public:
    TLoginFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);

    // Opens the connection and fills the operator list; false when the database could
    // not be opened (the database settings window has then been shown).
    bool prepare();

signals:
    void signedIn();

private:
    void Button1Click();

    SharedConnection &m_db;
    LoginSession &m_session;
    QLabel *m_title;
    QComboBox *ComboBox1;
    QLineEdit *Edit1;
    QPushButton *Button1;
    QPushButton *Button2;
};
