// SPDX-License-Identifier: MIT
#pragma once
#include "catalogue/CatalogueBoxesUi.h"
#include "catalogue/RowEdit.h"

#include <QDialog>
#include <QHash>
#include <QList>

class QGridLayout;
class QLabel;
class QPushButton;
class LoginSession;
class SharedConnection;

// The editing windows of one row of 图书 or 期刊: a box per field, bound to the row in
// edit mode, with 保存 and 取消 below. The window lists its boxes and keeps what it does
// beyond them: extra buttons, checks and how it saves.
class CatalogueEditDialog : public QDialog
{
    Q_OBJECT
public:
    // False when the row was not found (told to the operator); the window is not shown.
    bool isLoaded() const { return m_row.isLoaded(); }
    RowEdit &row() { return m_row; }

    // The box of a field ("编号", "名称", …): a QLineEdit, QComboBox, QPlainTextEdit or
    // QDateEdit, whose object name is "field_" + the field.
    QWidget *box(const QString &field) const { return m_boxes.value(field); }

    void reject() override; // 取消 and the close box: the changes are thrown away

protected:
    // table is the row's: "图书" or "期刊".
    CatalogueEditDialog(SharedConnection &db, LoginSession &session, const QString &table, QWidget *parent);

    // The boxes in the window's order, each after its caption, two to a line; a Memo
    // takes a line of its own.
    QGridLayout *buildBoxes(const QList<CatalogueBoxes::Box> &boxes);
    // A button the window puts right of a field's box, made when the box is laid out.
    virtual QPushButton *buttonBeside(const QString &field);
    QLabel *caption(const QString &field) const { return m_captions.value(field); }
    // The drop-downs with a table get its items. A refusal of the database is told and,
    // unless tellEachFailure, ends the filling.
    void fillChoiceLists(bool tellEachFailure);
    // 保存 and 取消 below the boxes; 取消 rejects, the window connects 保存.
    void layOut(QGridLayout *boxes);
    // Loads the row with this 编号; a missing row or a refusal is told. True when loaded.
    bool loadRow(const QString &number);

    void rowToBoxes();
    // The boxes' texts into the row, but for the kept fields.
    void boxesToRow(const QStringList &kept = {});
    QString boxText(const QString &field) const;
    void setBoxText(const QString &field, const QString &text);

    SharedConnection &m_db;
    LoginSession &m_session;
    RowEdit m_row;
    QPushButton *m_save = nullptr, *m_cancel = nullptr;

private:
    QList<CatalogueBoxes::Box> m_boxList;
    QHash<QString, QWidget *> m_boxes;
    QHash<QString, QLabel *> m_captions;
};
