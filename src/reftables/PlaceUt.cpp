// SPDX-License-Identifier: MIT
#include "reftables/PlaceUt.h"

TPlaceFm::TPlaceFm(const SharedConnection &db, QWidget *parent)
    : CodeTableEditorWidget(db, CodeTables::place(), QStringLiteral("存放位置名设置"), parent)
{
    setObjectName(QStringLiteral("PlaceFm"));
}
