// SPDX-License-Identifier: MIT
#include "reftables/DepartMentUt.h"

TDepartMentFm::TDepartMentFm(const SharedConnection &db, QWidget *parent)
    : CodeTableEditorWidget(db, CodeTables::department(), QStringLiteral("单位/部门名称设置"), parent)
{
    setObjectName(QStringLiteral("DepartMentFm"));
}
