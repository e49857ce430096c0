// SPDX-License-Identifier: MIT
#pragma once
#include "circulation/CounterWindowUi.h"
#include "circulation/ReturnDesk.h"

class GridWidget;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class LoginSession;
class SharedConnection;

// "归还操作": the return counter, beside the other windows. The operator finds open
// loans by item number, barcode, reader number or card number, sees the rent and fine
// of the current one and returns it; the search stays, so the reader's next loan is
// at hand. F5 opens the lending window; closing either closes the other.
class TBkReturnFm : public CounterWindow
{
    Q_OBJECT
public:
    TBkReturnFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);
    ~TBkReturnFm() override;

    // The return window that is open, or null.
    static TBkReturnFm *current();
    // Shows the open return window or opens one, beside the caller.
    static void open(QWidget *parent, SharedConnection &db, LoginSession &session);

    void CleanData();
    void CountRowsNum();
    void InitialFocus();
    void Button4Click(); // 搜索
    void Button1Click(); // 归还

protected:
    void firstFocus() override;
    QDialog *partner() const override;

private:
    void Edit8Enter();
    void showCurrent();
    void daysEdited();

    SharedConnection &m_db;
    LoginSession &m_session;
    ReturnDesk m_desk;
    QString m_focus; // "图书编号", "条形码", "读者编号" or empty
    LoanRow m_loan;
    bool m_hasLoan = false;

    QLineEdit *Edit1, *Edit2, *Edit3, *Edit8;
    QPushButton *Button4;
    GridWidget *DBGrid1;
    QLabel *countLabel;
    QGroupBox *GroupBox1; // 当前记录
    QFormLayout *m_current;
    QLineEdit *loanReader, *loanReaderName, *loanNumber, *loanTitle, *loanDate, *itemShelf;
    QLineEdit *Edit4, *Edit5, *Edit6, *Edit7;
    QCheckBox *CheckBox1;
    QGroupBox *GroupBox2; // the return details
    QComboBox *DBComboBox1;
    QLineEdit *DBEdit6;
    QPlainTextEdit *DBMemo1;
    QPushButton *Button1, *Button2, *Button3;
};
