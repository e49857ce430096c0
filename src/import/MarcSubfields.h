// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QList>
#include <optional>

// The byte rules that take one value out of the content of a MARC data field (two
// indicator bytes, then subfields, each led by the delimiter 0x1F and its code letter).
// Contents and values are GBK bytes. A rule uses the first subfield with the code
// (case-sensitive), stays inside that subfield and never cuts a double-byte character.
namespace MarcSubfield {

constexpr char Delimiter = '\x1F';

// The pieces between separators, the piece after the last one included;
// a text without separator is one piece, an empty text has none.
QList<QByteArray> splitText(const QByteArray &text, char separator);

// Subfield `code` up to the next subfield; empty when the field has none.
QByteArray value(const QByteArray &field, char code);

// Everything after the mark of subfield `code` to the end of the field; the marks of
// later subfields appear as "$" and their code ("$b").
QByteArray toEnd(const QByteArray &field, char code);

// The first eight bytes of subfield `code` (fewer when it is shorter), whole characters only.
QByteArray date(const QByteArray &field, char code);

// Subfield `code` up to and including its first "页" (320页); empty when it has no "页".
QByteArray pages(const QByteArray &field, char code);

// The amount after the first "CNY" of the field: up to the second byte after the first "."
// that follows it in the same subfield (CNY25.00 → 25.00, CNY9.8 → 9.8). No value when
// there is no "CNY" or no "." after it.
std::optional<QByteArray> price(const QByteArray &field);

} // namespace MarcSubfield
