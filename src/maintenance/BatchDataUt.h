// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;
class SharedConnection;

// The batch window "批处理": every item of one shelf location moved to another, and
// the readers of a faculty, class or department deleted after the operator has seen
// how many they are.
class TBatchDataFm : public QDialog
{
    Q_OBJECT
public:
    explicit TBatchDataFm(SharedConnection &db, QWidget *parent = nullptr);

private:
    void FormShow();     // fills the lists
    void Button1Click(); // 执行 on 批量修改存放位置
    void Button2Click(); // 执行 on 批量删除读者

    SharedConnection &m_db;
    QComboBox *ComboBox1, *ComboBox2, *ComboBox3, *ComboBox4, *ComboBox5, *ComboBox6;
    QCheckBox *CheckBox1, *CheckBox2, *CheckBox3;
    QPushButton *Button1, *Button2, *Button3;
};
