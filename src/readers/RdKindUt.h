// SPDX-License-Identifier: MIT
#pragma once
#include "readers/LendingRuleEditorDialog.h"

class LoginSession;

// "读者分类设置": the reader categories (loan days, loan limit, rent). 类别名 stays
// editable while a row is modified.
class TRdKindFm : public LendingRuleEditorDialog
{
    Q_OBJECT
public:
    TRdKindFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);
};
