// SPDX-License-Identifier: MIT
#pragma once
#include "catalogue/ListStatement.h"

#include <QDialog>
#include <QPointer>

#include <functional>
#include <memory>

class GridColumn;
class GridWidget;
class LoginSession;
class PagedReport;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QToolBar;
class QToolButton;
class QVBoxLayout;
class RowSet;
class SharedConnection;

// The last window of a kind that was opened and is not deleted yet.
template <class Window>
QPointer<Window> &latestWindow()
{
    static QPointer<Window> window;
    return window;
}

// The list windows of one catalogue table ("图书", "期刊"): the rows in dxDBGrid1 keyed
// by 编号, the one-field search (ComboBox1 "中 含有" Edit1, RadioButton1 精确 /
// RadioButton2 模糊), and the tool bar ToolBar1 with 查询, 添加, 编辑, 删除, 刷新,
// 显示全部, the prints of the listed rows, 转Excel and 退出. The window lays these out
// in its own order and keeps what differs: columns, search, prints, add and edit windows.
// Base is QDialog for a modal window, QWidget for one that stays open beside others.
template <class Base>
class CatalogueListWindow : public Base
{
public:
    // Closes the list and opens it with the statement; a refusal of the database is
    // told and leaves the list closed. True when it opened.
    bool openList(const ListStatement &statement);
    GridWidget *grid() const { return dxDBGrid1; }

    virtual void ToolButton8Click() = 0; // 查询

protected:
    CatalogueListWindow(SharedConnection &db, LoginSession &session, const QString &table, QWidget *parent,
                        Qt::WindowFlags flags);
    ~CatalogueListWindow() override;

    virtual void ToolButton1Click() = 0; // 添加
    virtual void ToolButton2Click() = 0; // 编辑
    void ToolButton3Click();             // 删除 the current row, once the operator agrees

    // A button at the end of ToolBar1; slot runs on a click.
    QToolButton *addTool(const char *name, const char *text, std::function<void()> slot);
    // 查询, 添加, editText (编辑 or 修改), 删除, 刷新, 显示全部.
    void addListTools(const char *editText);
    // "单打" whose menu, returned empty, takes the prints of the current row.
    QMenu *addSingleTool(const char *name);
    // 转Excel and 退出, the last of the bar.
    void addClosingTools();
    // 添加 with the right to add data, 编辑 with mayEdit, 删除 with the right to delete.
    void applyRights(bool mayEdit);

    // ComboBox1 with the fields, Label1, Edit1 (Enter searches), RadioButton1 and 2.
    void addSearchFields(const QStringList &fields);
    // Those fields in a row, for the window to add its own to.
    QHBoxLayout *searchRow();
    void addGrid(const QList<GridColumn> &columns);
    // The bar above the search row and the grid taking the height left.
    QVBoxLayout *layOut(QHBoxLayout *search);

    struct Print {
        std::unique_ptr<PagedReport> report;
        QString title;
    };
    // Makes a print of the listed rows: the current row (or -1) and every row.
    using MakePrint = std::function<Print(const RowSet &rows, int current, const QList<int> &all)>;
    // A print shown in the preview; with currentOnly nothing when no listed row is current.
    void printListed(bool currentOnly, const MakePrint &make);
    RowSet listedRows() const;

    SharedConnection &m_db;
    LoginSession &m_session;
    const QString m_table;
    QToolBar *m_bar;
    GridWidget *dxDBGrid1 = nullptr;
    QToolButton *ToolButton1 = nullptr, *ToolButton2 = nullptr, *ToolButton3 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QRadioButton *RadioButton1 = nullptr, *RadioButton2 = nullptr;

private:
    QHBoxLayout *m_searchRow = nullptr; // made with the search fields, laid out by the window
};

extern template class CatalogueListWindow<QDialog>;
extern template class CatalogueListWindow<QWidget>;
