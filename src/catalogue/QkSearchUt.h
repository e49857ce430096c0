// SPDX-License-Identifier: MIT
#pragma once
#include "catalogue/ListStatement.h"

#include <QWidget>

class GridWidget;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QToolButton;
class LoginSession;
class RowSet;
class SharedConnection;

// Periodical management "期刊管理": not modal, so it can stay open beside other windows;
// one at a time. The list of 期刊 with search, deletion, prints and export, and the way
// to registration and editing.
class TQkSearchFm : public QWidget
{
    Q_OBJECT
public:
    TQkSearchFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);
    ~TQkSearchFm() override;

    // Shows the one window, creating it when none is open; it is deleted when closed.
    static TQkSearchFm *showWindow(SharedConnection &db, LoginSession &session, QWidget *parent);
    static TQkSearchFm *openWindow();

    bool openList(const ListStatement &statement);
    GridWidget *grid() const { return dxDBGrid1; }
    void ToolButton8Click(); // 查询

private:
    void buildToolBar(QWidget *bar);
    void ToolButton1Click(); // 添加
    void ToolButton2Click(); // 修改
    void ToolButton3Click(); // 删除
    RowSet listedRows() const;
    void print(int kind, bool currentOnly);

    SharedConnection &m_db;
    LoginSession &m_session;
    GridWidget *dxDBGrid1;
    QToolButton *ToolButton1, *ToolButton2, *ToolButton3, *ToolButton4, *ToolButton5, *ToolButton6, *ToolButton7,
        *ToolButton8, *ToolButton9, *ToolButton10, *ToolButton11, *ToolButton12;
    QComboBox *ComboBox1;
    QLineEdit *Edit1;
    QRadioButton *RadioButton1, *RadioButton2;
};
