// SPDX-License-Identifier: MIT
#pragma once
#include "circulation/CounterWindowUi.h"
#include "circulation/LendingDesk.h"

class QButtonGroup;
class QCheckBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class LoginSession;
class SharedConnection;

// "借阅": the lending counter. The operator loads a reader, looks items up one by one
// into the pending list and lends the list at once. Keyboard first: a scanner types
// digits and Enter into the reader box, then into the item box. F6 opens the return
// window beside it; closing either closes the other.
class TBkBorrowFm : public CounterWindow
{
    Q_OBJECT
public:
    TBkBorrowFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);
    ~TBkBorrowFm() override;

    // The lending window that is open, or null.
    static TBkBorrowFm *current();
    // Shows the open lending window, or opens one: modally (returning when it closes)
    // unless the return window is open, with which it must stay usable.
    static void open(QWidget *parent, SharedConnection &db, LoginSession &session, bool modal);

    const LendingDesk &desk() const { return m_desk; }

    void CleanData();
    void RdSearch();
    void bksearch();
    void Button1Click(); // 借出
    void Button6Click(); // 取消: the selected line
    void Button8Click(); // 显示未还记录

protected:
    void firstFocus() override;
    QDialog *partner() const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ItemTable itemTable() const;
    ItemKey itemKey() const;
    void showReader();
    void showItem(const LendingItem *item);
    void showCount();
    void pickReader();
    void pickItem();
    void selectEdit2();

    SharedConnection &m_db;
    LoginSession &m_session;
    LendingDesk m_desk;

    QLineEdit *Edit1; // reader number or card number
    QLineEdit *DBEdit1, *readerName, *readerSex, *readerCategory, *readerOpenLoans, *readerLoansEver,
        *readerState, *readerBalance, *readerExpiry;
    QLineEdit *Edit3, *Edit4, *Edit5; // the category's limit, days, rent
    QFormLayout *m_readerForm;
    QGroupBox *GroupBox2; // the item group, captioned by the item table
    QRadioButton *RadioButton1, *RadioButton2, *RadioButton3, *RadioButton4;
    QLabel *Label12;  // the key column
    QLineEdit *Edit2; // item number or barcode
    QPushButton *Button7;
    QLabel *enterHint;
    QLineEdit *itemNumber, *itemName, *itemBarcode, *itemClass, *itemCount, *itemShelf, *itemPublisher,
        *itemPrice, *DBEdit5;
    QLineEdit *Edit6; // the item level's rent
    QFormLayout *m_itemForm;
    QTreeWidget *ListView1;
    QLabel *countLabel;
    QCheckBox *CheckBox1;
    QPushButton *Button1, *Button6, *Button2, *Button8, *Button4;
};
