// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class LoginSession;

// "Pos打印机设置": the receipt printer's port, whether "借出后打印" starts ticked, and
// a test print.
class TPosPrtSetFm : public QDialog
{
    Q_OBJECT
public:
    // iniPath: de.ini beside the program unless a test names another file.
    explicit TPosPrtSetFm(LoginSession &session, QWidget *parent = nullptr, const QString &iniPath = QString());

    void Button1Click(); // 应用
    void Button3Click(); // 打印测试

private:
    LoginSession &m_session;
    QString m_iniPath;
    QCheckBox *CheckBox1;
    QComboBox *ComboBox1;
    QLineEdit *Edit1;
    QPushButton *Button1, *Button3, *Button2;
};
