// SPDX-License-Identifier: MIT
#pragma once
#include "statistics/LoanRecordQuery.h"

#include <QDialog>
#include <memory>

class GridWidget;
class ListReport;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class LoginSession;
class SharedConnection;

// "借阅信息查询": the loan records under the conditions the operator sets, with the sums
// of their money columns; print, export and, with the qxadmin right, delete one row with
// an operator-log entry.
class TBkJySearchFm : public QDialog
{
    Q_OBJECT
public:
    TBkJySearchFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);

    GridWidget *grid() const { return dxDBGrid1; }
    // The conditions as the boxes hold them.
    LoanConditions conditions() const;

    void Button1Click(); // 查询
    void Button3Click(); // 打印
    void Button4Click(); // 转EXCEL
    void Button5Click(); // 删除
    // The printed list of the rows shown.
    std::unique_ptr<ListReport> report() const;

private:
    SharedConnection &m_db;
    LoginSession &m_session;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5;
    QCheckBox *CheckBox1, *CheckBox2, *CheckBox3;
    QDateEdit *DateTimePicker1, *DateTimePicker2, *DateTimePicker3, *DateTimePicker4;
    QComboBox *ComboBox1;
    QPushButton *Button1, *Button2, *Button3, *Button4, *Button5;
    GridWidget *dxDBGrid1;
};
