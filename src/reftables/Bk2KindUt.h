// SPDX-License-Identifier: MIT
#pragma once
#include "reftables/CodeTableEditorWidget.h"

// The second-level classes 二级分类.
class TBk2KindFm : public CodeTableEditorWidget
{
    Q_OBJECT
public:
    explicit TBk2KindFm(const SharedConnection &db, QWidget *parent = nullptr);
};
