// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>
#include <QList>

class QCheckBox;
class QPushButton;
class SharedConnection;

// The clean-up window "清理数据": chosen tables emptied after the maintenance password.
class TCleanDataFm : public QDialog
{
    Q_OBJECT
public:
    explicit TCleanDataFm(SharedConnection &db, QWidget *parent = nullptr);

private:
    void CheckBox8Click(); // 全选
    void Button1Click();   // 确定

    SharedConnection &m_db;
    QList<QCheckBox *> m_boxes; // CheckBox1 … 7 and CheckBox9, in the order of the deletions
    QCheckBox *CheckBox8;
    QPushButton *Button1, *Button2;
};
