// SPDX-License-Identifier: MIT
#pragma once
#include "catalogue/RowEdit.h"

#include <QDialog>
#include <QHash>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class LoginSession;
class SharedConnection;

// Book editing "图书编辑": the current book of book management, its boxes bound to the
// row in edit mode. 数量 changes only through the stock correction.
class TBkEditFm : public QDialog
{
    Q_OBJECT
public:
    TBkEditFm(SharedConnection &db, LoginSession &session, const QString &bookNumber, QWidget *parent = nullptr);

    // False when the book was not found (told to the operator); the window is not shown.
    bool isLoaded() const { return m_row.isLoaded(); }
    RowEdit &row() { return m_row; }

    // The box of a field ("编号", "名称", …): a QLineEdit, QComboBox, QPlainTextEdit or
    // QDateEdit, whose object name is "field_" + the field.
    QWidget *box(const QString &field) const { return m_boxes.value(field); }

    void reject() override; // 取消 and the close box: the changes are thrown away

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillBoxes();  // row → boxes
    void writeBoxes(); // boxes → row
    void SaveClick();
    void StockClick();
    void RunClick();
    void BarcodeEnter();
    void ClassNumberEnter();
    void SourceChange();
    QString boxText(const QString &field) const;
    void setBoxText(const QString &field, const QString &text);

    SharedConnection &m_db;
    LoginSession &m_session;
    RowEdit m_row;
    QHash<QString, QWidget *> m_boxes;
    QLabel *m_donorLabel = nullptr;
    QPushButton *m_save = nullptr, *m_cancel = nullptr, *m_stock = nullptr, *m_run = nullptr;
};
