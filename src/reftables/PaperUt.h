// SPDX-License-Identifier: MIT
#pragma once
#include "reftables/CodeTableEditorWidget.h"

// The kinds of identity document 证件名.
class TPaperFm : public CodeTableEditorWidget
{
    Q_OBJECT
public:
    explicit TPaperFm(const SharedConnection &db, QWidget *parent = nullptr);
};
