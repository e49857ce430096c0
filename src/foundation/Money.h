// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QVariant>
#include <cstdint>

// A fixed-point amount in ten-thousandths, as the database keeps money (four decimals).
// Arithmetic is exact; no double takes part in it.
class Money
{
public:
    constexpr Money() = default;
    static constexpr Money fromUnits(int64_t units) { Money m; m.m_units = units; return m; }
    static constexpr Money fromYuan(int64_t yuan) { return fromUnits(yuan * 10000); }

    // Parses "12", "-3.5", "0.1234", " 7. "; more than four decimals are rounded half
    // away from zero. Returns false for anything else (two points, letters, empty).
    static bool parse(const QString &text, Money *out);
    // Parses like parse(); anything unparsable counts as 0.
    static Money fromText(const QString &text);
    // A database value: a number, a decimal text, or Null (0).
    static Money fromVariant(const QVariant &value);

    int64_t units() const { return m_units; }
    bool isZero() const { return m_units == 0; }

    // Shortest decimal text: "25", "32.5", "1.5", "-4", "0.1234".
    QString toString() const;
    // Fixed number of decimals, e.g. 2 gives "25.00".
    QString toString(int decimals) const;
    // The value to bind for a money column: an exact decimal text both engines accept.
    QVariant toSql() const;

    Money operator+(Money o) const { return fromUnits(m_units + o.m_units); }
    Money operator-(Money o) const { return fromUnits(m_units - o.m_units); }
    Money operator-() const { return fromUnits(-m_units); }
    Money operator*(int64_t n) const { return fromUnits(m_units * n); }
    Money &operator+=(Money o) { m_units += o.m_units; return *this; }
    Money &operator-=(Money o) { m_units -= o.m_units; return *this; }
    bool operator==(Money o) const { return m_units == o.m_units; }
    bool operator!=(Money o) const { return m_units != o.m_units; }
    bool operator<(Money o) const { return m_units < o.m_units; }
    bool operator>(Money o) const { return m_units > o.m_units; }
    bool operator<=(Money o) const { return m_units <= o.m_units; }
    bool operator>=(Money o) const { return m_units >= o.m_units; }

private:
    int64_t m_units = 0;
};
