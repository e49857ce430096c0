// SPDX-License-Identifier: MIT
#pragma once
#include "import/SheetImportDialog.h"

// The book import "Excel导入": 31 columns into 图书.
class TInExcelDataFm : public SheetImportDialog
{
    Q_OBJECT
public:
    TInExcelDataFm(SharedConnection &db, const LoginSession &session, QWidget *parent = nullptr);
};
