// SPDX-License-Identifier: MIT
#pragma once
#include "import/SheetImportDialog.h"

// The periodical import "期刊资料Excel导入": 27 columns into 期刊.
class TInExcelQkFm : public SheetImportDialog
{
    Q_OBJECT
public:
    TInExcelQkFm(SharedConnection &db, const LoginSession &session, QWidget *parent = nullptr);
};
