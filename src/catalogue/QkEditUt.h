// SPDX-License-Identifier: MIT
#pragma once
#include "catalogue/RowEdit.h"

#include <QDialog>
#include <QHash>

class LoginSession;
class SharedConnection;

// Periodical editing "期刊编辑": the current issue of periodical management in edit mode;
// a changed 名称 recomputes py. "保存" posts, "取消" throws the changes away.
class TQkEditFm : public QDialog
{
    Q_OBJECT
public:
    TQkEditFm(SharedConnection &db, LoginSession &session, const QString &number, QWidget *parent = nullptr);

    bool isLoaded() const { return m_row.isLoaded(); }
    // The box of a field; its object name is "field_" + the field.
    QWidget *box(const QString &field) const { return m_boxes.value(field); }
    void reject() override;

private:
    void fillBoxes();
    void writeBoxes();
    void SaveClick();
    void NameChange();

    RowEdit m_row;
    QHash<QString, QWidget *> m_boxes;
};
