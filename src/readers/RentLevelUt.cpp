// SPDX-License-Identifier: MIT
#include "readers/RentLevelUt.h"

TRentLevelFm::TRentLevelFm(SharedConnection &db, LoginSession &, QWidget *parent)
    : LendingRuleEditorDialog(db, LendingRuleTable::itemLevels(), QStringLiteral("物品级别"), true, parent)
{
    setObjectName(QStringLiteral("RentLevelFm"));
}
