// SPDX-License-Identifier: MIT
#include "readers/RdKindUt.h"

TRdKindFm::TRdKindFm(SharedConnection &db, LoginSession &, QWidget *parent)
    : LendingRuleEditorDialog(db, LendingRuleTable::readerCategories(), QStringLiteral("读者分类设置"), false, parent)
{
    setObjectName(QStringLiteral("RdKindFm"));
}
