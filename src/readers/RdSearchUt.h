// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class GridWidget;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class LoginSession;
class SharedConnection;

// "读者管理": the list of readers with a one-field search and a registration-date
// filter, deletion, the printed list, library cards, export, and the way into the
// reader windows and the card top-up, which work on the current reader.
class TRdSearchFm : public QDialog
{
    Q_OBJECT
public:
    TRdSearchFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);

    GridWidget *grid() const { return dxDBGrid1; }

private:
    void RdSearch();          // 查询
    void ToolButton1Click();  // 添加
    void ToolButton2Click();  // 编辑
    void ToolButton12Click(); // 修改状态
    void ToolButton3Click();  // 删除
    void ToolButton4Click();  // 刷新
    void ToolButton5Click();  // 显示全部
    void ToolButton6Click();  // 打印报表
    void ToolButton9Click();  // 借阅证
    void ToolButton10Click(); // 转EXCEL
    void ToolButton11Click(); // 充值
    void ToolButton13Click(); // 照片
    void openList(const QString &sql, const QVariantList &values = {});
    void refreshList();
    QString currentNumber() const;

    SharedConnection &m_db;
    LoginSession &m_session;
    GridWidget *dxDBGrid1;
    QToolButton *ToolButton1, *ToolButton2, *ToolButton3, *ToolButton4, *ToolButton5, *ToolButton6, *ToolButton7,
        *ToolButton8, *ToolButton9, *ToolButton10, *ToolButton11, *ToolButton12, *ToolButton13;
    QComboBox *ComboBox1;
    QLabel *Label1;
    QLineEdit *Edit1;
    QRadioButton *RadioButton1, *RadioButton2;
    QPushButton *Button1;
    QCheckBox *CheckBox1;
    QDateEdit *DTP1, *DTP2;
};
