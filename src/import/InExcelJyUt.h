// SPDX-License-Identifier: MIT
#pragma once
#include "import/SheetImportDialog.h"

// The loan-record import: 24 columns into 借出记录, rows without 编号 or 名称 left out; history only.
class TInExcelJyFm : public SheetImportDialog
{
    Q_OBJECT
public:
    TInExcelJyFm(SharedConnection &db, const LoginSession &session, QWidget *parent = nullptr);
};
