// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class GridWidget;
class QBoxLayout;
class QDate;
class QDateEdit;
class QPushButton;
class SharedConnection;

// The base of the windows that list rows for a date range: the range "从 … 到 …"
// (DateTimePicker1, DateTimePicker2), the buttons 统计, 打印, Excel and 返回 (Button1
// to Button4) and the grid dxDBGrid1 below. Excel exports the grid's rows under the
// window's title; the window connects the other buttons and lays the controls out.
class DateRangeListWindow : public QDialog
{
    Q_OBJECT
public:
    GridWidget *grid() const { return dxDBGrid1; }

protected:
    DateRangeListWindow(SharedConnection &db, QWidget *parent);

    // The controls take the tab order in which they are created, so the window calls
    // these in its own order.
    void createGrid();
    // The two date boxes, starting at `from` and `to`, and the four buttons, in `owner`.
    void createRange(QWidget *owner, const QDate &from, const QDate &to);
    // Adds "从 [from] 到 [to]" to `row`, the labels in `owner`.
    void addRange(QBoxLayout *row, QWidget *owner);

    SharedConnection &m_db;
    QDateEdit *DateTimePicker1 = nullptr, *DateTimePicker2 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *Button4 = nullptr;
    GridWidget *dxDBGrid1 = nullptr;
};
