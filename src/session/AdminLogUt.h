// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>
#include <memory>

class GridWidget;
class ListReport;
class QToolBar;
class QToolButton;
class SharedConnection;

// "管理员日志": lists the operator log (sorted by a click on a column head, filtered by a
// column's values, with the row count in the footer), deletes the current row or all
// rows, exports it to a spreadsheet and prints it.
class TAdminLogFm : public QDialog
{
    Q_OBJECT
public:
    explicit TAdminLogFm(const SharedConnection &db, QWidget *parent = nullptr);
    ~TAdminLogFm() override;

    // The print of the rows as the list shows them, sort and filters applied.
    std::unique_ptr<ListReport> report() const;

private:
    void ToolButton1Click(); // 删除当前
    void ToolButton2Click(); // 全部删除
    void ToolButton3Click(); // 导出Excel
    void ToolButton4Click(); // 打印

    const SharedConnection &m_db;
    QToolBar *ToolBar1;
    QToolButton *ToolButton1;
    QToolButton *ToolButton2;
    QToolButton *ToolButton3;
    QToolButton *ToolButton4;
    QToolButton *ToolButton5;
    GridWidget *dxDBGrid1;
};
