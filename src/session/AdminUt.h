// SPDX-License-Identifier: MIT
#pragma once
#include "session/Administrators.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QStandardItemModel;
class QTableView;
class QToolBar;
class QToolButton;
class SharedConnection;

// "系统管理员权限设置": adds, modifies and deletes operators and ticks their rights.
// Browsing and editing states as in the code-table windows; the super administrator
// keeps its name and cannot be deleted.
class TAdminFm : public QDialog
{
    Q_OBJECT
public:
    explicit TAdminFm(const SharedConnection &db, QWidget *parent = nullptr);

private:
    void ToolButton1Click(); // 添加
    void ToolButton2Click(); // 修改
    void ToolButton5Click(); // 保存
    void ToolButton4Click(); // 取消
    void ToolButton3Click(); // 删除
    void reload(const QString &currentName, int fallbackRow);
    void setEditing(bool editing, bool nameEditable = true);
    void showRow(int row);
    int currentRow() const;
    Administrators::Administrator fromControls() const;

    const SharedConnection &m_db;
    QList<Administrators::Administrator> m_admins;
    QStandardItemModel *m_model;
    bool m_editing = false;
    bool m_pendingIsNew = false;
    QString m_pendingName; // the name of the row being changed, as read
    int m_rowBeforeAdd = -1;
    bool m_showing = false;

    QLabel *Label2;
    QTableView *DBGrid1;
    QToolBar *ToolBar1;
    QToolButton *ToolButton1;
    QToolButton *ToolButton2;
    QToolButton *ToolButton5;
    QToolButton *ToolButton4;
    QToolButton *ToolButton3;
    QToolButton *ToolButton7;
    QLineEdit *DBEdit1;
    QGroupBox *GroupBox2;
    QList<QCheckBox *> m_rightBoxes; // in the order of Administrators::rightBoxes()
};
