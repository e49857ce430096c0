// SPDX-License-Identifier: MIT
#include "import/InExcelQkUt.h"

#include "import/SheetLayout.h"

namespace {
SheetImportWindow description()
{
    SheetImportWindow w;
    w.layout = &SheetLayouts::periodicals();
    w.title = QStringLiteral("期刊资料Excel导入");
    w.clockCaption = QStringLiteral("系统自动编号");
    w.helpTexts = SheetImportDialog::standardHelp();
    return w;
}
} // namespace

TInExcelQkFm::TInExcelQkFm(SharedConnection &db, const LoginSession &session, QWidget *parent)
    : SheetImportDialog(db, session, description(), parent)
{
    setObjectName(QStringLiteral("InExcelQkFm"));
}
