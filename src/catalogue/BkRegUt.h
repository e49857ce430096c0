// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class GridWidget;
class QDateEdit;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QToolButton;
class LoginSession;
class SharedConnection;

// Registration statistics "资料入库登记信息统计": the books or periodicals registered in
// a date range, with counts and sums, for printing and export.
class TBkRegFm : public QDialog
{
    Q_OBJECT
public:
    TBkRegFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);
    GridWidget *grid() const { return dxDBGrid1; }
    void Button1Click(); // 统计

private:
    QString table() const;

    SharedConnection &m_db;
    LoginSession &m_session;
    QRadioButton *RadioButton1, *RadioButton2;
    QGroupBox *GroupBox1;
    QDateEdit *DateTimePicker1, *DateTimePicker2;
    QPushButton *Button1;
    QToolButton *ToolButton1, *ToolButton2, *ToolButton3, *ToolButton4;
    GridWidget *dxDBGrid1;
};
