// SPDX-License-Identifier: MIT
#include "import/MarcSubfields.h"

namespace {

// Length of the GBK character at `at`: two bytes for a lead byte with a valid trail byte.
int charLength(const QByteArray &text, int at)
{
    const auto lead = uchar(text.at(at));
    if (lead >= 0x81 && lead <= 0xFE && at + 1 < text.size()) {
        const auto trail = uchar(text.at(at + 1));
        if (trail >= 0x40 && trail <= 0xFE && trail != 0x7F)
            return 2;
    }
    return 1;
}

// First occurrence of `needle` at a character boundary from `from` on, or -1. A plain byte
// search could match the trail byte of one character and the lead byte of the next.
int findAligned(const QByteArray &text, const QByteArray &needle, int from = 0)
{
    for (int at = from; at < text.size(); at += charLength(text, at)) {
        if (text.mid(at, needle.size()) == needle)
            return at;
    }
    return -1;
}

// Whole characters from `from` on, at most `maxBytes` of them.
QByteArray leftWhole(const QByteArray &text, int from, int maxBytes)
{
    int end = from;
    while (end < text.size() && end + charLength(text, end) - from <= maxBytes)
        end += charLength(text, end);
    return text.mid(from, end - from);
}

// Byte offset just after the mark of the first subfield `code`, or -1.
int valueStart(const QByteArray &field, char code)
{
    const char mark[] = {MarcSubfield::Delimiter, code};
    const int at = field.indexOf(QByteArray(mark, 2));
    return at < 0 ? -1 : at + 2;
}

} // namespace

namespace MarcSubfield {

QList<QByteArray> splitText(const QByteArray &text, char separator)
{
    QList<QByteArray> pieces;
    if (text.isEmpty())
        return pieces;
    int start = 0;
    for (;;) {
        const int at = text.indexOf(separator, start);
        if (at < 0) {
            pieces.append(text.mid(start));
            return pieces;
        }
        pieces.append(text.mid(start, at - start));
        start = at + 1;
    }
}

QByteArray value(const QByteArray &field, char code)
{
    const int start = valueStart(field, code);
    if (start < 0)
        return {};
    const int end = field.indexOf(Delimiter, start);
    return field.mid(start, end < 0 ? -1 : end - start);
}

QByteArray toEnd(const QByteArray &field, char code)
{
    const int start = valueStart(field, code);
    if (start < 0)
        return {};
    QByteArray rest = field.mid(start);
    return rest.replace(Delimiter, '$');
}

QByteArray date(const QByteArray &field, char code)
{
    return leftWhole(value(field, code), 0, 8);
}

QByteArray pages(const QByteArray &field, char code)
{
    static const QByteArray ye("\xD2\xB3"); // 页 in GBK
    const QByteArray text = value(field, code);
    const int at = findAligned(text, ye);
    return at < 0 ? QByteArray() : text.left(at + ye.size());
}

std::optional<QByteArray> price(const QByteArray &field)
{
    static const QByteArray cny("CNY");
    // Each subfield's text, its code byte left out so that a code "C" is not read as text.
    const QList<QByteArray> subfields = splitText(field, Delimiter);
    for (int i = 1; i < subfields.size(); ++i) {
        const QByteArray text = subfields.at(i).mid(1);
        const int at = findAligned(text, cny);
        if (at < 0)
            continue;
        const int amount = at + cny.size();
        const int dot = findAligned(text, ".", amount);
        if (dot < 0)
            return std::nullopt;
        return text.mid(amount, dot + 1 - amount) + leftWhole(text, dot + 1, 2);
    }
    return std::nullopt;
}

} // namespace MarcSubfield
