// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class GridWidget;
class QDateEdit;
class QPushButton;
class LoginSession;
class SharedConnection;

// Books entered per operator "管理员录入量统计": count and total price per 登记人 in a
// date range; the statement is shown to the operator before it runs.
class TAdminLuRuStatFm : public QDialog
{
    Q_OBJECT
public:
    TAdminLuRuStatFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);
    GridWidget *grid() const { return dxDBGrid1; }
    void Button1Click(); // 统计

private:
    SharedConnection &m_db;
    LoginSession &m_session;
    QDateEdit *DateTimePicker1, *DateTimePicker2;
    QPushButton *Button1, *Button2, *Button3, *Button4;
    GridWidget *dxDBGrid1;
};
