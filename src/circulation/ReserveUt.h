// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class GridWidget;
class QPushButton;
class SharedConnection;

// "读者预定信息": the reserved books, and the clearing of every reservation at once.
class TReserveFm : public QDialog
{
    Q_OBJECT
public:
    explicit TReserveFm(SharedConnection &db, QWidget *parent = nullptr);

    void Button2Click(); // 取消全部预定
    void Button3Click(); // 刷新

private:
    SharedConnection &m_db;
    GridWidget *DBGrid1;
    QPushButton *Button2, *Button3, *Button4;
};
