// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

// Consecutive book numbers: a prefix and a counter padded with "0" on the left to the
// width of the start value as typed. Prefix A and start 0001 give A0001, A0002, …,
// A9999, A10000; start 1 gives A1, A2, … with no padding.
class AutoNumber
{
public:
    // "使用自动编号": counter from the trimmed start text, width its length, prefix the
    // trimmed prefix. False (nothing changed) when the start is not a whole number.
    bool start(const QString &prefix, const QString &startText);
    // The number after a save: the counter grows by one.
    QString advance();
    // The number the counter stands at now.
    QString current() const;

private:
    qlonglong m_counter = 1;
    QString m_prefix;
    int m_width = 0;
};
