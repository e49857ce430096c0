// SPDX-License-Identifier: MIT
#pragma once
#include "reftables/CodeTableEditorWidget.h"

// The departments 单位名称.
class TDepartMentFm : public CodeTableEditorWidget
{
    Q_OBJECT
public:
    explicit TDepartMentFm(const SharedConnection &db, QWidget *parent = nullptr);
};
