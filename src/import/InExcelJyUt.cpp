// SPDX-License-Identifier: MIT
#include "import/InExcelJyUt.h"

#include "import/SheetLayout.h"

namespace {
SheetImportWindow description()
{
    SheetImportWindow w;
    w.layout = &SheetLayouts::loans();
    w.title = QStringLiteral("Excel导入");
    w.listsFailedRows = false;
    w.helpTexts = SheetImportDialog::standardHelp();
    w.helpTexts.removeLast(); // no numbering here
    return w;
}
} // namespace

TInExcelJyFm::TInExcelJyFm(SharedConnection &db, const LoginSession &session, QWidget *parent)
    : SheetImportDialog(db, session, description(), parent)
{
    setObjectName(QStringLiteral("InExcelJyFm"));
}
