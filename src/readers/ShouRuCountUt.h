// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class GridWidget;
class QDateEdit;
class QPushButton;
class LoginSession;
class SharedConnection;

// "资金统计": the income journal for a date range with its total, a printed report and
// an export.
class TShouRuCountFm : public QDialog
{
    Q_OBJECT
public:
    TShouRuCountFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);

    GridWidget *grid() const { return dxDBGrid1; }

private:
    void Button1Click(); // 统计
    void Button2Click(); // 打印
    void Button3Click(); // Excel
    void openList(const QString &sql, const QVariantList &values = {});

    SharedConnection &m_db;
    QDateEdit *DateTimePicker1, *DateTimePicker2;
    QPushButton *Button1, *Button2, *Button3, *Button4;
    GridWidget *dxDBGrid1;
};
