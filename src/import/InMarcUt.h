// SPDX-License-Identifier: MIT
#pragma once
#include "import/ImportDialogUi.h"

class LoginSession;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class SharedConnection;

// "马克marc数据导入": reads a file of CNMARC records into a list whose first column (名称)
// the operator may edit, then inserts the list into 图书 numbered from Edit1 + 1.
class TInMarcFm : public ImportDialog
{
    Q_OBJECT
public:
    TInMarcFm(SharedConnection &db, const LoginSession &session, QWidget *parent = nullptr);

private:
    void Button1Click(); // 打开marc文件
    void Button2Click(); // 读取marc数据
    void Button3Click(); // 导入本系统
    void Button5Click(); // 生成Excel
    void Button6Click(); // LvToExcel
    void exportList();

    SharedConnection &m_db;
    const LoginSession &m_session;
    QString m_path;

    QPushButton *Button1, *Button2, *Button3, *Button5, *Button6, *Button4;
    QLineEdit *Edit1, *Edit2;
    QPlainTextEdit *Memo1;
    QLabel *Label1, *Label2, *Label12;
    QProgressBar *ProgressBar1;
    QTreeWidget *ListView1;
};
