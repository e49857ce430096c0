// SPDX-License-Identifier: MIT
#pragma once
#include "reftables/CodeTables.h"

#include <QDialog>
#include <QList>

class CodeTableEditor;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTableView;
class QToolBar;
class QToolButton;
class SharedConnection;

// The window every code table is edited in: a tool bar (添加, 修改, 保存, 取消, 删除,
// 退出), the edit boxes of the current row and the list of all rows. Browsing and
// editing states as CodeTableEditor holds them.
class CodeTableEditorWidget : public QDialog
{
    Q_OBJECT
public:
    CodeTableEditorWidget(const SharedConnection &db, const CodeTable &table, const QString &caption,
                          QWidget *parent = nullptr);

    CodeTableEditor &editor() const { return *m_editor; }

protected:
    // The box labels, one per edited column (the column names unless set).
    void setBoxLabels(const QStringList &labels);
    // Sorting by a click on a column head (the publisher window).
    void enableHeaderSort();

private:
    void ToolButton1Click(); // 添加
    void ToolButton2Click(); // 修改
    void ToolButton5Click(); // 保存
    void ToolButton4Click(); // 取消
    void ToolButton3Click(); // 删除
    void ToolButton7Click(); // 退出
    void headerClicked(int section);
    void showState();
    void showCurrent(int row);
    QStringList boxTexts() const;

    CodeTableEditor *m_editor;
    QToolBar *ToolBar1;
    QToolButton *ToolButton1;
    QToolButton *ToolButton2;
    QToolButton *ToolButton5;
    QToolButton *ToolButton4;
    QToolButton *ToolButton3;
    QToolButton *ToolButton6; // "打印报表", hidden, no action
    QToolButton *ToolButton7;
    QGroupBox *GroupBox1;
    QList<QLineEdit *> m_boxes; // DBEdit1.. in the order of the edited columns
    QList<QLabel *> m_labels;
    QTableView *DBGrid1;
    bool m_showing = false;
};
