// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QString>

// Checks a Workbook stream's BIFF records before FreeXL reads them. FreeXL trusts the
// lengths and indexes written in the records (string lengths, the sheet dimensions, the
// format and string table indexes of cells) and reads past its buffers when they lie.
// A workbook that passes has every record inside the stream, every string inside its
// record, every cell inside its sheet's dimensions and every index inside its table.
namespace XlsRecordCheck {
// Empty when the stream may be given to FreeXL; otherwise why not, for the operator.
QString check(const QByteArray &stream);
}
