// SPDX-License-Identifier: MIT
#pragma once
#include "reftables/CodeTableEditorWidget.h"

// The publishers 出版社名 with their ISBN prefixes ("7-" and the publisher's digits) and
// places; the list shows ISBN, 出版社名, 出版地 and sorts by a click on a column head.
class TPubFm : public CodeTableEditorWidget
{
    Q_OBJECT
public:
    explicit TPubFm(const SharedConnection &db, QWidget *parent = nullptr);
};
