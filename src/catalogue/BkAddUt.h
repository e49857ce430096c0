// SPDX-License-Identifier: MIT
#pragma once
#include "catalogue/AutoNumber.h"
#include "catalogue/BookEntry.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class LoginSession;
class SharedConnection;

// Book registration "添加图书---字体加重的项必须填写": one new row of 图书 per save, or one
// per copy; proposes the call number and 种次号, the pinyin, both ISBN forms, the
// publisher from the barcode and consecutive book numbers.
class TBkAddFm : public QDialog
{
    Q_OBJECT
public:
    TBkAddFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);

    // The values of the boxes as the save hands them over.
    BookEntry entry() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void InitialData();
    void fillLists();
    void Edit2Change();
    void Edit3KeyPress();  // Enter: publisher, duplicate warning
    void Edit3KeyUp();     // any key: the ISBN-10 of the barcode
    void Edit10KeyPress(); // Enter: the barcode of the ISBN-10
    void ShengChengSsh();  // Enter in the class number box
    void BarCodeFindPub();
    void ComboBox10Change();
    void Button1Click();   // 保存
    void Button3Click();   // 使用自动编号
    void chooseDocument();

    SharedConnection &m_db;
    LoginSession &m_session;
    AutoNumber m_autoNumber;

    QLineEdit *Edit1, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7, *Edit8, *Edit9, *Edit10, *Edit11, *Edit12,
        *Edit13, *Edit14, *Edit15, *Edit16, *Edit17, *Edit18, *Edit19, *Edit20, *Edit21;
    QPlainTextEdit *Edit2, *Memo1;
    QComboBox *ComboBox1, *ComboBox2, *ComboBox3, *ComboBox4, *ComboBox5, *ComboBox6, *ComboBox7, *ComboBox8,
        *ComboBox9, *ComboBox10, *ComboBox11, *ComboBox12;
    QLabel *LabelA1, *LabelA2, *LabelA3, *LabelDonor;
    QPushButton *Button1, *Button2, *Button3, *Button4;
    QCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4;
    QGroupBox *GroupBox2;
};
