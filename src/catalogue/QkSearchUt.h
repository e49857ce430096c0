// SPDX-License-Identifier: MIT
#pragma once
#include "catalogue/CatalogueListWindowUi.h"

// Periodical management "期刊管理": not modal, so it can stay open beside other windows;
// one at a time. The list of 期刊 with search, deletion, prints and export, and the way
// to registration and editing.
class TQkSearchFm : public CatalogueListWindow<QWidget>
{
    Q_OBJECT
public:
    TQkSearchFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);
    ~TQkSearchFm() override;

    // Shows the one window, creating it when none is open; it is deleted when closed.
    static TQkSearchFm *showWindow(SharedConnection &db, LoginSession &session, QWidget *parent);
    static TQkSearchFm *openWindow();

    void ToolButton8Click() override; // 查询

private:
    void buildToolBar();
    void ToolButton1Click() override; // 添加
    void ToolButton2Click() override; // 修改
    void print(int kind, bool currentOnly);
};
