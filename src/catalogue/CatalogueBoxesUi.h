// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

#include <initializer_list>

class QComboBox;
class QWidget;
class SharedConnection;

// The entry boxes of the catalogue's add and edit windows.
namespace CatalogueBoxes {

enum Kind { Line, Combo, Memo, DateBox };
// A field's box in an editing window.
struct Box {
    const char *field;
    const char *caption; // none for a1, a2 and a3: they take the session's captions
    Kind kind;
    const char *table = nullptr; // the list of a drop-down
    const char *column = nullptr;
};

// Shows the text in an editable drop-down, selecting its item when it has one.
void setComboText(QComboBox *box, const QString &text);
// The text of a QLineEdit, QComboBox or QPlainTextEdit; empty for any other box.
QString textOf(const QWidget *box);
// Puts the text into a QLineEdit, QComboBox or QPlainTextEdit; any other box is left.
void setTextOf(QWidget *box, const QString &text);

struct ChoiceList {
    QComboBox *box;
    const char *table;
    const char *column;
};
// Adds to each drop-down the items of its code table, keeping the text it shows. A
// refusal of the database is told and ends the filling.
void fillKeepingText(QWidget *window, const SharedConnection &db, std::initializer_list<ChoiceList> lists);

} // namespace CatalogueBoxes
