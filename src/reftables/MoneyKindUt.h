// SPDX-License-Identifier: MIT
#pragma once
#include "reftables/CodeTableEditorWidget.h"

// The currencies 币种.
class TMoneyKindFm : public CodeTableEditorWidget
{
    Q_OBJECT
public:
    explicit TMoneyKindFm(const SharedConnection &db, QWidget *parent = nullptr);
};
