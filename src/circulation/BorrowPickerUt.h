// SPDX-License-Identifier: MIT
#pragma once
#include "circulation/BoundQuery.h"

#include <QDialog>
#include <functional>

class GridWidget;
class QLabel;
class QLineEdit;
class QPushButton;
class SharedConnection;

// The layout both pickers of the lending counter share: two search boxes, a grid,
// "选择(&S)" and "返回(&R)". Enter in a box runs its search; a double click on the
// grid, or Enter on a row, equals "选择(&S)".
class TBorrowPickerBase : public QDialog
{
    Q_OBJECT
public:
    // The value of the chosen row's field; empty when the dialog closed without a choice.
    QString chosen() const { return m_chosen; }

protected:
    TBorrowPickerBase(SharedConnection &db, const QString &firstLabel, const QString &secondLabel,
                      QWidget *parent);
    // Shows a statement's rows; a database error reaches the operator.
    void list(const BoundQuery &query);
    // The field whose value "选择(&S)" takes.
    virtual QString chosenField() const = 0;
    virtual void Edit1Enter() = 0;
    virtual void Edit2Enter() = 0;

    SharedConnection &m_db;
    QLineEdit *Edit1;
    QLineEdit *Edit2;
    GridWidget *DBGrid1;
    QPushButton *Button1; // 选择(&S)
    QPushButton *Button2; // 返回(&R)

private:
    void Button1Click();
    QString m_chosen;
};
