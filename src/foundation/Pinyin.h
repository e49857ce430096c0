// SPDX-License-Identifier: MIT
#pragma once
#include <QChar>
#include <QString>

// The initial letter of a GB2312 level-1 character given as its two bytes, or a blank.
QChar PinyinInitial(unsigned char b1, unsigned char b2);

// The py value of a text: its GBK bytes cut into consecutive pairs from the start (a
// last odd byte dropped), each pair's PinyinInitial appended. A single-byte character
// shifts the pairing of everything after it; stored py values rely on exactly this,
// so it is kept. The result is not trimmed; callers trim where their window does.
QString PinyinOf(const QString &text);
