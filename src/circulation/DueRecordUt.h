// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class GridWidget;
class QToolButton;
class SharedConnection;

// "逾期未还记录统计": every open loan due today or earlier, with a printable list.
class TDueRecordFm : public QDialog
{
    Q_OBJECT
public:
    explicit TDueRecordFm(SharedConnection &db, QWidget *parent = nullptr);

    void ToolButton6Click(); // 打印报表

private:
    GridWidget *DBGrid1;
    QToolButton *ToolButton6, *ToolButton7;
};
