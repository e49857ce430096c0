// SPDX-License-Identifier: MIT
#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// One column of a list grid: which field of the result it shows, under which caption,
// how its values are written, and what its footer shows. Built in a chain:
//
//   GridColumn("id").count()                      // footer: number of rows
//   GridColumn("单位部门", "部门")                 // caption differs from the field
//   GridColumn("价格").money().sum()               // money, footer sum "1234.50"
//   GridColumn("租金").money().sum("0")            // footer sum as a whole number
//   GridColumn("登记日期").date()                  // yyyy-MM-dd
//   GridColumn("住址").hide()                      // in the result, not shown
//
// A field the result lacks gives a column that stays empty.
struct GridColumn {
    enum class Kind {
        Auto,     // from the schema's type of a column of that name; else by the value
        Text,
        Date,     // yyyy-MM-dd
        DateTime, // yyyy-MM-dd hh:mm:ss
        Money,    // exact, two decimals ("25.00"); right-aligned
        Number,   // whole or real numbers as they are; right-aligned
        YesNo,    // 是 / 否
    };
    enum class Footer { None, Count, Sum };

    GridColumn() = default;
    GridColumn(const QString &field, const QString &caption = QString())
        : field(field), caption(caption) {}
    GridColumn(const char *field, const char *caption = nullptr)
        : field(QString::fromUtf8(field)), caption(QString::fromUtf8(caption)) {}

    QString field;   // the result's field, matched without regard to case
    QString caption; // empty: the field name as the schema spells it
    Kind kind = Kind::Auto;
    bool hidden = false;
    int width = 0;   // pixels; 0 fits the column to its caption and first rows
    Footer footer = Footer::None;
    // The footer's number format: "" is the kind's own (money two decimals, counts and
    // whole sums plain), "0" a whole number, "0.0", "0.00", ... that many decimals.
    QString footerFormat;

    GridColumn &text() { kind = Kind::Text; return *this; }
    GridColumn &date() { kind = Kind::Date; return *this; }
    GridColumn &dateTime() { kind = Kind::DateTime; return *this; }
    GridColumn &money() { kind = Kind::Money; return *this; }
    GridColumn &number() { kind = Kind::Number; return *this; }
    GridColumn &yesNo() { kind = Kind::YesNo; return *this; }
    GridColumn &hide(bool h = true) { hidden = h; return *this; }
    GridColumn &withWidth(int pixels) { width = pixels; return *this; }
    GridColumn &count(const QString &format = QString())
    {
        footer = Footer::Count;
        footerFormat = format;
        return *this;
    }
    GridColumn &sum(const QString &format = QString())
    {
        footer = Footer::Sum;
        footerFormat = format;
        return *this;
    }

    // Plain columns for a list of field names, in that order.
    static QList<GridColumn> fromFields(const QStringList &fields);
};

// How the grid writes values: the display texts and the footer texts.
namespace GridFormat {

// The kind of a field by the schema's type of a column of that name (in table when
// given, else in any table where all agree); Auto when the schema does not know it.
GridColumn::Kind kindOfField(const QString &field, const QString &table = QString());

// A value as the grid shows it. Auto shows numbers as numbers and the rest as text.
QString display(GridColumn::Kind kind, const QVariant &value);
// True for the kinds shown right-aligned (money, numbers; Auto when value is a number).
bool alignsRight(GridColumn::Kind kind, const QVariant &value = QVariant());

// Footer texts. A count is a whole number (a format with decimals adds them).
QString countText(qint64 count, const QString &format);
// A money sum: two decimals unless format says otherwise.
QString moneySumText(qint64 units, const QString &format);
// A number sum: as it is (whole sums without a fraction) unless format says otherwise.
QString numberSumText(const QVariant &sum, const QString &format);
// The decimals a format asks for ("0" → 0, "0.00" → 2); -1 for an empty format.
int formatDecimals(const QString &format);

} // namespace GridFormat
