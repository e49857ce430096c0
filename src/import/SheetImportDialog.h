// SPDX-License-Identifier: MIT
#pragma once
#include "import/ImportResult.h"

#include "import/ImportDialogUi.h"

class LoginSession;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class SharedConnection;
struct SheetLayout;

// What tells the four spreadsheet import windows apart.
struct SheetImportWindow {
    const SheetLayout *layout = nullptr;
    QString title;
    QString clockCaption; // the first numbering box; empty: the window has no numbering
    bool showsStatement = true;  // the failed statement in Edit1
    bool listsFailedRows = true; // ListView1 and " 生成Excel"
    bool showsElapsed = true;    // Label12
    QStringList helpTexts;
};

// The import frame the four windows share: "选择Excel" shows the sheet's header row beside
// the layout's fields, "开始导入" asks the import password and runs the import, with the
// progress bar moving and the window painting, then shows the failed rows and the summary.
class SheetImportDialog : public ImportDialog
{
    Q_OBJECT
public:
    SheetImportDialog(SharedConnection &db, const LoginSession &session, const SheetImportWindow &window,
                      QWidget *parent = nullptr);

    // The help texts every window starts from.
    static QStringList standardHelp();

private:
    void Button3Click(); // 选择Excel
    void Button6Click(); // 开始导入
    void Button5Click(); // 清空list
    void Button7Click(); //  生成Excel
    void Button8Click(); // 确定
    void showResult(const ImportResult &result);

    SharedConnection &m_db;
    const LoginSession &m_session;
    SheetImportWindow m_window;
    QString m_path;

    QPushButton *Button3, *Button6, *Button5, *Button4, *Button7, *Button8;
    QListWidget *ListBox1, *ListBox2;
    QPlainTextEdit *Memo1;
    QTreeWidget *ListView1;
    QLineEdit *Edit1, *Edit2;
    QCheckBox *CheckBox1, *CheckBox2;
    QLabel *Label14, *Label1, *Label2, *Label12;
    QProgressBar *ProgressBar1;
};
