// SPDX-License-Identifier: MIT
#pragma once
#include "catalogue/ListStatement.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

// The combined search "组合查询": two conditions and a sort. "ok" with a complete first
// condition builds the statement and closes (accepted); the book management window
// then lists it.
class TBkSearchAdFm : public QDialog
{
    Q_OBJECT
public:
    explicit TBkSearchAdFm(QWidget *parent = nullptr);
    const ListStatement &statement() const { return m_statement; }

private:
    void Button1Click();

    ListStatement m_statement;
    QComboBox *ComboBox1, *ComboBox2, *ComboBox3, *ComboBox4, *ComboBox5, *ComboBox6;
    QLineEdit *Edit1, *Edit2;
    QPushButton *Button1, *Button2;
};
