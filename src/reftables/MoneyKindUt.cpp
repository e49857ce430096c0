// SPDX-License-Identifier: MIT
#include "reftables/MoneyKindUt.h"

TMoneyKindFm::TMoneyKindFm(const SharedConnection &db, QWidget *parent)
    : CodeTableEditorWidget(db, CodeTables::moneyKind(), QStringLiteral("币种设置"), parent)
{
    setObjectName(QStringLiteral("MoneyKindFm"));
}
