// SPDX-License-Identifier: MIT
#pragma once
#include "reftables/CodeTableEditorWidget.h"

// The shelf locations 存放位置.
class TPlaceFm : public CodeTableEditorWidget
{
    Q_OBJECT
public:
    explicit TPlaceFm(const SharedConnection &db, QWidget *parent = nullptr);
};
