// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class LoginSession;

// The database settings window "数据库设置": the embedded file or a PostgreSQL server,
// tested on a connection of its own and written to de.ini for the next start.
class TSetDataFm : public QDialog
{
    Q_OBJECT
public:
    explicit TSetDataFm(const LoginSession &session, QWidget *parent = nullptr,
                        const QString &iniPath = QString());

private:
    void applyChoice();
    void Button2Click(); // 测试
    void Button1Click(); // 保存
    void Button3Click(); // 退出

    QString m_iniPath;
    QString m_testedString;
    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QGroupBox *GroupBox1;
    QComboBox *ComboBox1;
    QLineEdit *Edit2;
    QLineEdit *Edit3;
    QLineEdit *Edit4;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
};
