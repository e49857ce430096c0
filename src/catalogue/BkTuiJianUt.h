// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class GridWidget;
class QToolButton;
class LoginSession;
class SharedConnection;

// The list of recommended books "推荐" (b_tuiJian): delete one, delete all, export.
class TBkTuiJianFm : public QDialog
{
    Q_OBJECT
public:
    TBkTuiJianFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);
    GridWidget *grid() const { return dxDBGrid1; }

private:
    void deleteCurrent();
    void deleteAll();

    SharedConnection &m_db;
    GridWidget *dxDBGrid1;
    QToolButton *ToolButton1, *ToolButton2, *ToolButton3, *ToolButton4;
};
