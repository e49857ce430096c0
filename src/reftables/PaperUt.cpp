// SPDX-License-Identifier: MIT
#include "reftables/PaperUt.h"

TPaperFm::TPaperFm(const SharedConnection &db, QWidget *parent)
    : CodeTableEditorWidget(db, CodeTables::paper(), QStringLiteral("证件名设置"), parent)
{
    setObjectName(QStringLiteral("PaperFm"));
}
