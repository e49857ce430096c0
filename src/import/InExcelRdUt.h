// SPDX-License-Identifier: MIT
#pragma once
#include "import/SheetImportDialog.h"

// The reader import "读者资料Excel导入": 19 columns into 读者库; the first row without 读者编号 or 读者姓名 ends it.
class TInExcelRdFm : public SheetImportDialog
{
    Q_OBJECT
public:
    TInExcelRdFm(SharedConnection &db, const LoginSession &session, QWidget *parent = nullptr);
};
