// SPDX-License-Identifier: MIT
#include "reftables/Bk2KindUt.h"

TBk2KindFm::TBk2KindFm(const SharedConnection &db, QWidget *parent)
    : CodeTableEditorWidget(db, CodeTables::bk2Kind(), QStringLiteral("二级分类设置"), parent)
{
    setObjectName(QStringLiteral("Bk2KindFm"));
}
