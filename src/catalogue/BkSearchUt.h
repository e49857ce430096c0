// SPDX-License-Identifier: MIT
#pragma once
#include "catalogue/ListStatement.h"

#include <QDialog>

class GridWidget;
class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolButton;
class LoginSession;
class RowSet;
class SharedConnection;

// Book management "图书资料管理": the list of 图书 with the one-field and combined
// searches, totals, deletion, prints, export, recommendation, and the way to
// registration and editing.
class TBkSearchFm : public QDialog
{
    Q_OBJECT
public:
    TBkSearchFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);
    ~TBkSearchFm() override;

    // After a registration: the open book management window, if any, lists the 100 most
    // recently registered books. Nothing happens when none is open or it fails.
    static void showRecentInOpenWindow();

    // Closes the list and opens it with the statement; a refusal of the database is
    // told and leaves the list closed. True when it opened.
    bool openList(const ListStatement &statement);
    GridWidget *grid() const { return dxDBGrid1; }

    void ToolButton8Click(); // 查询
    void N1Click();          // 推荐

private:
    void buildToolBar();
    void ToolButton1Click(); // 添加
    void ToolButton2Click(); // 编辑
    void ToolButton3Click(); // 删除
    void Button2Click();     // 组合查询
    RowSet listedRows() const;
    void print(int kind, bool currentOnly);

    SharedConnection &m_db;
    LoginSession &m_session;
    GridWidget *dxDBGrid1;
    QToolButton *ToolButton1, *ToolButton2, *ToolButton3, *ToolButton4, *ToolButton5, *ToolButton6, *ToolButton7,
        *ToolButton8, *ToolButton9, *ToolButton10, *ToolButton11, *ToolButton12, *ToolButton13, *ToolButton14;
    QComboBox *ComboBox1;
    QLabel *Label1, *Label2;
    QLineEdit *Edit1;
    QRadioButton *RadioButton1, *RadioButton2;
    QPushButton *Button1, *Button2;
    QCheckBox *CheckBox1;
    QDateEdit *DTP1, *DTP2;
    QMenu *m_gridMenu;
    QAction *N1;
};
