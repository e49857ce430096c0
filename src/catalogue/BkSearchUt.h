// SPDX-License-Identifier: MIT
#pragma once
#include "catalogue/CatalogueListWindowUi.h"

class QAction;
class QCheckBox;
class QDateEdit;
class QLabel;
class QMenu;
class QPushButton;
// Book management "图书资料管理": the list of 图书 with the one-field and combined
// searches, totals, deletion, prints, export, recommendation, and the way to
// registration and editing.
class TBkSearchFm : public CatalogueListWindow<QDialog>
{
    Q_OBJECT
public:
    TBkSearchFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);
    ~TBkSearchFm() override;

    // After a registration: the open book management window, if any, lists the 100 most
    // recently registered books. Nothing happens when none is open or it fails.
    static void showRecentInOpenWindow();

    void ToolButton8Click() override; // 查询
    void N1Click();                   // 推荐

private:
    void buildToolBar();
    void ToolButton1Click() override; // 添加
    void ToolButton2Click() override; // 编辑
    void Button2Click();              // 组合查询
    void print(int kind, bool currentOnly);

    QLabel *Label2;
    QPushButton *Button1, *Button2;
    QCheckBox *CheckBox1;
    QDateEdit *DTP1, *DTP2;
    QMenu *m_gridMenu;
    QAction *N1;
};
