// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QString>

// The GBK (code page 936) byte form of texts: receipts, the pinyin rule, byte limits,
// and files written by older programs. A character that GBK lacks becomes "?".
namespace Gbk {
QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);
// True when the bytes are valid UTF-8 (used to tell UTF-8 files from GBK ones).
bool isUtf8(const QByteArray &bytes);
}
