// SPDX-License-Identifier: MIT
#pragma once
#include "catalogue/PeriodicalRegistration.h"

#include <QDialog>
#include <QHash>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class LoginSession;
class SharedConnection;

// Periodical registration "添加期刊---字体加重的项必须填写": one row of 期刊 per save; Enter
// on a stored barcode copies that description.
class TQkAddFm : public QDialog
{
    Q_OBJECT
public:
    TQkAddFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);
    PeriodicalEntry entry() const;

private:
    void InitialData();
    void Edit2Change();
    void Edit3KeyPress(); // Enter: copy the stored issue
    void Button1Click();  // 保存
    QWidget *boxOf(const QString &column) const { return m_boxOf.value(column); }
    void setText(const QString &column, const QString &text);

    SharedConnection &m_db;
    LoginSession &m_session;
    QHash<QString, QWidget *> m_boxOf; // 期刊 column → box
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7, *Edit8, *Edit9, *Edit10, *Edit11;
    QComboBox *ComboBox1, *ComboBox2, *ComboBox3, *ComboBox4, *ComboBox5, *ComboBox6;
    QDateEdit *DateTimePicker1;
    QPlainTextEdit *Memo1;
    QCheckBox *CheckBox1;
    QPushButton *Button1, *Button2;
};
