// SPDX-License-Identifier: MIT
#include "import/InExcelDataUt.h"

#include "import/SheetLayout.h"

namespace {
SheetImportWindow description()
{
    SheetImportWindow w;
    w.layout = &SheetLayouts::books();
    w.title = QStringLiteral("Excel导入");
    w.clockCaption = QStringLiteral("系统随机自动编号");
    w.helpTexts = SheetImportDialog::standardHelp();
    return w;
}
} // namespace

TInExcelDataFm::TInExcelDataFm(SharedConnection &db, const LoginSession &session, QWidget *parent)
    : SheetImportDialog(db, session, description(), parent)
{
    setObjectName(QStringLiteral("InExcelDataFm"));
}
