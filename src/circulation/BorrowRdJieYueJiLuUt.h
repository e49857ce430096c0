// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class GridWidget;
class QPushButton;
class SharedConnection;

// "读者未还信息显示": the open loans of the reader loaded at the lending counter; with
// no reader loaded it lists nothing.
class TBorrowRdJieYueJiLuFm : public QDialog
{
    Q_OBJECT
public:
    TBorrowRdJieYueJiLuFm(SharedConnection &db, const QString &readerNumber, QWidget *parent = nullptr);

private:
    GridWidget *DBGrid1;
    QPushButton *Button1;
};
