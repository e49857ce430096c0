// SPDX-License-Identifier: MIT
#pragma once
#include "readers/LendingRuleEditorDialog.h"

class LoginSession;

// "物品级别": the item levels (rent, and how many items of the level a reader may hold;
// 0 is no limit). A level keeps its name while it is modified.
class TRentLevelFm : public LendingRuleEditorDialog
{
    Q_OBJECT
public:
    TRentLevelFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);
};
