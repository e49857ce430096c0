// SPDX-License-Identifier: MIT
#include "import/InExcelRdUt.h"

#include "import/SheetLayout.h"

namespace {
SheetImportWindow description()
{
    SheetImportWindow w;
    w.layout = &SheetLayouts::readers();
    w.title = QStringLiteral("读者资料Excel导入");
    w.clockCaption = QStringLiteral("自动增加编号");
    w.showsStatement = false;
    w.listsFailedRows = false;
    w.showsElapsed = false;
    w.helpTexts = SheetImportDialog::standardHelp();
    w.helpTexts[3] = QStringLiteral("导入失败的原因有很多,比如Excel中的编号和系统内已存在的编号重复等");
    return w;
}
} // namespace

TInExcelRdFm::TInExcelRdFm(SharedConnection &db, const LoginSession &session, QWidget *parent)
    : SheetImportDialog(db, session, description(), parent)
{
    setObjectName(QStringLiteral("InExcelRdFm"));
}
