// SPDX-License-Identifier: MIT
#include "reftables/PubUt.h"

TPubFm::TPubFm(const SharedConnection &db, QWidget *parent)
    : CodeTableEditorWidget(db, CodeTables::publisher(), QStringLiteral("出版社名设置"), parent)
{
    setObjectName(QStringLiteral("PubFm"));
    setBoxLabels({QStringLiteral("出版社名"), QStringLiteral("ISBN"), QStringLiteral("出版地")});
    enableHeaderSort();
}
