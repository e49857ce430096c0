// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class LoginSession;
class SharedConnection;

// "修改密码": the signed-in operator changes his own password.
class TChangePwdFm : public QDialog
{
    Q_OBJECT
public:
    TChangePwdFm(const SharedConnection &db, const LoginSession &session, QWidget *parent = nullptr);

private:
    void Button1Click(); // 保存
    void Button2Click(); // 关闭

    const SharedConnection &m_db;
    const LoginSession &m_session;
    QLabel *Label2;
    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QLineEdit *Edit3;
    QPushButton *Button1;
    QPushButton *Button2;
};
