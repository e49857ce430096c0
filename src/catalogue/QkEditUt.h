// SPDX-License-Identifier: MIT
#pragma once
#include "catalogue/CatalogueEditDialog.h"

// Periodical editing "期刊编辑": the current issue of periodical management in edit mode;
// a changed 名称 recomputes py. "保存" posts, "取消" throws the changes away.
class TQkEditFm : public CatalogueEditDialog
{
    Q_OBJECT
public:
    TQkEditFm(SharedConnection &db, LoginSession &session, const QString &number, QWidget *parent = nullptr);

private:
    void SaveClick();
    void NameChange();
};
