// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class LoginSession;
class SharedConnection;

// "读者添加": registers a reader and journals the opening fee; with "保存后清空数据"
// unticked the typed values stay for the next registration.
class TRdAddFm : public QDialog
{
    Q_OBJECT
public:
    TRdAddFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);

    // True when a reader was saved while the window was open.
    bool savedAny() const { return m_savedAny; }

private:
    void InitialData();
    void Edit2Change();
    void Button4Click(); // 照片
    void Button1Click(); // 保存
    void showPhoto();

    SharedConnection &m_db;
    LoginSession &m_session;
    QByteArray m_photo;
    bool m_savedAny = false;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7;
    QComboBox *ComboBox1, *ComboBox2, *ComboBox3, *ComboBox4, *ComboBox5, *ComboBox6;
    QLabel *LabelClass, *LabelDepartment;
    QDateEdit *DateTimePicker1;
    QPlainTextEdit *Memo1;
    QLabel *Image1;
    QPushButton *Button1, *Button2, *Button4;
    QCheckBox *CheckBox1;
};
