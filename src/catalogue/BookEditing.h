// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QStringList>

class RowEdit;
class SharedConnection;
struct Rights;

// The rules of the book editing and stock correction windows over a row in edit mode.
namespace BookEditing {

// The fields the editing window has a box for (数量 only through stock correction).
const QStringList &editColumns();

// "保存": "没有权限!" without qxbkxg (nothing posted); an empty 物品级别 becomes
// "普通"; then the row is posted. Empty when done, else the message; a refused post
// keeps the row in edit mode with its changes.
QString save(RowEdit &row, const Rights &rights);

// Whether the operator may open the stock correction: "没有权限!" without
// qxModifyStock, else empty.
QString mayCorrectStock(const Rights &rights);

// "确定" of the stock correction: "填写数量!" for an empty box; otherwise the new
// 数量 and every other change of the row are posted together with the log row
// 修改库存 / "条形码:" + the book's barcode, in one transaction. Empty when done.
QString correctStock(const SharedConnection &db, RowEdit &row, const QString &stockText,
                     const QString &operatorName);

} // namespace BookEditing
