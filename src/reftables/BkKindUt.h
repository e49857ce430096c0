// SPDX-License-Identifier: MIT
#pragma once
#include "reftables/CodeTableEditorWidget.h"

// The book classes 分类; the window opens centred on the screen.
class TBkKindFm : public CodeTableEditorWidget
{
    Q_OBJECT
public:
    explicit TBkKindFm(const SharedConnection &db, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};
