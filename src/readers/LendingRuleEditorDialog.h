// SPDX-License-Identifier: MIT
#pragma once
#include "readers/LendingRuleTable.h"

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QTableWidget;
class QToolButton;
class SharedConnection;

// The editor shared by the reader categories and item levels windows: a read-only grid
// of whole rows, the row's fields in a group box that is enabled only while editing,
// and the tool bar 添加, 修改, 保存, 取消, 删除, 退出.
class LendingRuleEditorDialog : public QDialog
{
    Q_OBJECT
public:
    LendingRuleEditorDialog(SharedConnection &db, const LendingRuleTable &table, const QString &caption,
                            bool nameFixedWhileModifying, QWidget *parent);

    bool isEditing() const { return m_editing; }

protected:
    void ToolButton1Click(); // 添加
    void ToolButton2Click(); // 修改
    void ToolButton5Click(); // 保存
    void ToolButton4Click(); // 取消
    void ToolButton3Click(); // 删除

private:
    void reload(const QString &select = QString());
    void showCurrent();
    void setEditing(bool editing);
    QString currentName() const;

    SharedConnection &m_db;
    LendingRuleTable m_table;
    bool m_nameFixedWhileModifying;
    bool m_editing = false;
    bool m_appending = false;
    QString m_editedName; // the row being modified
    QTableWidget *dxDBGrid1;
    QGroupBox *GroupBox1;
    QList<QLineEdit *> m_edits; // DBEdit1.. : the name, then the fields
    QToolButton *ToolButton1, *ToolButton2, *ToolButton3, *ToolButton4, *ToolButton5, *ToolButton6, *ToolButton7;
};
