// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

#include <functional>
#include <memory>

class GridWidget;
class ListReport;
class QDate;
class QComboBox;
class QDateEdit;
class QFormLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSize;
class QToolBar;
class QToolButton;
class QWidget;

// Controls and behaviours the windows share. Every control gets its objectName, by
// which the tests find it; controls take the tab order in which they are created.
namespace WindowParts {
// A line box; a read-only one shows a value the operator does not type.
QLineEdit *lineEdit(QWidget *parent, const char *name, bool readOnly = false);
// A push button that Enter does not press: Enter belongs to the boxes (a scanner ends
// with it).
QPushButton *button(QWidget *parent, const char *name, const QString &text);
// A text-only tool button at the end of `bar`.
QToolButton *toolButton(QToolBar *bar, const char *name, const QString &text);
// The one-field search of the list windows, made into the window's own controls:
// ComboBox1 (the field, typed or chosen, starting at `current`), Label1 "中 含有", Edit1
// (the value), RadioButton1 精确 and RadioButton2 模糊 (chosen). Returns them in a row,
// for the window to add its own controls to and lay out.
QHBoxLayout *searchFields(QWidget *parent, const QStringList &fields, const QString &current, QComboBox *&field,
                  QLabel *&label, QLineEdit *&value, QRadioButton *&exact, QRadioButton *&fuzzy);
// A date box showing yyyy-MM-dd, with a calendar to drop down.
QDateEdit *dateBox(QWidget *parent, const char *name, const QDate &date);
// Shows or hides a form row: the field and its label.
void setRowVisible(QFormLayout *form, QWidget *field, bool visible);
// Gives a window the maximise and minimise buttons and has it show maximised; `size`
// is its size when restored.
void startMaximized(QWidget *window, const QSize &size);
// The print preview of the report `make` builds from the grid, under the window's
// title: nothing while the grid is closed, a warning when reading fails.
void previewReport(QWidget *window, const GridWidget &grid,
                   const std::function<std::unique_ptr<ListReport>()> &make);
}
